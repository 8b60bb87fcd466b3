#!/usr/bin/env python3
"""Draws the program's menu pictures and its icon, and writes them as BMP and ICO files.

The pictures are committed; run this again only to change them:

    python3 resources/make_pictures.py [--preview sheet.png]

The straight-edged pictures (monitor, person, door) are pixel art drawn in the grids below,
one letter a pixel. The round ones (push pin, green disc, the icon's polygon) are shapes
sampled 8 x 8 times a pixel and averaged, so their edges are smooth at 16 x 16. Menu
pictures are 24-bit without transparency, so their ground is white, like the colour
swatches beside them; the icon has an alpha channel and a clear ground.

Only the standard library is used, so nothing has to be installed to redraw them.
"""
import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
WHITE = (255, 255, 255)

PALETTE = {
    '.': None,                                     # ground
    'k': (28, 28, 36),                             # outline
    # monitor
    'W': (246, 246, 246), 'l': (206, 208, 212), 'g': (150, 152, 158), 'd': (96, 98, 104),
    'n': (18, 48, 120), 'b': (44, 112, 214), 'c': (150, 200, 255), 'e': (40, 200, 70),
    # person
    'h': (112, 66, 30), 'H': (150, 96, 48), 's': (246, 204, 166), 'S': (214, 160, 120),
    'm': (196, 110, 96), 'r': (196, 52, 44), 'R': (232, 104, 88), 'q': (142, 30, 26),
    # door and arrow
    'O': (56, 56, 80), 'P': (84, 84, 112), 'o': (156, 98, 46), 'p': (196, 138, 76),
    'y': (252, 214, 64),
    'A': (0, 96, 20), 'a': (54, 178, 62), 'L': (150, 226, 130),
}

MONITOR = """
................
.kkkkkkkkkkkkkk.
.kWllllllllllgk.
.klnnnnnnnnnngk.
.klnccbbbbbbbgk.
.klncbbbbbbbbgk.
.klnbbbbbbbbbgk.
.klnbbbbbbbbbgk.
.klnbbbbbbbbbgk.
.klnbbbbbbbbbgk.
.klggggggggggek.
.kkkkkkkkkkkkkk.
......kddk......
....kkkddkkk....
...kWllllllgk...
...kkkkkkkkkk...
"""

PERSON = """
................
......kkkk......
.....kHhhhk.....
....kHhhhhhk....
....khsssshk....
....kskssksk....
....kssssssk....
.....ksmmsk.....
......kSSk......
....kkrSSrkk....
..kkRrrrrrrrkk..
.kRRrrrrrrrrrqk.
.kRrrrrrrrrrrqk.
.kRrrrrrrrrrrqk.
.kRrrrrrrrrrrqk.
.kkkkkkkkkkkkkk.
"""

# The door stands open on a dark room; the arrow is drawn over it, going in.
DOOR = """
................
.....kkkkkkk....
.....kOOOOOkk...
.....kPOOOOkpk..
.....kPOOOOkppk.
.....kPOOOOkpppk
.....kPOOOOkpopk
.....kPOOOOkpopk
.....kPOOOOkpoyk
.....kPOOOOkpoyk
.....kPOOOOkpopk
.....kPOOOOkpopk
.....kPOOOOkppk.
.....kPOOOOkpk..
.....kPOOOOkk...
.....kkkkkkk....
"""

ARROW = """
................
................
................
................
......A.........
......AA........
.AAAAAAaA.......
.ALLLLLLLA......
.AaaaaaaaaA.....
.AaaaaaaaA......
.AAAAAAaA.......
......AA........
......A.........
................
................
................
"""


def grid(text):
    rows = text.strip('\n').split('\n')
    assert len(rows) == 16 and all(len(r) == 16 for r in rows), rows
    return [[PALETTE[ch] for ch in row] for row in rows]


def over(base, top):
    """The second grid laid over the first; its empty pixels let the first show."""
    return [[t if t is not None else b for b, t in zip(rb, rt)] for rb, rt in zip(base, top)]


# ---- shapes sampled below the pixel ----------------------------------------------------------

SAMPLES = 8


def sampled(size, colour_at):
    """A picture whose pixel is the mean of colour_at over SAMPLES x SAMPLES points in it.
    colour_at(x, y) gives (r, g, b) or None for the ground. Pixels come back as (r, g, b, a)
    with straight (not premultiplied) colour."""
    picture = []
    for py in range(size):
        row = []
        for px in range(size):
            sr = sg = sb = 0.0
            hits = 0
            for j in range(SAMPLES):
                for i in range(SAMPLES):
                    c = colour_at(px + (i + 0.5) / SAMPLES, py + (j + 0.5) / SAMPLES)
                    if c is not None:
                        sr += c[0]; sg += c[1]; sb += c[2]
                        hits += 1
            if hits == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(sr / hits), round(sg / hits), round(sb / hits),
                            round(255 * hits / (SAMPLES * SAMPLES))))
        picture.append(row)
    return picture


def on_white(picture):
    """Flattens an RGBA picture on the white ground of the menu pictures."""
    return [[tuple(round(c * a / 255 + 255 * (1 - a / 255)) for c in (r, g, b))
             for r, g, b, a in row] for row in picture]


def mix(c1, c2, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


def box_distance(u, v, half_u, half_v, radius):
    """Signed distance from (u, v) to a box centred at 0 with rounded corners."""
    qu = abs(u) - half_u + radius
    qv = abs(v) - half_v + radius
    outside = math.hypot(max(qu, 0.0), max(qv, 0.0))
    return outside + min(max(qu, qv), 0.0) - radius


def push_pin(x, y):
    """A push pin lying at 45 degrees, needle to the bottom left, light from the top left."""
    # u runs along the pin from the needle's point, v across it (negative towards the light).
    tip_x, tip_y = 1.6, 14.4
    dx, dy = x - tip_x, y - tip_y
    u = (dx - dy) / math.sqrt(2)
    v = -(dx + dy) / math.sqrt(2)
    outline = (70, 10, 10)
    # (start, end, half width, corner radius, light colour, shade colour): cap drawn first wins.
    parts = [
        (10.4, 14.2, 3.7, 1.4, (255, 120, 110), (176, 22, 22)),   # cap
        (7.2, 10.6, 2.1, 0.6, (236, 70, 60), (150, 16, 16)),      # body
        (6.0, 7.4, 4.4, 0.7, (220, 50, 44), (130, 12, 12)),       # collar
    ]
    for start, end, half, radius, light, shade in parts:
        d = box_distance(u - (start + end) / 2, v, (end - start) / 2, half, radius)
        if d <= 0:
            if d > -0.85:
                return outline
            colour = mix(light, shade, (v + half) / (2 * half))
            if start == 10.4 and -2.6 < v < -1.2 and 11.4 < u < 13.4:
                colour = (255, 226, 220)                           # gleam on the cap
            return colour
    if 0.0 <= u <= 6.2 and abs(v) <= 0.8 + 0.06 * u:
        return mix((210, 212, 218), (64, 66, 74), (v + 0.9) / 1.8)  # steel needle
    return None


def green_disc(x, y):
    """A green disc with a white plus, lit from the top left."""
    cx = cy = 8.0
    r = math.hypot(x - cx, y - cy)
    if r > 7.6:
        return None
    if r > 6.6:
        return (10, 104, 30)
    if (abs(x - cx) <= 1.25 and abs(y - cy) <= 4.75) or (abs(y - cy) <= 1.25 and abs(x - cx) <= 4.75):
        return WHITE
    light = math.hypot(x - 5.2, y - 5.0) / 10.0
    return mix((128, 222, 110), (26, 146, 44), light)


# ---- the icon --------------------------------------------------------------------------------

def polygon_icon(size):
    """A reshaped pentagon, painted, with the square vertex markers of the editor's mesh."""
    scale = size / 32.0
    corners = [(15.5, 2.5), (29.0, 11.5), (24.5, 28.5), (6.5, 26.5), (2.5, 9.5)]
    pts = [(x * scale, y * scale) for x, y in corners]
    half_pen = 1.0 if size >= 32 else 0.75
    marker = 2.0 if size >= 32 else 1.0      # half the side of a vertex marker

    def inside(x, y):
        winding = 0
        for (x1, y1), (x2, y2) in zip(pts, pts[1:] + pts[:1]):
            if (y1 <= y) != (y2 <= y):
                if x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                    winding += 1 if y2 > y1 else -1
        return winding != 0

    def near_edge(x, y):
        for (x1, y1), (x2, y2) in zip(pts, pts[1:] + pts[:1]):
            ex, ey = x2 - x1, y2 - y1
            t = max(0.0, min(1.0, ((x - x1) * ex + (y - y1) * ey) / (ex * ex + ey * ey)))
            if math.hypot(x - x1 - t * ex, y - y1 - t * ey) <= half_pen:
                return True
        return False

    # Markers sit on whole pixels, as the editor's do.
    squares = [(math.floor(x + 0.5), math.floor(y + 0.5)) for x, y in pts]

    def colour_at(x, y):
        for mx, my in squares:
            if abs(x - mx) <= marker and abs(y - my) <= marker:
                return (0, 0, 0)
        if near_edge(x, y):
            return (20, 40, 110)
        if inside(x, y):
            t = (x + y) / (2 * size)
            return mix((255, 214, 72), (236, 102, 30), t)
        return None

    return sampled(size, colour_at)


# ---- files -----------------------------------------------------------------------------------

def write_bmp(name, rows):
    """16 x 16, 24 bits, bottom-up, white where the picture is empty."""
    pixels = bytearray()
    for row in reversed(rows):
        for colour in row:
            r, g, b = colour or WHITE
            pixels += bytes((b, g, r))
    header = b'BM' + struct.pack('<IHHI', 54 + len(pixels), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, 16, 16, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(header + info + bytes(pixels))


def icon_image(picture):
    """One 32-bit icon image with alpha, and its AND mask (set where fully clear)."""
    size = len(picture)
    xor = bytearray()
    mask = bytearray()
    stride = ((size + 31) // 32) * 4
    for row in reversed(picture):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    return size, header + bytes(xor) + bytes(mask)


def write_ico(name, pictures):
    images = [icon_image(p) for p in pictures]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(out)


def write_png(path, rows):
    """rows: lists of (r, g, b)."""
    raw = b''.join(b'\0' + bytes(c for px in row for c in px) for row in rows)
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    png = (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', len(rows[0]), len(rows), 8, 2, 0, 0, 0))
           + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))
    with open(path, 'wb') as f:
        f.write(png)


def preview(path, menu_pictures, icons):
    """All pictures enlarged 8 times, each once on white and once on a grey menu ground;
    the icons also on a dark title bar, and at their real size below."""
    zoom, gap = 8, 8
    cell = 32 * zoom
    grounds = [(255, 255, 255), (212, 208, 200), (40, 60, 100)]
    width = gap + len(menu_pictures) * (16 * zoom + gap) + len(icons) * (cell + gap)
    height = gap + 2 * (cell + gap) + 40
    sheet = [[(128, 128, 128)] * width for _ in range(height)]

    def put(ox, oy, picture, ground, z):
        for y, row in enumerate(picture):
            for x, px in enumerate(row):
                if len(px) == 4:
                    r, g, b, a = px
                    colour = tuple(round(c * a / 255 + gc * (1 - a / 255)) for c, gc in zip((r, g, b), ground))
                else:
                    colour = px
                for j in range(z):
                    line = sheet[oy + y * z + j]
                    for i in range(z):
                        line[ox + x * z + i] = colour

    x = gap
    for picture in menu_pictures:
        put(x, gap, picture, None, zoom)
        put(x, gap + cell + gap, picture, None, zoom)
        put(x, height - 32, picture, None, 1)
        x += 16 * zoom + gap
    for picture in icons:
        z = cell // len(picture)
        put(x, gap, picture, grounds[1], z)
        put(x, gap + cell + gap, picture, grounds[2], z)
        put(x, height - 36, picture, grounds[0], 1)
        put(x + 40, height - 36, picture, grounds[2], 1)
        x += cell + gap
    write_png(path, sheet)


def main(argv):
    pin = on_white(sampled(16, push_pin))
    disc = on_white(sampled(16, green_disc))
    menu = {
        'monitor.bmp': grid(MONITOR),                 # 338 "Grabar Imagen"
        'person.bmp': grid(PERSON),                   # 339 "Autor"
        'door.bmp': over(grid(DOOR), grid(ARROW)),    # 340 "Salir"
        'pin.bmp': pin,                               # 341 "Propiedades coordenadas"
        'green_plus.bmp': disc,                       # 333 "Colores Favoritos"
    }
    for name, rows in menu.items():
        write_bmp(name, rows)
    icons = [polygon_icon(16), polygon_icon(32)]
    write_ico('poligonos.ico', icons)                 # 200, the window's icon
    if len(argv) == 3 and argv[1] == '--preview':
        preview(argv[2], [[[c or WHITE for c in row] for row in p] for p in menu.values()], icons)


if __name__ == '__main__':
    main(sys.argv)

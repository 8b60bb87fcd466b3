#!/usr/bin/env python3
"""Draws the program's menu pictures and icon as pixel art and writes them as BMP and ICO.

The pictures are committed; run this again only to change them:  python3 make_pictures.py
"""
import struct

PALETTE = {
    '.': None,              # background: the menu's own (white in the file)
    'k': (0, 0, 0), 'g': (128, 128, 128), 'l': (192, 192, 192), 'w': (255, 255, 255),
    'b': (40, 90, 200), 'c': (120, 180, 240), 's': (230, 190, 150), 'r': (200, 30, 30),
    'G': (20, 150, 40), 'y': (240, 200, 40), 'o': (150, 90, 40), 'm': (255, 0, 255),
}

MONITOR = """
................
.kkkkkkkkkkkkkk.
.kggggggggggggk.
.kgbbbbbbbbbbgk.
.kgbccbbbbbbbgk.
.kgbcbbbbbbbbgk.
.kgbbbbbbbbbbgk.
.kgbbbbbbbbbbgk.
.kgbbbbbbbbbbgk.
.kggggggggggggk.
.kkkkkkkkkkkkkk.
......kggk......
......kggk......
...kkkkkkkkkk...
...kllllllllk...
...kkkkkkkkkk...
"""

PERSON = """
................
......kkkk......
.....kssssk.....
....kssssssk....
....kskssksk....
....kssssssk....
.....ksrrsk.....
......kssk......
....kkkkkkkk....
...kbbbbbbbbk...
..kbbbbbbbbbbk..
..kbbkbbbbkbbk..
..kbbkbbbbkbbk..
..kbbkbbbbkbbk..
..kkkkkkkkkkkk..
................
"""

DOOR = """
................
.......kkkkkkkk.
.......kooooook.
.......kooooook.
.......kooooook.
....k..kooooook.
....kk.kooooook.
kkkkkrkkooooyok.
krrrrrrkooooyok.
kkkkkrkkoooooook
....kk.koooooook
....k..koooooook
.......koooooook
.......koooooook
.......kkkkkkkkk
................
"""

PIN = """
................
.........kkk....
........krrrk...
.......krrrrrk..
.......krrwrrk..
.......krrrrrk..
........krrrk...
.......kkkkkkk..
......kkrrrrrkk.
........kgggk...
.......kgk.k....
......kgk.......
.....kgk........
....kgk.........
...kk...........
................
"""

PLUS = """
................
.....kkkkkk.....
...kkGGGGGGkk...
..kGGGGwwGGGGk..
.kGGGGGwwGGGGGk.
.kGGGGGwwGGGGGk.
kGGGGGGwwGGGGGGk
kGGwwwwwwwwwwGGk
kGGwwwwwwwwwwGGk
kGGGGGGwwGGGGGGk
.kGGGGGwwGGGGGk.
.kGGGGGwwGGGGGk.
..kGGGGwwGGGGk..
...kkGGGGGGkk...
.....kkkkkk.....
................
"""

ICON16 = """
................
................
...kk......kk...
...kk.rrrr.kk...
....krrrrrrk....
...rrrrrrrrrr...
..rrrrrrrrrrrr..
.kkrrrrrrrrrrkk.
.kkrrrrrrrrrrkk.
..rrrrrrrrrrrr..
...rrrrrrrrrr...
....krrrrrrk....
...kk......kk...
...kk......kk...
................
................
"""


def grid(text):
    rows = [r for r in text.strip('\n').split('\n')]
    assert len(rows) == 16 and all(len(r) == 16 for r in rows), rows
    return rows


def write_bmp(name, rows):
    """16 x 16, 24 bits, bottom-up, white where the picture is empty."""
    pixels = b''
    for row in reversed(rows):
        for ch in row:
            r, g, b = PALETTE[ch] or (255, 255, 255)
            pixels += bytes((b, g, r))
    header = b'BM' + struct.pack('<IHHI', 54 + len(pixels), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, 16, 16, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    with open(name, 'wb') as f:
        f.write(header + info + pixels)


def icon_image(rows, scale):
    """One 32-bit icon image with alpha, and its AND mask, from a 16 x 16 grid."""
    size = 16 * scale
    xor = b''
    mask_rows = []
    for y in reversed(range(size)):
        bits = 0
        row_mask = b''
        for x in range(size):
            ch = rows[y // scale][x // scale]
            colour = PALETTE[ch]
            if colour is None:
                xor += bytes((0, 0, 0, 0))
                bits = (bits << 1) | 1
            else:
                r, g, b = colour
                xor += bytes((b, g, r, 255))
                bits <<= 1
            if x % 8 == 7:
                row_mask += bytes((bits & 0xFF,))
                bits = 0
        row_mask += b'\0' * ((4 - len(row_mask) % 4) % 4)
        mask_rows.append(row_mask)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return size, header + xor + b''.join(mask_rows)


def write_ico(name, rows):
    images = [icon_image(rows, 1), icon_image(rows, 2)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(name, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    write_bmp('monitor.bmp', grid(MONITOR))       # 338 "Grabar Imagen"
    write_bmp('person.bmp', grid(PERSON))         # 339 "Autor"
    write_bmp('door.bmp', grid(DOOR))             # 340 "Salir"
    write_bmp('pin.bmp', grid(PIN))               # 341 "Propiedades coordenadas"
    write_bmp('green_plus.bmp', grid(PLUS))       # 333 "Colores Favoritos"
    write_ico('poligonos.ico', grid(ICON16))      # 200, the window's icon

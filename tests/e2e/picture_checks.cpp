#include "picture_checks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

#include "automation/program_driver.h"
#include "ids/program_ids.h"

namespace e2e {

namespace {

constexpr std::uint32_t kBlack = 0;

std::string At(int x, int y) {
    char text[32];
    std::snprintf(text, sizeof text, "(%d, %d)", x, y);
    return text;
}

bool OnMarker(const std::vector<Vertex>& vertices, int x, int y) {
    for (const Vertex& v : vertices)
        if (x >= v.x && x <= v.x + 7 && y >= v.y && y <= v.y + 7) return true;
    return false;
}

double DistanceToSegment(double px, double py, Vertex a, Vertex b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

double DistanceToOutline(const std::vector<Vertex>& vertices, int x, int y) {
    double nearest = HUGE_VAL;
    for (size_t i = 0; i < vertices.size(); ++i)
        nearest = std::min(
            nearest, DistanceToSegment(x, y, vertices[i], vertices[(i + 1) % vertices.size()]));
    return nearest;
}

// The outline's winding number round (x, y); the non-zero rule fills where it is not 0.
int Winding(const std::vector<Vertex>& vertices, int x, int y) {
    int winding = 0;
    for (size_t i = 0; i < vertices.size(); ++i) {
        const Vertex a = vertices[i], b = vertices[(i + 1) % vertices.size()];
        const int side = (b.x - a.x) * (y - a.y) - (x - a.x) * (b.y - a.y);
        if (a.y <= y && b.y > y && side > 0) ++winding;
        if (a.y > y && b.y <= y && side < 0) --winding;
    }
    return winding;
}

std::string CheckSize(const Picture& picture) {
    if (picture.width == 800 && picture.height == 800) return "";
    return "expected an 800 x 800 picture, got " + std::to_string(picture.width) + " x " +
           std::to_string(picture.height);
}

// Every edge drawn without a gap: a pixel of `colour` within one pixel of each point along it.
std::string CheckEdgesUnbroken(const Picture& picture, const std::vector<Vertex>& vertices,
                               std::uint32_t colour) {
    const size_t n = vertices.size();
    for (size_t i = 0; i < n; ++i) {
        const Vertex a = vertices[i], b = vertices[(i + 1) % n];
        const int steps = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
        for (int s = 0; s <= steps; ++s) {
            const double t = steps ? static_cast<double>(s) / steps : 0;
            const double px = a.x + t * (b.x - a.x), py = a.y + t * (b.y - a.y);
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx) {
                    const int x = static_cast<int>(std::lround(px)) + dx,
                              y = static_cast<int>(std::lround(py)) + dy;
                    found = picture.Contains(x, y) && picture.At(x, y) == colour;
                }
            if (!found)
                return "edge " + std::to_string(i + 1) + " from " + At(a.x, a.y) + " to " +
                       At(b.x, b.y) + ": no pixel of " + DescribePixel(colour) + " near " +
                       At(static_cast<int>(px), static_cast<int>(py));
        }
    }
    return "";
}

}  // namespace

std::string DescribePixel(std::uint32_t pixel) {
    char text[40];
    snprintf(text, sizeof text, "#%06X (r %u, g %u, b %u)", pixel & 0xFFFFFF, (pixel >> 16) & 0xFF,
             (pixel >> 8) & 0xFF, pixel & 0xFF);
    return text;
}

std::vector<Vertex> TemplateVertices(int sides) {
    static const Vertex kFirstNine[9] = {{300, 310}, {220, 330}, {190, 400}, {234, 322}, {334, 320},
                                         {434, 420}, {374, 324}, {174, 423}, {274, 333}};
    std::vector<Vertex> v;
    for (int k = 1; k <= sides; ++k)
        v.push_back(k <= 9 ? kFirstNine[k - 1] : Vertex{74 + 11 * (k - 10), 133 + 11 * (k - 10)});
    return v;
}

std::string CheckMesh(const Picture& canvas, const std::vector<Vertex>& vertices,
                      std::uint32_t paper) {
    if (std::string size = CheckSize(canvas); !size.empty()) return size;
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x) {
            const std::uint32_t p = canvas.At(x, y);
            if (p != paper && p != kBlack)
                return "expected only the paper " + DescribePixel(paper) + " and black, got " +
                       DescribePixel(p) + " at " + At(x, y);
            if (p == kBlack && !OnMarker(vertices, x, y) && DistanceToOutline(vertices, x, y) > 1)
                return "black pixel at " + At(x, y) + " is on no marker and on no edge";
        }
    for (size_t k = 0; k < vertices.size(); ++k)
        for (int y = vertices[k].y; y <= vertices[k].y + 7; ++y)
            for (int x = vertices[k].x; x <= vertices[k].x + 7; ++x)
                if (canvas.At(x, y) != kBlack)
                    return "marker of vertex " + std::to_string(k + 1) + " at " +
                           At(vertices[k].x, vertices[k].y) + ": expected black at " + At(x, y) +
                           ", got " + DescribePixel(canvas.At(x, y));
    return CheckEdgesUnbroken(canvas, vertices, kBlack);
}

std::string CheckPaintedPolygon(const Picture& picture, const std::vector<Vertex>& vertices,
                                const Paint& paint) {
    if (std::string size = CheckSize(picture); !size.empty()) return size;
    // Between these distances from the outline the pen's edge may fall either way.
    const double surelyBorder = paint.width / 2.0 - 1, surelyNot = paint.width / 2.0 + 1;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t p = picture.At(x, y);
            if (p != paint.paper && p != paint.border && p != paint.fill)
                return "expected only the paper, border and fill colours, got " + DescribePixel(p) +
                       " at " + At(x, y);
            const double distance = DistanceToOutline(vertices, x, y);
            if (distance > surelyBorder && distance <= surelyNot) continue;
            const bool border = distance <= surelyBorder, inside = Winding(vertices, x, y) != 0;
            const std::uint32_t expected = border   ? paint.border
                                           : inside ? paint.fill
                                                    : paint.paper;
            if (p != expected) {
                char away[16];
                std::snprintf(away, sizeof away, "%.1f", distance);
                return std::string("expected ") +
                       (border   ? "the border "
                        : inside ? "the fill "
                                 : "the paper ") +
                       DescribePixel(expected) + " at " + At(x, y) + ", " + away +
                       " pixels from the outline, got " + DescribePixel(p);
            }
        }
    return CheckEdgesUnbroken(picture, vertices, paint.border);
}

BorderMeasure MeasureBorder(const Picture& picture, Vertex a, Vertex b, int x0, int x1,
                            const Paint& paint) {
    const std::uint32_t paper = paint.paper, border = paint.border, fill = paint.fill;
    BorderMeasure m;
    const double slope = static_cast<double>(b.y - a.y) / (b.x - a.x);
    long total = 0;
    for (int x = x0; x <= x1; ++x) {
        const int centre = static_cast<int>(std::lround(a.y + slope * (x - a.x)));
        int y = centre - 12;
        if (picture.At(x, y) != paper) {
            m.problem = "expected paper above the edge at " + At(x, y) + ", got " +
                        DescribePixel(picture.At(x, y));
            return m;
        }
        while (y < centre + 12 && picture.At(x, y) == paper) ++y;
        const int runStart = y;
        while (y < centre + 12 && picture.At(x, y) == border) ++y;
        if (picture.At(x, y) != fill) {
            m.problem = "column " + std::to_string(x) +
                        ": expected paper, one run of the border colour, then the fill; after " +
                        std::to_string(y - runStart) + " border pixels got " +
                        DescribePixel(picture.At(x, y)) + " at " + At(x, y);
            return m;
        }
        for (int below = y; below <= centre + 12; ++below)
            if (picture.At(x, below) != fill) {
                m.problem = "expected fill below the border at " + At(x, below) + ", got " +
                            DescribePixel(picture.At(x, below));
                return m;
            }
        total += y - runStart;
    }
    m.meanRun = static_cast<double>(total) / (x1 - x0 + 1);
    m.meanWidth = m.meanRun / std::sqrt(1 + slope * slope);
    return m;
}

std::string CheckPalette(const Picture& shown,
                         const std::vector<favorites::FavoriteColorRecord>& records,
                         Ringed ringed) {
    constexpr int kCell = 25, kRows = 10, kColumns = 13;
    constexpr std::uint32_t kGround = 0xFFFFFF;
    const auto expect = [&](int x, int y, std::uint32_t colour, const char* what) -> std::string {
        if (!shown.Contains(x, y)) return "";  // beyond the part the control shows
        if (shown.At(x, y) == colour) return "";
        return std::string(what) + " at " + At(x, y) + ": expected " + DescribePixel(colour) +
               ", got " + DescribePixel(shown.At(x, y));
    };
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const favorites::FavoriteColorRecord* cell = nullptr;
            for (const auto& r : records)
                if (r.row == row && r.column == column) cell = &r;
            const int left = cell ? cell->left + 3 : kCell * column + 4;
            const int top = cell ? cell->top + 3 : kCell * row + 4;
            const int right = cell ? cell->right - 1 : left + 21;
            const int bottom = cell ? cell->bottom - 1 : top + 21;
            const int middleX = (left + right) / 2, middleY = (top + bottom) / 2;
            std::string wrong = expect(left - 2, middleY, kGround, "the ground left of a box");
            if (!cell) {
                if (wrong.empty())
                    wrong = expect(middleX, middleY, kGround, "a cell no record names");
            } else {
                const std::uint32_t ring =
                    row == ringed.row && column == ringed.column ? kGround : kBlack;
                const std::uint32_t colour = PixelOf(static_cast<std::uint32_t>(cell->color));
                for (const auto& [x, y, c, what] :
                     {std::tuple{left, middleY, ring, "the ring's left side"},
                      std::tuple{right, middleY, ring, "the ring's right side"},
                      std::tuple{middleX, top, ring, "the ring's top"},
                      std::tuple{middleX, bottom, ring, "the ring's bottom"},
                      std::tuple{left + 1, top + 1, colour, "the colour's top left"},
                      std::tuple{middleX, middleY, colour, "the colour's middle"},
                      std::tuple{right - 1, bottom - 1, colour, "the colour's bottom right"}})
                    if (wrong.empty()) wrong = expect(x, y, c, what);
            }
            if (!wrong.empty())
                return "cell (" + std::to_string(row) + ", " + std::to_string(column) + "), " +
                       wrong;
        }
    return "";
}

std::string PaletteShown(HWND dialog, const std::vector<favorites::FavoriteColorRecord>& records,
                         Ringed ringed) {
    std::string wrong = "no picture of the palette";
    CaptureWhen(GetDlgItem(dialog, ids::kPaletteControl), [&](const Picture& shown) {
        wrong = CheckPalette(shown, records, ringed);
        return wrong.empty();
    });
    return wrong;
}

}  // namespace e2e

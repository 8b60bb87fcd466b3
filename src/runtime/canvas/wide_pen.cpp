#include "runtime/canvas/wide_pen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "runtime/canvas/raster_fill.h"

namespace runtime {

namespace {

// The body of one segment: the pen's width across the segment, from `a` to just before `b`
// along the axis for axis-parallel segments; a parallelogram for the others.
void DrawSegmentBody(const Raster& r, PixelPoint a, PixelPoint b, int width, Pixel p) {
    const int half = width / 2;
    if (a.y == b.y) {
        if (a.x == b.x) return;
        FillRect(r, {std::min(a.x, b.x), a.y - half, std::max(a.x, b.x), a.y - half + width}, p);
        return;
    }
    if (a.x == b.x) {
        FillRect(r, {a.x - half, std::min(a.y, b.y), a.x - half + width, std::max(a.y, b.y)}, p);
        return;
    }
    const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
    const double len = std::hypot(dx, dy);
    const double wx = width * std::fabs(dy) / len, wy = width * std::fabs(dx) / len;
    auto round = [](double v) { return static_cast<int>(std::round(v)); };  // halves away from 0
    PixelPoint narrow{round(wx / 2), round(wy / 2)};
    PixelPoint wide{round((wx + 1) / 2), round((wy + 1) / 2)};
    if (dx < 0) {
        narrow.y = -narrow.y;
        wide.y = -wide.y;
    }
    if (dy < 0) {
        std::swap(narrow, wide);
        narrow.x = -narrow.x;
        wide.x = -wide.x;
    }
    const PixelPoint quad[4] = {
        {a.x - narrow.x, a.y + narrow.y},
        {a.x + wide.x, a.y - wide.y},
        {b.x + wide.x, b.y - wide.y},
        {b.x - narrow.x, b.y + narrow.y},
    };
    FillConvexPolygon(r, quad, 4, p);  // a parallelogram
}

}  // namespace

void DrawPenDisc(const Raster& r, PixelPoint center, int width, Pixel p) {
    const int left = center.x - width / 2, top = center.y - width / 2;
    if (Intersect({left, top, left + width, top + width}, r.Bounds()).Empty()) return;
    // Rows of the disc that lie outside the raster cost nothing but the trace itself, which
    // is bounded by the widest pen.
    ForEachEllipseSpan(left, top, width, width,
                       [&](int y, int x0, int x1) { FillSpan(r, y, x0, x1 + 1, p); });
}

void DrawWideOutline(const Raster& r, const PixelPoint* points, int count, int width, Pixel p) {
    if (count < 2) return;
    width = std::min(width, kMaxPenWidth);
    for (int i = 0; i < count; ++i) DrawSegmentBody(r, points[i], points[(i + 1) % count], width, p);
    for (int i = 0; i < count; ++i) DrawPenDisc(r, points[i], width, p);
}

}  // namespace runtime

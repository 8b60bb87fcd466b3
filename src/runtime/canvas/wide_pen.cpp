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
    // In 64 bits: a pen's offsets push a vertex near the int range's end past it.
    using i64 = std::int64_t;
    const i64 half = width / 2;
    if (a.y == b.y) {
        if (a.x == b.x) return;
        FillRect(
            r,
            Clip(FarRect{std::min(a.x, b.x), a.y - half, std::max(a.x, b.x), a.y - half + width},
                 r.Bounds()),
            p);
        return;
    }
    if (a.x == b.x) {
        FillRect(
            r,
            Clip(FarRect{a.x - half, std::min(a.y, b.y), a.x - half + width, std::max(a.y, b.y)},
                 r.Bounds()),
            p);
        return;
    }
    const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
    const double len = std::hypot(dx, dy);
    const double wx = width * std::fabs(dy) / len, wy = width * std::fabs(dx) / len;
    auto round = [](double v) { return static_cast<i64>(std::round(v)); };  // halves away from 0
    FarPoint narrow{round(wx / 2), round(wy / 2)};
    FarPoint wide{round((wx + 1) / 2), round((wy + 1) / 2)};
    if (dx < 0) {
        narrow.y = -narrow.y;
        wide.y = -wide.y;
    }
    if (dy < 0) {
        std::swap(narrow, wide);
        narrow.x = -narrow.x;
        wide.x = -wide.x;
    }
    const FarPoint quad[4] = {
        {a.x - narrow.x, a.y + narrow.y},
        {a.x + wide.x, a.y - wide.y},
        {b.x + wide.x, b.y - wide.y},
        {b.x - narrow.x, b.y + narrow.y},
    };
    FillConvexPolygon(r, quad, 4, p);  // a parallelogram
}

}  // namespace

void DrawPenDisc(const Raster& r, PixelPoint center, int width, Pixel p) {
    const std::int64_t left = std::int64_t{center.x} - width / 2,
                       top = std::int64_t{center.y} - width / 2;
    if (Clip(FarRect{left, top, left + width, top + width}, r.Bounds()).Empty()) return;
    // A disc that touches the raster lies within a pen's width of it, well inside the int range.
    // Rows of the disc that lie outside the raster cost nothing but the trace itself, which
    // is bounded by the widest pen.
    ForEachEllipseSpan(static_cast<int>(left), static_cast<int>(top), width, width,
                       [&](int y, int x0, int x1) { FillSpan(r, y, x0, x1 + 1, p); });
}

void DrawWideOutline(const Raster& r, const PixelPoint* points, int count, int width, Pixel p) {
    if (count < 2) return;
    width = std::min(width, kMaxPenWidth);
    for (int i = 0; i < count; ++i)
        DrawSegmentBody(r, points[i], points[(i + 1) % count], width, p);
    for (int i = 0; i < count; ++i) DrawPenDisc(r, points[i], width, p);
}

}  // namespace runtime

#pragma once
// Outlines wider than one pixel, with the coverage of a GDI solid pen of that width with
// round joins: the union of one body per segment and one disc of the pen's diameter at every
// vertex. No anti-aliasing.

#include "runtime/canvas/raster.h"

namespace runtime {

// Widths above this are drawn at this width; it is the widest a border can be stored as.
constexpr int kMaxPenWidth = 32767;

// The pixels of an ellipse region filling the w x h box at (left, top), by the integer
// midpoint ellipse algorithm (Zingl's): `span(y, x0, x1)` is called for every row with the
// inclusive columns it covers.
template <typename SpanFn>
void ForEachEllipseSpan(int left, int top, int w, int h, SpanFn span);

// The closed outline through `points` with a pen `width` pixels wide (2 .. kMaxPenWidth).
void DrawWideOutline(const Raster& r, const PixelPoint* points, int count, int width, Pixel p);

// One disc of diameter `width` centred on `center` as a wide pen draws it at a vertex.
void DrawPenDisc(const Raster& r, PixelPoint center, int width, Pixel p);

// ---------------------------------------------------------------------------------------

template <typename SpanFn>
void ForEachEllipseSpan(int left, int top, int w, int h, SpanFn span) {
    if (w <= 0 || h <= 0) return;
    // Zingl's ellipse in the inclusive box [0, a] x [0, b], traced from the middle rows
    // outwards; the first point met on a row is its outermost, so each row's span is known
    // when the trace leaves it.
    using i64 = long long;
    const i64 a = w - 1, b = h - 1;
    i64 b1 = b & 1;
    i64 dx = 4 * (1 - a) * b * b, dy = 4 * (b1 + 1) * a * a;
    i64 err = dx + dy + b1 * a * a;
    i64 x0 = 0, x1 = a;
    i64 y0 = (b + 1) / 2, y1 = y0 - b1;
    const i64 a8 = 8 * a * a, b8 = 8 * b * b;
    bool rowOpen = false;
    i64 rowX0 = 0, rowX1 = 0;
    auto emitRows = [&]() {
        span(top + static_cast<int>(y0), left + static_cast<int>(rowX0),
             left + static_cast<int>(rowX1));
        if (y1 != y0)
            span(top + static_cast<int>(y1), left + static_cast<int>(rowX0),
                 left + static_cast<int>(rowX1));
    };
    do {
        if (!rowOpen) {
            rowX0 = x0;
            rowX1 = x1;
            rowOpen = true;
        }
        i64 e2 = 2 * err;
        bool yStep = e2 <= dy;
        bool xStep = e2 >= dx || 2 * err > dy;
        if (yStep) {
            emitRows();
            rowOpen = false;
            ++y0;
            --y1;
            err += dy += a8;
        }
        if (xStep) {
            ++x0;
            --x1;
            err += dx += b8;
        }
    } while (x0 <= x1);
    if (rowOpen) emitRows();
    while (y0 - y1 < b) {  // flat ellipses stop early: finish their tips
        rowX0 = x0 - 1;
        rowX1 = x1 + 1;
        emitRows();
        ++y0;
        --y1;
    }
}

}  // namespace runtime

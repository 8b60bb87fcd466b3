#include "runtime/canvas/raster_lines.h"

#include <cstdint>
#include <cstdlib>

namespace runtime {

namespace {

using i64 = std::int64_t;
using i128 = __int128;  // products of a 33-bit delta and a 33-bit step count

i128 FloorDiv(i128 a, i128 b) {  // b > 0
    i128 q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// GDI breaks Bresenham ties towards the minor axis in octants 3, 5, 6 and 8 (clockwise from
// +x with y down).
int OctantBias(i64 dx, i64 dy) {
    if (dy > 0) {
        if (dx > 0) return 0;        // octants 1, 2
        return (-dx <= dy) ? 1 : 0;  // 3 : 4
    }
    if (dx < 0) return 1;       // octants 5, 6
    return (dx > -dy) ? 1 : 0;  // 8 : 7
}

// The inclusive range [lo, hi] of i for which origin + step * i lies in [begin, end).
void AxisRange(i64 origin, int step, i64 begin, i64 end, i64& lo, i64& hi) {
    if (step > 0) {
        lo = begin - origin;
        hi = end - 1 - origin;
    } else {
        lo = origin - (end - 1);
        hi = origin - begin;
    }
}

}  // namespace

void DrawLine(const Raster& r, PixelPoint from, PixelPoint to, Pixel p) {
    const i64 dx = i64{to.x} - from.x, dy = i64{to.y} - from.y;
    if (dx == 0 && dy == 0) return;

    // The line has M pixels along its major axis; pixel i sits at minor offset
    // ceil((2m*i - M + bias) / 2M), which is exactly where the step-by-step Bresenham of GDI
    // puts it. That closed form lets us clip to the raster first and then step only over
    // the visible part, so a line of any length costs at most the raster's size.
    const bool xMajor = std::llabs(dx) > std::llabs(dy);
    const i64 major = xMajor ? std::llabs(dx) : std::llabs(dy);
    const i64 minor = xMajor ? std::llabs(dy) : std::llabs(dx);
    const i64 bias = OctantBias(dx, dy);
    const int sMajor = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int sMinor = (xMajor ? dy : dx) > 0 ? 1 : -1;
    const i64 major0 = xMajor ? from.x : from.y;
    const i64 minor0 = xMajor ? from.y : from.x;
    const PixelRect bounds = r.Bounds();
    if (bounds.Empty()) return;
    const i64 majorBegin = xMajor ? bounds.left : bounds.top,
              majorEnd = xMajor ? bounds.right : bounds.bottom;
    const i64 minorBegin = xMajor ? bounds.top : bounds.left,
              minorEnd = xMajor ? bounds.bottom : bounds.right;

    i64 lo = 0, hi = major - 1;
    i64 a, b;
    AxisRange(major0, sMajor, majorBegin, majorEnd, a, b);
    lo = std::max(lo, a);
    hi = std::min(hi, b);
    AxisRange(minor0, sMinor, minorBegin, minorEnd, a, b);  // the minor offset must lie in [a, b]
    if (b < 0) return;
    // With deltas and offsets of up to 2^32, these products need more than 64 bits; every
    // quotient is again a step index or an offset, which fits.
    const i128 M = major, m = minor;
    if (minor == 0) {
        if (a > 0) return;
    } else {
        if (a > 0)
            lo = static_cast<i64>(std::max<i128>(
                lo, std::min<i128>(FloorDiv(2 * M * (a - 1) + M - bias, 2 * m) + 1, hi + 1)));
        hi = static_cast<i64>(std::min<i128>(hi, FloorDiv(2 * M * b + M - bias, 2 * m)));
    }
    if (lo > hi) return;

    const i64 offset =
        static_cast<i64>(FloorDiv(2 * m * lo - M + bias + 2 * M - 1, 2 * M));  // ceil
    i64 err = static_cast<i64>(2 * m - M + 2 * m * lo - 2 * M * offset);
    int mj = static_cast<int>(major0 + sMajor * lo);
    int mn = static_cast<int>(minor0 + sMinor * offset);
    for (i64 i = lo; i <= hi; ++i) {
        if (xMajor)
            r.At(mj, mn) = p;
        else
            r.At(mn, mj) = p;
        if (err + bias > 0) {
            mn += sMinor;
            err += 2 * minor - 2 * major;
        } else {
            err += 2 * minor;
        }
        mj += sMajor;
    }
}

void DrawClosedOutline(const Raster& r, const PixelPoint* points, int count, Pixel p) {
    if (count < 2) return;
    for (int i = 0; i < count; ++i) DrawLine(r, points[i], points[(i + 1) % count], p);
}

}  // namespace runtime

#pragma once
// A view of 32-bit top-down pixels (the layout of a 32-bit DIB section), and the clipped
// rectangle fill everything else is built on. Who owns the memory is the surface's business.

#include <algorithm>
#include <cstdint>

#include "runtime/canvas/colors.h"

namespace runtime {

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;  // [left, right) x [top, bottom)

    bool Empty() const { return right <= left || bottom <= top; }
};

PixelRect Intersect(const PixelRect& a, const PixelRect& b);
PixelRect Union(const PixelRect& a, const PixelRect& b);  // the bounding box; empty ones count for nothing

struct PixelPoint {
    int x = 0, y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// A float coordinate as a pixel position: nearest integer, halves to even; NaN counts as 0
// and anything beyond the int range as its end. Any int is a valid coordinate: every
// primitive clips to the raster exactly, in 64-bit (and where a product needs it, 128-bit)
// arithmetic.
int PixelCoordinate(float v);

// Points and rectangles a pen's offsets may push past the int range; clipped before use.
struct FarPoint {
    std::int64_t x = 0, y = 0;
};

struct FarRect {
    std::int64_t left = 0, top = 0, right = 0, bottom = 0;  // [left, right) x [top, bottom)
};

// The part of `a` inside `bounds`, which fits in int.
PixelRect Clip(const FarRect& a, const PixelRect& bounds);

struct Raster {
    Pixel* pixels = nullptr;
    int width = 0;
    int height = 0;

    PixelRect Bounds() const { return {0, 0, width, height}; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Pixel* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * width; }
    Pixel& At(int x, int y) const { return Row(y)[x]; }
};

// Fills [left, right) x [top, bottom), clipped to the raster.
void FillRect(const Raster& r, PixelRect area, Pixel p);

// Fills the pixels x0 .. x1-1 of row y, clipped to the raster.
inline void FillSpan(const Raster& r, std::int64_t y, std::int64_t x0, std::int64_t x1, Pixel p) {
    if (y < 0 || y >= r.height) return;
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min<std::int64_t>(x1, r.width);
    if (x0 < x1) std::fill(r.Row(static_cast<int>(y)) + x0, r.Row(static_cast<int>(y)) + x1, p);
}

}  // namespace runtime

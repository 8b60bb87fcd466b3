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
PixelRect Union(const PixelRect& a,
                const PixelRect& b);  // the bounding box; empty ones count for nothing

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

constexpr PixelRect kNoClip{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};

struct Raster {
    Pixel* pixels = nullptr;
    int width = 0;
    int height = 0;
    // Drawing changes only pixels inside this rectangle too; inside it, exactly the pixels it
    // would change without it.
    PixelRect clip = kNoClip;

    // The pixels drawing may change: the raster's, within the clip.
    PixelRect Bounds() const {
        return {std::max(0, clip.left), std::max(0, clip.top), std::min(width, clip.right),
                std::min(height, clip.bottom)};
    }
    bool Contains(int x, int y) const {
        const PixelRect b = Bounds();
        return x >= b.left && y >= b.top && x < b.right && y < b.bottom;
    }
    Pixel* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * width; }
    Pixel& At(int x, int y) const { return Row(y)[x]; }
};

// Fills [left, right) x [top, bottom), clipped to the raster.
void FillRect(const Raster& r, PixelRect area, Pixel p);

// Fills the pixels x0 .. x1-1 of row y, clipped to the raster's bounds.
inline void FillSpan(const Raster& r, std::int64_t y, std::int64_t x0, std::int64_t x1, Pixel p) {
    const PixelRect b = r.Bounds();
    if (y < b.top || y >= b.bottom) return;
    x0 = std::max<std::int64_t>(x0, b.left);
    x1 = std::min<std::int64_t>(x1, b.right);
    if (x0 < x1) std::fill(r.Row(static_cast<int>(y)) + x0, r.Row(static_cast<int>(y)) + x1, p);
}

}  // namespace runtime

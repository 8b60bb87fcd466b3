#include "runtime/canvas/raster.h"

#include <cmath>
#include <cstddef>

namespace runtime {

int PixelCoordinate(float v) {
    if (std::isnan(v)) return 0;
    double d = std::nearbyint(static_cast<double>(v));  // the default mode rounds halves to even
    d = std::clamp(d, double{INT32_MIN}, double{INT32_MAX});
    return static_cast<int>(d);
}

PixelRect Clip(const FarRect& a, const PixelRect& b) {
    const std::int64_t left = std::max<std::int64_t>(a.left, b.left),
                       top = std::max<std::int64_t>(a.top, b.top);
    const std::int64_t right = std::min<std::int64_t>(a.right, b.right);
    const std::int64_t bottom = std::min<std::int64_t>(a.bottom, b.bottom);
    if (right <= left || bottom <= top) return {};
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
            static_cast<int>(bottom)};
}

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
    PixelRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
    return r.Empty() ? PixelRect{} : r;
}

PixelRect Union(const PixelRect& a, const PixelRect& b) {
    if (a.Empty()) return b.Empty() ? PixelRect{} : b;
    if (b.Empty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

namespace {

// From this many pixels on, a fill runs as one string store.
constexpr std::size_t kStringFillPixels = 4096;

// Fills `count` pixels from `first`. A large fill, a whole frame above all, goes through the
// processor's string store, which writes whole cache lines without reading them in first: on
// a whole frame it is well ahead of a loop of vector stores (and of non-temporal stores, which
// send the frame out to memory just before it is copied).
void FillPixels(Pixel* first, std::size_t count, Pixel p) {
#if defined(__x86_64__) && defined(__GNUC__)
    if (count >= kStringFillPixels) {
        asm volatile("rep stosl" : "+D"(first), "+c"(count) : "a"(p) : "memory");
        return;
    }
#endif
    std::fill(first, first + count, p);
}

}  // namespace

void FillRect(const Raster& r, PixelRect area, Pixel p) {
    area = Intersect(area, r.Bounds());
    if (area.Empty()) return;
    if (area.left == 0 && area.right == r.width) {
        // Whole rows are contiguous: one fill runs at memory speed.
        FillPixels(r.Row(area.top), static_cast<std::size_t>(r.Row(area.bottom) - r.Row(area.top)),
                   p);
        return;
    }
    for (int y = area.top; y < area.bottom; ++y)
        std::fill(r.Row(y) + area.left, r.Row(y) + area.right, p);
}

}  // namespace runtime

#include "runtime/canvas/raster.h"

#include <cmath>

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

void FillRect(const Raster& r, PixelRect area, Pixel p) {
    area = Intersect(area, r.Bounds());
    if (area.Empty()) return;
    if (area.left == 0 && area.right == r.width) {
        // Whole rows are contiguous: one fill runs at memory speed.
        std::fill(r.Row(area.top), r.Row(area.bottom), p);
        return;
    }
    for (int y = area.top; y < area.bottom; ++y)
        std::fill(r.Row(y) + area.left, r.Row(y) + area.right, p);
}

}  // namespace runtime

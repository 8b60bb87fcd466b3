#include "polygon/mesh_damage.h"

#include <algorithm>
#include <cstdint>

namespace polygon {

namespace {

using runtime::FarRect;
using runtime::PixelRect;

// Positions as the drawing gets them: through a float, then rounded to a pixel, as
// DrawVertexMarker and the outline's point list do.
std::int64_t Drawn(std::int64_t v) {
    return runtime::PixelCoordinate(static_cast<float>(v));
}

// A marker as DrawBox marks it with a one-pixel pen: its box grown by a pixel all round.
FarRect MarkerBox(const VertexRecord& v) {
    const std::int64_t x1 = Drawn(v.x), x2 = Drawn(std::int64_t{v.x} + v.markerWidth);
    const std::int64_t y1 = Drawn(v.y), y2 = Drawn(std::int64_t{v.y} + v.markerHeight);
    return {std::min(x1, x2) - 1, std::min(y1, y2) - 1, std::max(x1, x2) + 1, std::max(y1, y2) + 1};
}

// A one-pixel line keeps within the box of its two ends.
FarRect EdgeBox(const VertexRecord& a, const VertexRecord& b) {
    const std::int64_t ax = Drawn(a.x), ay = Drawn(a.y), bx = Drawn(b.x), by = Drawn(b.y);
    return {std::min(ax, bx), std::min(ay, by), std::max(ax, bx) + 1, std::max(ay, by) + 1};
}

bool SameLook(const VertexRecord& a, const VertexRecord& b) {
    return a.x == b.x && a.y == b.y && a.markerWidth == b.markerWidth &&
           a.markerHeight == b.markerHeight && a.markerColor == b.markerColor;
}

}  // namespace

PixelRect MeshDamage(const VertexRecords& before, const VertexRecords& after, int sides,
                     const PixelRect& bounds) {
    PixelRect damage;
    auto add = [&](const FarRect& box) {
        damage = runtime::Union(damage, runtime::Clip(box, bounds));
    };
    for (int k = 1; k <= sides; ++k) {
        if (SameLook(before[k], after[k])) continue;
        const int previous = k == 1 ? sides : k - 1, next = k == sides ? 1 : k + 1;
        for (const VertexRecords* records : {&before, &after}) {
            const VertexRecords& r = *records;
            add(MarkerBox(r[k]));
            add(EdgeBox(r[previous], r[k]));
            add(EdgeBox(r[k], r[next]));
        }
    }
    return damage;
}

}  // namespace polygon

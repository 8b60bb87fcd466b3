#pragma once
// Where the mesh can change when vertices move: the boxes, before and after, of the marker of
// every vertex that changed and of the two edges that meet at it. Outside that area the old
// mesh and the new one have the same pixels.

#include <array>

#include "polygon/vertex_model.h"
#include "runtime/canvas/raster.h"

namespace polygon {

using VertexRecords = std::array<VertexRecord, kMaxSides + 1>;

// The area of `bounds` that the mesh of records 1 .. sides may change between `before` and
// `after`; empty when no marker or edge moved or changed colour inside it.
runtime::PixelRect MeshDamage(const VertexRecords& before, const VertexRecords& after, int sides,
                              const runtime::PixelRect& bounds);

}  // namespace polygon

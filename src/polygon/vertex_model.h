#pragma once
// The polygon being edited: a table of vertex records, the side count, and the built-in
// templates the user starts from.

#include <array>
#include <cstdint>

#include "runtime/canvas/colors.h"

namespace polygon {

// One vertex and the marker the user sees and grabs it by. (x, y) is both the polygon's
// vertex and the marker's top left corner.
struct VertexRecord {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t markerWidth = 0;
    std::int32_t markerHeight = 0;
    runtime::COLORREF markerColor = 0;  // black, or white while chosen in the vertex dialog
    std::int32_t grabbed = 0;           // 1 while the pointer drags this vertex
};
static_assert(sizeof(VertexRecord) == 24);

constexpr int kMinSides = 3;
constexpr int kMaxSides = 32;
constexpr int kMarkerSize = 8;

// Indices 0 .. 32: vertices 1 .. SideCount, and index 0, where no template puts a vertex but
// coordinates typed for vertex 0 go. Records above SideCount keep whatever an earlier, larger
// template or an edit left in them.
extern std::array<VertexRecord, kMaxSides + 1> VertexTable;
extern std::uint8_t SideCount;

struct TemplatePoint {
    int x, y;
};

// The template for n sides is the first n of these points, in order.
TemplatePoint TemplatePointAt(int k);  // k = 1 .. 32

// All records zero and SideCount 3, as before any template is loaded.
void CreateVertexTable();

// Writes record k from template point k: position, an 8 x 8 black marker; `grabbed` stays.
void WriteTemplateRecord(int k);

}  // namespace polygon

#include "polygon/vertex_model.h"

namespace polygon {

std::array<VertexRecord, kMaxSides + 1> VertexTable{};
std::uint8_t SideCount = kMinSides;

namespace {

// Points 1 to 9 follow no rule; from point 10 on they run down one diagonal, 11 pixels a step.
constexpr std::array<TemplatePoint, 9> kFirstPoints{{
    {300, 310},
    {220, 330},
    {190, 400},
    {234, 322},
    {334, 320},
    {434, 420},
    {374, 324},
    {174, 423},
    {274, 333},
}};

}  // namespace

TemplatePoint TemplatePointAt(int k) {
    if (k <= static_cast<int>(kFirstPoints.size())) return kFirstPoints[k - 1];
    return {74 + 11 * (k - 10), 133 + 11 * (k - 10)};
}

void CreateVertexTable() {
    VertexTable.fill(VertexRecord{});
    SideCount = kMinSides;
}

void WriteTemplateRecord(int k) {
    const TemplatePoint p = TemplatePointAt(k);
    VertexRecord& v = VertexTable[k];
    v.x = p.x;
    v.y = p.y;
    v.markerWidth = kMarkerSize;
    v.markerHeight = kMarkerSize;
    v.markerColor = runtime::kBlack;
}

}  // namespace polygon

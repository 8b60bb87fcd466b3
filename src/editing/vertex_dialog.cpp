#include "editing/vertex_dialog.h"

#include "polygon/polygon_drawing.h"
#include "polygon/vertex_model.h"
#include "runtime/dialogs/numbered_items.h"
#include "runtime/files/number_text.h"

namespace editing {

int ChosenVertex = 0;

namespace {

// Any number a user can type into the boxes is a valid choice of record, but only 0 .. 32
// name one: a list item always names 1 .. SideCount.
bool Named(int vertex) {
    return vertex >= 0 && vertex <= polygon::kMaxSides;
}

void DrawMarker(int vertex, runtime::COLORREF color) {
    polygon::VertexRecord& v = polygon::VertexTable[vertex];
    v.markerColor = color;
    polygon::DrawVertexMarker(polygon::CanvasHandle, v.x, v.y, v.markerWidth, v.markerHeight,
                              color);
}

}  // namespace

std::string VertexItemText(int vertex) {
    return runtime::NumberedItem(vertex, "\xBA vertice");
}

ShownCoordinates ChooseVertex(const std::string& item) {
    if (ChosenVertex > 0) DrawMarker(ChosenVertex, runtime::kBlack);
    const int chosen = runtime::ItemNumber(item);
    if (!Named(chosen)) return {};
    ChosenVertex = chosen;
    const polygon::VertexRecord& v = polygon::VertexTable[ChosenVertex];
    ShownCoordinates shown{runtime::NumberToTextTrim(v.x), runtime::NumberToTextTrim(v.y)};
    DrawMarker(ChosenVertex, runtime::kWhite);
    polygon::CopyCanvasToControl();
    return shown;
}

void ApplyCoordinates(const std::string& xText, const std::string& yText) {
    polygon::VertexRecord& v = polygon::VertexTable[ChosenVertex];
    v.x = runtime::StoreInt32(runtime::TextToNumber(xText));
    v.y = runtime::StoreInt32(runtime::TextToNumber(yText));
    polygon::RedrawChangedMesh();
    polygon::CopyCanvasToControl();
}

void ReleaseChosenVertex() {
    if (ChosenVertex > 0) DrawMarker(ChosenVertex, runtime::kBlack);
}

}  // namespace editing

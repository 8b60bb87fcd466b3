#include "editing/canvas_pointer.h"

#include <algorithm>
#include <limits>

#include "polygon/polygon_drawing.h"
#include "polygon/vertex_model.h"
#include "runtime/files/invariant.h"
#include "runtime/files/number_text.h"

namespace editing {

std::int16_t GrabbedIndex = 0;
PointerPosition LastPointer;

namespace {

bool Hits(const polygon::VertexRecord& v, PointerPosition p) {
    const std::int64_t x = v.x, y = v.y;
    return x <= p.x && p.x <= x + v.markerWidth && y <= p.y && p.y <= y + v.markerHeight;
}

// A drag moves by the pointer's displacement; a vertex typed far out cannot be pushed past
// the 32-bit range and wrap round to the other side.
std::int32_t Moved(std::int32_t coordinate, std::int32_t delta) {
    const std::int64_t sum = std::int64_t{coordinate} + delta;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

polygon::VertexRecord& Grabbed() {
    // 0 is the table's unused record: nothing grabbed.
    POLIGONOS_INVARIANT(GrabbedIndex >= 0 && GrabbedIndex <= polygon::kMaxSides);
    return polygon::VertexTable[GrabbedIndex];
}

}  // namespace

PointerPosition PositionFromMessage(std::uint32_t lParam) {
    return {static_cast<std::int32_t>(lParam & 0xFFFF), static_cast<std::int32_t>(lParam >> 16)};
}

std::string PositionText(PointerPosition p) {
    using runtime::NumberToTextTrim;
    return "X : " + NumberToTextTrim(p.x) + " Y : " + NumberToTextTrim(p.y) +
           " :: " + NumberToTextTrim(GrabbedIndex);
}

PointerResponse PointerPressed(PointerPosition p) {
    for (int k = 1; k <= polygon::kMaxSides; ++k)
        if (Hits(polygon::VertexTable[k], p)) GrabbedIndex = static_cast<std::int16_t>(k);
    PointerResponse response{PositionText(p)};
    if (GrabbedIndex > 0 && Grabbed().grabbed == 0) {
        Grabbed().grabbed = 1;
        response.cursor = CursorChange::Crosshair;
        LastPointer = p;
    }
    return response;
}

PointerResponse PointerMoved(PointerPosition p) {
    PointerResponse response{PositionText(p)};
    if (Dragging()) {
        response.cursor = CursorChange::Crosshair;
        Grabbed().x = Moved(Grabbed().x, p.x - LastPointer.x);
        Grabbed().y = Moved(Grabbed().y, p.y - LastPointer.y);
        LastPointer = p;
        polygon::RedrawChangedMesh();
    }
    polygon::ShowCanvas();
    return response;
}

bool Dragging() {
    return Grabbed().grabbed != 0;
}

PointerResponse PointerReleased(PointerPosition p) {
    PointerResponse response{PositionText(p), CursorChange::Arrow};
    Grabbed().grabbed = 0;
    GrabbedIndex = 0;
    return response;
}

}  // namespace editing

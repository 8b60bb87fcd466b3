#pragma once
// Grabbing and dragging vertices with the pointer on the canvas. The platform's pointer
// messages come in through the three calls below, with positions in canvas pixels; what the
// window must do in answer (its title, the cursor) comes back.

#include <cstdint>
#include <string>

namespace editing {

struct PointerPosition {
    std::int32_t x = 0, y = 0;
};

// The vertex chosen by the last press, 0 when none; where the pointer was at the grab and
// after each drag step since.
extern std::int16_t GrabbedIndex;
extern PointerPosition LastPointer;

enum class CursorChange {
    None,
    Crosshair,  // grabbing and every drag step
    Arrow,      // on release
};

struct PointerResponse {
    std::string title;  // the main window's new title
    CursorChange cursor = CursorChange::None;
};

// The position a pointer message carries: the low and high 16 bits of its lParam, unsigned.
PointerPosition PositionFromMessage(std::uint32_t lParam);

// "X : 305 Y : 312 :: 0"
std::string PositionText(PointerPosition p);

// A press grabs the highest-numbered of all 32 markers whose box, right and bottom edges
// included, holds the pointer.
PointerResponse PointerPressed(PointerPosition p);
// A move drags the grabbed vertex by the pointer's displacement and redraws the mesh, or
// else shows the Canvas as it stands.
PointerResponse PointerMoved(PointerPosition p);
PointerResponse PointerReleased(PointerPosition p);

// Whether the next move drags a vertex.
bool Dragging();

}  // namespace editing

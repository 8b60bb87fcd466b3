#pragma once
// "Coordenadas poligono": pick a vertex by number, see and type its position.

#include <windows.h>

namespace editing {

// What the dialog borrows from the window that opens it: lent out when the dialog opens, and
// given back when it ends, however it ends.
enum class Lending { Out, Back };
using LendControls = void (*)(Lending);

// Runs the dialog until it is left; 0. When the window cannot be made nothing is changed.
INT_PTR ShowVertexDialog(LendControls lend);

}  // namespace editing

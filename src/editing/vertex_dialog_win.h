#pragma once
// "Coordenadas poligono": pick a vertex by number, see and type its position.

#include <windows.h>

namespace editing {

// Runs the dialog until it is left; 0. When the window cannot be made nothing is changed.
INT_PTR ShowVertexDialog();

}  // namespace editing

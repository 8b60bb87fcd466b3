#pragma once
// The pointer procedure put in front of the main window's canvas control.

#include <windows.h>

namespace editing {

// Installs the procedure on `canvas`, keeping the one it replaces for every message; the
// pointer's position is shown in the title of `titled`.
void TrackPointerOn(HWND canvas, HWND titled);

}  // namespace editing

#pragma once
// The pointer procedure put in front of the main window's canvas control.

#include <windows.h>

namespace editing {

// Installs the procedure on `canvas`, keeping the one it replaces for every message.
void TrackPointerOn(HWND canvas);

}  // namespace editing

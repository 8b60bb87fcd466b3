#pragma once
// The main window's menu bar: "Archivos", "Ajustes" and "Colores", with pictures beside the
// items and swatches of the three colours of the settings.

#include <windows.h>

namespace app {

extern HMENU MainMenu;

// A complete new menu bar attached to `window` (and kept in MainMenu); the previous bar and
// its pictures are released.
HMENU BuildMainMenu(HWND window);

// Releases the menu pictures; the menus themselves die with their window.
void ReleaseMenuPictures();

}  // namespace app

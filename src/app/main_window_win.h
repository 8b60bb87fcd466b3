#pragma once
// The main window: an 800 x 800 canvas, "Pinta" and "Malla", the width and side lists, and
// the menu bar of main_menu_win. Its commands are in main_window_commands_win.

#include <windows.h>

#include "app/main_window_layout.h"
#include "runtime/canvas/gdi_objects_win.h"

namespace app {

extern HWND MainWindow;

// The lists' font, at the screen's resolution.
runtime::Font CreateListFont();
// The main window's layout on this screen, for `window`, made by NewDialog with its style and
// no menu yet: the frame measured on it, the texts in the fonts they are shown in.
MainWindowLayout PlanMainWindowOn(HWND window, HFONT listFont);

// Builds the window with its controls and menu, not shown yet, as MainWindow (null when it
// cannot be made). Its lists show their items in the font returned: keep it while they live.
runtime::Font BuildMainWindow(HWND owner);

// Builds the window, runs it until it is closed and returns the result it ended with.
INT_PTR CreateMainWindow(HWND owner);

INT_PTR MainWindowCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace app

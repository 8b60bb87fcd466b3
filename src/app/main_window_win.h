#pragma once
// The main window: an 800 x 800 canvas, "Pinta" and "Malla", the width and side lists, and
// the menu bar of main_menu_win. Its commands are in main_window_commands_win.

#include <windows.h>

#include <string>

#include "app/main_menu_win.h"

namespace app {

extern HWND MainWindow;

// Builds the window, runs it until it is closed and returns the result it ended with.
INT_PTR CreateMainWindow(HWND owner);

INT_PTR MainWindowCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace app

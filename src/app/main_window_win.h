#pragma once
// The main window: an 800 x 800 canvas, "Pinta" and "Malla", the width and side lists, and a
// menu bar with pictures and colour swatches. Its commands are in main_window_commands_win.

#include <windows.h>

#include <string>

namespace app {

extern HWND MainWindow;
extern HMENU MainMenu;

// Builds the window, runs it until it is closed and returns the result it ended with.
INT_PTR CreateMainWindow(HWND owner);

// A complete new menu bar attached to `window` (and kept in MainMenu); the previous bar and
// its pictures are released.
HMENU BuildMainMenu(HWND window);

// Releases the menu pictures; the menus themselves die with their window.
void ReleaseMenuPictures();

INT_PTR MainWindowCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace app

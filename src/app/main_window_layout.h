#pragma once
// Where the main window puts its canvas and its bottom row on a given screen. At 96 dpi on a
// work area that holds it, the window is laid out exactly as it always was; elsewhere the
// layout is scaled by dpi / 96 and each control grows to what its text needs, the picture is
// zoomed by the largest whole number that still fits, and on a screen too short (or narrow)
// for it the margins give way first and then the canvas becomes a view that scrolls.

#include "runtime/dialogs/screen_fit.h"

namespace app {

constexpr int kPictureSize = 800;  // the Canvas, in picture pixels

struct MainWindowScreen {
    runtime::ScreenFacts screen;
    int menuBarHeight = 0;     // taken from the client area once the menu is attached
    runtime::Size scrollBars;  // a vertical bar's width and a horizontal bar's height
    // The least size each control of the bottom row needs to show its text whole.
    runtime::Size paintButton, meshButton, widthList, sideList;
};

struct MainWindowLayout {
    runtime::Size client;  // before the menu bar takes its height from it
    int zoom = 1;
    runtime::Size view;  // device pixels of the zoomed picture the canvas shows
    bool scrollsX = false, scrollsY = false;
    runtime::Place canvas;  // scroll bars included
    runtime::Place paintButton, meshButton, widthList, sideList;
};

MainWindowLayout PlanMainWindow(const MainWindowScreen& s);

}  // namespace app

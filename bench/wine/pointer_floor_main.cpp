// The least any program pays under Wine to follow the pointer in the main window's frame, for
// make bench-wine to set the program against: a window like the program's main window (its
// style, client size, icon, menu bar and controls, made with the same dialog services), that per
// pointer move on the canvas only sets the title the program would show. Built as
// poligonos_floor_title, and with POLIGONOS_FLOOR_COPIES as poligonos_floor_copy, which also copies
// a 40 x 40 area around the pointer onto the canvas, about what a drag step of the 32-gon shows.
// The benchmark checks that both windows have the program's geometry.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/main_menu_win.h"
#include "app/main_window_texts.h"
#include "ids/program_ids.h"
#include "runtime/canvas/gdi_objects_win.h"
#include "runtime/dialogs/dialog_services_win.h"

#ifndef POLIGONOS_FLOOR_COPIES
#define POLIGONOS_FLOOR_COPIES 0
#endif

namespace {

using namespace runtime;

// As app/main_window_win.cpp makes the main window.
constexpr std::uint32_t kWindowStyle = 0x94C608D4;
constexpr std::uint32_t kWindowExStyle = WS_EX_CONTROLPARENT;
constexpr int kClientWidth = 810, kClientHeight = 890, kCanvasSize = 800;
constexpr int kArea = 40;

HWND mainWindow = nullptr;

// A window's device context, released once.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// A mid grey, so the copied pixels differ from the white canvas.
const std::vector<std::uint32_t> areaPixels(kArea* kArea, 0x00808080);

bool CopyArea(HWND canvas, int x, int y) {
    const WindowDc dc(canvas);
    if (!dc.Get()) return false;
    const int left = std::clamp(x - kArea / 2, 0, kCanvasSize - kArea);
    const int top = std::clamp(y - kArea / 2, 0, kCanvasSize - kArea);
    const BITMAPINFO info = TopDownDibInfo(kArea, kArea);
    return SetDIBitsToDevice(dc.Get(), left, top, kArea, kArea, 0, 0, 0, kArea, areaPixels.data(),
                             &info, DIB_RGB_COLORS) == kArea;
}

// The title the program shows for a move; the benchmark drags vertex 32.
std::string Title(WPARAM buttons, int x, int y) {
    return "X : " + std::to_string(x) + " Y : " + std::to_string(y) +
           " :: " + ((buttons & MK_LBUTTON) ? "32" : "0");
}

LRESULT FollowPointer(HWND canvas, UINT message, WPARAM wParam, LPARAM lParam, SubclassState*) {
    if (message == WM_MOUSEMOVE) {
        const int x = LOWORD(lParam), y = HIWORD(lParam);
        SetText(mainWindow, Title(wParam, x, y));
        // A copy that fails would make the floor look cheaper than it is: end, and the
        // benchmark says the program stopped following.
        if (POLIGONOS_FLOOR_COPIES && !CopyArea(canvas, x, y)) PostQuitMessage(3);
    }
    return CallPrevious(canvas, message, wParam, lParam);
}

INT_PTR Ignore(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    mainWindow = NewDialog(nullptr, "", kCentred, kCentred, kClientWidth, kClientHeight,
                           kWindowStyle, kWindowExStyle, DialogMode::Pixels);
    if (!mainWindow) return 1;
    SetDialogIcon(mainWindow, MAKEINTRESOURCEW(ids::kProgramIcon));
    AddControl(ControlKind::PushButton, mainWindow, ids::kPaintButton, "Pinta", 105, 819, 70, 18, 0,
               0);
    AddControl(ControlKind::PushButton, mainWindow, ids::kMeshButton, "Malla", 196, 819, 70, 19, 0,
               0);
    // The side list carries the benchmark's barrier, so it has the program's items.
    AddControl(ControlKind::ListBox, mainWindow, ids::kSideList, "", 590, 819, 90, 38, 0, 0);
    for (int sides = 3; sides <= 32; ++sides)
        ListAdd(mainWindow, ids::kSideList, app::SideItemText(sides));
    AddControl(ControlKind::ListBox, mainWindow, ids::kWidthList, "", 300, 819, 190, 38, 0, 0);
    for (int width = 1; width <= 10; ++width)
        ListAdd(mainWindow, ids::kWidthList, app::WidthItemText(width));
    AddControl(ControlKind::Canvas, mainWindow, ids::kCanvasControl, "", 5, 5, kCanvasSize,
               kCanvasSize, WS_CHILD | WS_VISIBLE | SS_NOTIFY, 0);
    if (!InstallSubclass(GetDlgItem(mainWindow, ids::kCanvasControl), FollowPointer)) return 1;
    // The frame is the program's, menu bar included.
    app::BuildMainMenu(mainWindow);
    ShowDialogModal(mainWindow, Ignore);
    MSG quit;
    return PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? static_cast<int>(quit.wParam)
                                                                     : 0;
}

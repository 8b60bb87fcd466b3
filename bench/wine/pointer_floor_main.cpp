// The least any program pays under Wine to follow the pointer in the main window's frame, for
// make bench-wine to set the program against: a window like the program's main window (its
// style, its layout on this screen, icon, menu bar and controls, made with the same dialog
// services), that per pointer move on the canvas only sets the title the program would show.
// Built as poligonos_floor_title, and with POLIGONOS_FLOOR_COPIES as poligonos_floor_copy, which
// also copies 40 x 40 picture pixels around the pointer onto the canvas, at its zoom, about what
// a drag step of the 32-gon shows.
// The benchmark checks that both windows have the program's geometry.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/main_menu_win.h"
#include "app/main_window_texts.h"
#include "app/main_window_win.h"
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
constexpr int kClientWidth = 810, kClientHeight = 890;
constexpr int kArea = 40;  // picture pixels

HWND mainWindow = nullptr;
int zoom = 1;  // of the canvas, as the program's layout has it on this screen

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

// A mid grey, so the copied pixels differ from the white canvas; as many as the area covers
// on screen at the canvas's zoom.
std::vector<std::uint32_t> areaPixels;

bool CopyArea(HWND canvas, int x, int y) {
    const WindowDc dc(canvas);
    if (!dc.Get()) return false;
    RECT view{};
    GetClientRect(canvas, &view);
    const int side = kArea * zoom;
    const int left = std::clamp(x - side / 2, 0, std::max(0, static_cast<int>(view.right) - side));
    const int top = std::clamp(y - side / 2, 0, std::max(0, static_cast<int>(view.bottom) - side));
    const BITMAPINFO info = TopDownDibInfo(side, side);
    return SetDIBitsToDevice(dc.Get(), left, top, side, side, 0, 0, 0, side, areaPixels.data(),
                             &info, DIB_RGB_COLORS) == side;
}

// The title the program shows for a move; the benchmark drags vertex 32.
std::string Title(WPARAM buttons, int x, int y) {
    return "X : " + std::to_string(x) + " Y : " + std::to_string(y) +
           " :: " + ((buttons & MK_LBUTTON) ? "32" : "0");
}

LRESULT FollowPointer(HWND canvas, UINT message, WPARAM wParam, LPARAM lParam, SubclassState*) {
    if (message == WM_MOUSEMOVE) {
        const int x = LOWORD(lParam), y = HIWORD(lParam);
        const POINT at = PictureAt(canvas, x, y);  // the program's title is in picture pixels
        SetText(mainWindow, Title(wParam, at.x, at.y));
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
    // Laid out as the program lays out its window on this screen.
    const Font listFont = app::CreateListFont();
    const app::MainWindowLayout l = app::PlanMainWindowOn(mainWindow, listFont.Get());
    PlaceDialog(mainWindow, kCentred, kCentred, l.client.width, l.client.height);
    zoom = l.zoom;
    areaPixels.assign(static_cast<std::size_t>(kArea * zoom) * kArea * zoom, 0x00808080);
    SetDialogIcon(mainWindow, MAKEINTRESOURCEW(ids::kProgramIcon));
    const auto add = [](ControlKind kind, int id, const char* text, const Place& at) {
        AddControl(kind, mainWindow, id, text, at.x, at.y, at.width, at.height, 0, 0);
    };
    add(ControlKind::PushButton, ids::kPaintButton, "Pinta", l.paintButton);
    add(ControlKind::PushButton, ids::kMeshButton, "Malla", l.meshButton);
    // The side list carries the benchmark's barrier, so it has the program's items.
    add(ControlKind::ListBox, ids::kSideList, "", l.sideList);
    for (const std::string& item : app::SideItems()) ListAdd(mainWindow, ids::kSideList, item);
    add(ControlKind::ListBox, ids::kWidthList, "", l.widthList);
    for (const std::string& item : app::WidthItems()) ListAdd(mainWindow, ids::kWidthList, item);
    AddControl(ControlKind::Canvas, mainWindow, ids::kCanvasControl, "", l.canvas.x, l.canvas.y,
               app::kPictureSize, app::kPictureSize, WS_CHILD | WS_VISIBLE | SS_NOTIFY, 0);
    ViewCanvasControl(mainWindow, ids::kCanvasControl, l.zoom, l.view.width, l.view.height,
                      Overflow::Scrolls);
    if (!InstallSubclass(GetDlgItem(mainWindow, ids::kCanvasControl), FollowPointer)) return 1;
    // The frame is the program's, menu bar included.
    app::BuildMainMenu(mainWindow);
    ShowDialogModal(mainWindow, Ignore);
    MSG quit;
    return PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? static_cast<int>(quit.wParam)
                                                                     : 0;
}

#include "app/main_window_win.h"

#include <array>

#include "app/main_menu_win.h"
#include "editing/canvas_pointer_win.h"
#include "ids/program_ids.h"
#include "polygon/polygon_drawing.h"
#include "runtime/canvas/drawing_targets.h"
#include "runtime/canvas/gdi_fonts_win.h"
#include "runtime/canvas/gdi_objects_win.h"
#include "runtime/dialogs/dialog_services_win.h"

namespace app {

using namespace ids;
using namespace runtime;

HWND MainWindow = nullptr;

namespace {

constexpr std::uint32_t kWindowStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION |
                                       WS_THICKFRAME | WS_MINIMIZEBOX | DS_CENTER | DS_MODALFRAME |
                                       DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK;
static_assert(kWindowStyle == 0x94C608D4);
constexpr std::uint32_t kWindowExStyle = WS_EX_CONTROLPARENT;
constexpr int kClientWidth = 810, kClientHeight = 890;

struct ListPlace {
    int id, x, y, width, height;
};
constexpr std::array<ListPlace, 2> kLists{{
    {kSideList, 590, 819, 90, 38},
    {kWidthList, 300, 819, 190, 38},
}};

// The list font: bold "MS Sans Serif" of 10 points at the screen's resolution, the division
// cut toward zero.
Font CreateListFont() {
    return MakeFont("MS Sans Serif", ScreenDpiY() * 10 / 72, kBold, ANSI_CHARSET);
}

}  // namespace

Font BuildMainWindow(HWND owner) {
    MainWindow = NewDialog(owner, "", kCentred, kCentred, kClientWidth, kClientHeight, kWindowStyle,
                           kWindowExStyle, DialogMode::Pixels);
    if (!MainWindow) return {};
    polygon::CanvasWindow = reinterpret_cast<WindowHandle>(MainWindow);
    SetDialogIcon(MainWindow, MAKEINTRESOURCEW(kProgramIcon));
    AddControl(ControlKind::PushButton, MainWindow, kPaintButton, "Pinta", 105, 819, 70, 18, 0, 0);
    AddControl(ControlKind::PushButton, MainWindow, kMeshButton, "Malla", 196, 819, 70, 19, 0, 0);
    for (const ListPlace& l : kLists)
        AddControl(ControlKind::ListBox, MainWindow, l.id, "", l.x, l.y, l.width, l.height, 0, 0);
    AddControl(ControlKind::Canvas, MainWindow, kCanvasControl, "", 5, 5, 800, 800,
               WS_CHILD | WS_VISIBLE | SS_NOTIFY, 0);

    AttachTarget(reinterpret_cast<std::intptr_t>(MainWindow), kCanvasControl, 0);
    SetForeColor(DefaultColor);
    SetBackColor(kWhite);
    ClearTarget(DefaultColor, 0);
    editing::TrackPointerOn(GetDlgItem(MainWindow, kCanvasControl), MainWindow);

    BuildMainMenu(MainWindow);

    // A list box fixes its whole-item height by the font it is created with, and keeps it when
    // given another: sized again, each shows as many whole items of its own font as fit.
    Font listFont = CreateListFont();
    for (const ListPlace& l : kLists) {
        HWND list = GetDlgItem(MainWindow, l.id);
        SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(listFont.Get()), FALSE);
        SetWindowPos(list, nullptr, 0, 0, l.width, l.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    return listFont;
}

INT_PTR CreateMainWindow(HWND owner) {
    const Font listFont = BuildMainWindow(owner);
    if (!MainWindow) return 0;
    const INT_PTR result = ShowDialogModal(MainWindow, MainWindowCallback);
    MainWindow = nullptr;
    polygon::CanvasWindow = 0;
    return result;  // the list font is released now that its lists are gone
}

}  // namespace app

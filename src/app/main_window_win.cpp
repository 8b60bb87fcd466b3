#include "app/main_window_win.h"

#include <utility>

#include "app/main_menu_win.h"
#include "app/main_window_layout.h"
#include "app/main_window_texts.h"
#include "editing/canvas_pointer_win.h"
#include "ids/program_ids.h"
#include "polygon/polygon_drawing.h"
#include "runtime/canvas/drawing_targets.h"
#include "runtime/canvas/gdi_fonts_win.h"
#include "runtime/canvas/gdi_objects_win.h"
#include "runtime/dialogs/dialog_services_win.h"
#include "runtime/files/error_number.h"

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
constexpr int kClientWidth = 810, kClientHeight = 890;  // at 96 dpi, before the menu bar
const char* const kPaintCaption = "Pinta";
const char* const kMeshCaption = "Malla";
constexpr int kListRowsShown = 2;

void Add(ControlKind kind, int id, const char* text, const Place& at, std::uint32_t style = 0) {
    ProcedureError unread;
    AddControl(kind, MainWindow, id, text, at.x, at.y, at.width, at.height, style, 0);
}

}  // namespace

// The list font: bold "MS Sans Serif" of 10 points at the screen's resolution, the division
// cut toward zero.
Font CreateListFont() {
    ProcedureError unread;
    return MakeFont("MS Sans Serif", ScreenDpiY() * 10 / 72, kBold, ANSI_CHARSET);
}

// The buttons' captions are measured in the dialog's font, the lists' items in theirs.
MainWindowLayout PlanMainWindowOn(HWND window, HFONT listFont) {
    ProcedureError unread;
    MainWindowScreen s;
    s.screen = ScreenFactsFor(window);
    s.menuBarHeight = GetSystemMetrics(SM_CYMENU);
    s.scrollBars = {GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
    const auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    s.paintButton = ButtonRoom(dialogFont, kPaintCaption);
    s.meshButton = ButtonRoom(dialogFont, kMeshCaption);
    s.sideList = ListRoom(listFont, SideItems(), kListRowsShown);
    s.widthList = ListRoom(listFont, WidthItems(), kListRowsShown);
    return PlanMainWindow(s);
}

Font BuildMainWindow(HWND owner) {
    ProcedureError unread;
    MainWindow = NewDialog(owner, "", kCentred, kCentred, kClientWidth, kClientHeight, kWindowStyle,
                           kWindowExStyle, DialogMode::Pixels);
    if (!MainWindow) return {};
    Font listFont = CreateListFont();
    const MainWindowLayout l = PlanMainWindowOn(MainWindow, listFont.Get());
    PlaceDialog(MainWindow, kCentred, kCentred, l.client.width, l.client.height);
    polygon::CanvasWindow = reinterpret_cast<WindowHandle>(MainWindow);
    SetDialogIcon(MainWindow, MAKEINTRESOURCEW(kProgramIcon));
    Add(ControlKind::PushButton, kPaintButton, kPaintCaption, l.paintButton);
    Add(ControlKind::PushButton, kMeshButton, kMeshCaption, l.meshButton);
    Add(ControlKind::ListBox, kSideList, "", l.sideList);
    Add(ControlKind::ListBox, kWidthList, "", l.widthList);
    // The canvas holds the whole picture; it shows it zoomed, in a view that may scroll.
    Add(ControlKind::Canvas, kCanvasControl, "",
        {l.canvas.x, l.canvas.y, kPictureSize, kPictureSize}, WS_CHILD | WS_VISIBLE | SS_NOTIFY);
    ViewCanvasControl(MainWindow, kCanvasControl, l.zoom, l.view.width, l.view.height,
                      Overflow::Scrolls);

    AttachTarget(reinterpret_cast<std::intptr_t>(MainWindow), kCanvasControl, 0);
    SetForeColor(DefaultColor);
    SetBackColor(kWhite);
    ClearTarget(DefaultColor, 0);
    editing::TrackPointerOn(GetDlgItem(MainWindow, kCanvasControl), MainWindow);

    BuildMainMenu(MainWindow);

    // A list box fixes its whole-item height by the font it is created with, and keeps it when
    // given another: sized again, each shows as many whole items of its own font as fit.
    const std::pair<int, Place> lists[] = {{kSideList, l.sideList}, {kWidthList, l.widthList}};
    for (const auto& [id, at] : lists) {
        HWND list = GetDlgItem(MainWindow, id);
        SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(listFont.Get()), FALSE);
        SetWindowPos(list, nullptr, 0, 0, at.width, at.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    return listFont;
}

INT_PTR CreateMainWindow(HWND owner) {
    ProcedureError unread;
    const Font listFont = BuildMainWindow(owner);
    if (!MainWindow) return 0;
    const INT_PTR result = ShowDialogModal(MainWindow, MainWindowCallback);
    MainWindow = nullptr;
    polygon::CanvasWindow = 0;
    return result;  // the list font is released now that its lists are gone
}

}  // namespace app

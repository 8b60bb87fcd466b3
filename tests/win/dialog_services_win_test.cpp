// The dialog services on the real platform: geometry, control styles, the order of the
// callback's first messages, how a dialog ends, canvas controls, texts, lists and menus.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

#include "runtime/canvas/drawing_targets.h"
#include "runtime/dialogs/dialog_services_win.h"

namespace {

using namespace runtime;

constexpr UINT kFinishNow = WM_APP + 1;

// What the callback of the dialog under test saw, in order.
struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool visible;
};
std::vector<Seen> seen;
INT_PTR finishWith = 0;

INT_PTR RecordingCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    seen.push_back({message, wParam, lParam, IsWindowVisible(dialog) != FALSE});
    if (message == WM_INITDIALOG) PostMessageW(dialog, kFinishNow, 0, 0);
    if (message == kFinishNow && finishWith >= 0) FinishDialog(dialog, finishWith);
    return 0;
}

int IndexOf(UINT message) {
    for (std::size_t i = 0; i < seen.size(); ++i)
        if (seen[i].message == message) return static_cast<int>(i);
    return -1;
}

HWND PixelDialog(int width = 300, int height = 200) {
    return NewDialog(nullptr, "Prueba", kCentred, kCentred, width, height, 0, 0,
                     DialogMode::Pixels);
}

TEST(DialogServices, PixelDialogsHaveTheirClientSizeAndAreCentred) {
    HWND d = NewDialog(nullptr, "", kCentred, kCentred, 810, 890, 0x94C608D4, WS_EX_CONTROLPARENT,
                       DialogMode::Pixels);
    ASSERT_NE(d, nullptr);
    RECT client{}, outer{}, work{};
    GetClientRect(d, &client);
    GetWindowRect(d, &outer);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(client.right, 810);
    EXPECT_EQ(client.bottom, 890);
    const int wantX = std::max(0L, (work.left + work.right - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.left, wantX);
    EXPECT_FALSE(IsWindowVisible(d)) << "hidden until shown";
    EXPECT_EQ(GetWindowLongW(d, GWL_STYLE) & WS_SYSMENU, 0);
    DestroyWindow(d);
}

TEST(DialogServices, UnitModeControlsAreMappedAndListsAreSunkenAndSorted) {
    HWND d = NewDialog(nullptr, "Vertices", 10, 10, 200, 120, 0, 0, DialogMode::DialogUnits);
    ASSERT_NE(d, nullptr);
    AddControl(ControlKind::PushButton, d, 7, "Aplicar", 5, 5, 125, 15, 0, 0);
    HWND button = GetDlgItem(d, 7);
    ASSERT_NE(button, nullptr);
    RECT want{5, 5, 130, 20};
    MapDialogRect(d, &want);
    RECT got{};
    GetWindowRect(button, &got);
    MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&got), 2);
    EXPECT_EQ(got.left, want.left);
    EXPECT_EQ(got.top, want.top);
    EXPECT_EQ(got.right - got.left, want.right - want.left);
    EXPECT_EQ(got.bottom - got.top, want.bottom - want.top);

    AddControl(ControlKind::ListBox, d, 8, "", 5, 30, 60, 60, 0, 0);
    HWND list = GetDlgItem(d, 8);
    const LONG style = GetWindowLongW(list, GWL_STYLE);
    EXPECT_EQ(style & WS_BORDER, 0) << "no plain border";
    EXPECT_NE(GetWindowLongW(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0) << "a sunken edge instead";
    for (const char* t : {"10", "09", "9"}) ListAdd(d, 8, t);
    const char* order[] = {"09", "10", "9"};
    for (int i = 0; i < 3; ++i) {
        ListSelect(d, 8, i + 1);
        EXPECT_EQ(ListGetText(d, 8), order[i]);
    }
    for (int i = 0; i < 30; ++i) ListAdd(d, 8, "x");
    EXPECT_NE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL, 0) << "a scroll bar once it is needed";
    DestroyWindow(d);
}

TEST(DialogServices, TheCallbackSeesInitAndSizeBeforeTheDialogShowsAndEndsWithCloseAndDestroy) {
    seen.clear();
    finishWith = 42;
    HWND d = PixelDialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(ShowDialogModal(d, RecordingCallback), 42);
    ASSERT_GE(seen.size(), 4u);
    EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_INITDIALOG));
    EXPECT_EQ(seen[0].wParam, reinterpret_cast<WPARAM>(d));
    EXPECT_FALSE(seen[0].visible);
    EXPECT_EQ(seen[1].message, static_cast<UINT>(WM_SIZE));
    EXPECT_EQ(seen[1].lParam, MAKELPARAM(300, 200));
    EXPECT_FALSE(seen[1].visible);
    EXPECT_EQ(IndexOf(WM_ACTIVATE), -1) << "WM_ACTIVATE is the services' own";
    const int close = IndexOf(WM_CLOSE), destroy = IndexOf(WM_DESTROY);
    EXPECT_GE(close, 0);
    EXPECT_GT(destroy, close) << "WM_CLOSE comes before WM_DESTROY";
    EXPECT_FALSE(IsWindow(d));
}

TEST(DialogServices, TheCloseRequestEndsTheDialogWithZero) {
    seen.clear();
    finishWith = -1;  // the callback leaves it to the close request
    HWND d = PixelDialog();
    ASSERT_NE(d, nullptr);
    PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(ShowDialogModal(d, RecordingCallback), 0);
    EXPECT_GE(IndexOf(WM_CLOSE), 0);
    EXPECT_GT(IndexOf(WM_DESTROY), IndexOf(WM_CLOSE));
    EXPECT_FALSE(IsWindow(d));
}

TEST(DialogServices, CanvasControlsShowTheirRasterAndWantAllKeys) {
    HWND d = PixelDialog(120, 100);
    ASSERT_NE(d, nullptr);
    AddControl(ControlKind::Canvas, d, 1001, "", 10, 10, 64, 48, WS_CHILD | WS_VISIBLE | SS_NOTIFY,
               0);
    HWND canvas = GetDlgItem(d, 1001);
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(GetWindowLongW(canvas, GWL_STYLE) & SS_TYPEMASK, SS_OWNERDRAW);
    EXPECT_EQ(SendMessageW(canvas, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
    ShowWindow(d, SW_SHOWNA);
    UpdateWindow(d);

    AttachTarget(reinterpret_cast<std::intptr_t>(d), 1001, 0);
    ClearTarget(0x000000FF, 0);  // red, shown at once: the control is unbuffered
    DrawBox(4, 4, 12, 12, 0, 0x00FF0000, 0x00FF0000, 0);
    HDC dc = GetDC(canvas);
    EXPECT_EQ(GetPixel(dc, 30, 30) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(GetPixel(dc, 6, 6) & 0xFFFFFF, 0xFF0000u);
    ReleaseDC(canvas, dc);

    SendMessageW(canvas, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(GetFocus(), canvas) << "a click gives the canvas the focus";
    DestroyWindow(d);
    AttachTarget(reinterpret_cast<std::intptr_t>(d), 1001, 0);
    EXPECT_EQ(ReadPixel(0, 0), -1) << "the target went with its control";
}

TEST(DialogServices, TextsTravelAsWindows1252) {
    HWND d = PixelDialog();
    ASSERT_NE(d, nullptr);
    AddControl(ControlKind::TextBox, d, 3, "", 5, 5, 100, 20, 0, 0);
    SetText(GetDlgItem(d, 3), "01\xBA vertice");
    wchar_t wide[32]{};
    GetWindowTextW(GetDlgItem(d, 3), wide, 32);
    EXPECT_STREQ(wide, L"01\u00BA vertice");
    EXPECT_EQ(GetText(GetDlgItem(d, 3)), "01\xBA vertice");
    SetText(GetDlgItem(d, 3), "");
    EXPECT_EQ(GetText(GetDlgItem(d, 3)), "");
    EXPECT_EQ(GetText(nullptr), "");

    AddControl(ControlKind::ComboBox, d, 4, "", 5, 30, 100, 100, 0, 0);
    EXPECT_EQ(ComboAdd(d, 4, "02\xBA vertice"), 1);
    EXPECT_EQ(ComboAdd(d, 4, "01\xBA vertice"), 1) << "sorted: the smaller text goes first";
    SendMessageW(GetDlgItem(d, 4), CB_SETCURSEL, 1, 0);
    EXPECT_EQ(ComboGetText(d, 4), "02\xBA vertice");
    DestroyWindow(d);
}

TEST(DialogServices, MenusFontsAndMessageBoxes) {
    HMENU bar = NewMenu(MenuKind::Bar), popup = NewMenu(MenuKind::Popup);
    AddMenuItem(bar, "Archivos", 0, 0, popup);
    AddMenuItem(popup, "Grabar Imagen", 1010, 0, nullptr);
    AddMenuItem(popup, "-", 0, 0, nullptr);
    AddMenuItem(popup, "Salir", 1012, 0, nullptr);
    EXPECT_EQ(GetMenuItemCount(popup), 3);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(popup, 1, TRUE, &item);
    EXPECT_NE(item.fType & MFT_SEPARATOR, 0u);
    EXPECT_EQ(GetMenuItemID(popup, 2), 1012u);
    SetMenuItemState(bar, 1010, MFS_GRAYED);
    EXPECT_EQ(MenuItemState(bar, 1010), MFS_GRAYED) << "found by command inside the popup";
    SetMenuItemState(bar, 1010, 0);
    EXPECT_EQ(MenuItemState(bar, 1010), 0);
    EXPECT_EQ(MenuItemState(bar, 4242), -1);
    DestroyMenu(bar);

    const int font = NewFont("MS Sans Serif", 8, 1, 0);
    EXPECT_GE(font, 4) << "1 to 3 are the canvas fonts";
    LOGFONTA description{};
    ASSERT_NE(GetObjectA(FontHandle(font), sizeof description, &description), 0);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(description.lfHeight, -static_cast<LONG>(std::nearbyint(dpi * 8 / 72.0)));
    EXPECT_EQ(description.lfWeight, FW_BOLD);
    EndFont(font);
    EXPECT_EQ(FontHandle(font), nullptr);

    // Somebody answers the box "Yes" from outside, as a user would.
    std::thread answer([] {
        for (int i = 0; i < 200; ++i) {
            if (HWND box = FindWindowW(L"#32770", L"Programador")) {
                PostMessageW(box, WM_COMMAND, IDYES, 0);
                return;
            }
            Sleep(25);
        }
    });
    EXPECT_EQ(MessagePrompt("\xBFSeguro?", MB_YESNO, "Programador"), IDYES);
    answer.join();
}

}  // namespace

#include "runtime/dialogs/dialog_window_win.h"

#include <cstring>
#include <memory>
#include <vector>

#include "runtime/canvas/gdi_fonts_win.h"
#include "runtime/dialogs/canvas_control_win.h"
#include "runtime/dialogs/dialog_records_win.h"
#include "runtime/dialogs/modal_dialog_win.h"
#include "runtime/files/platform_text.h"

namespace runtime {

namespace {

INT_PTR CallCallback(DialogRecord* d, HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return d && d->callback ? d->callback(dialog, message, wParam, lParam) : 0;
}

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogRecord* d = FindDialog(dialog);
    switch (message) {
        case WM_INITDIALOG:
            return FALSE;  // the callback gets its own WM_INITDIALOG when the dialog is shown
        case WM_ACTIVATE:
            return 0;  // activation is the services' own, not the callback's
        case WM_NCDESTROY:
            CallCallback(d, dialog, message, wParam, lParam);
            ForgetDialog(dialog);
            return 0;
        default:
            break;
    }
    const INT_PTR handled = CallCallback(d, dialog, message, wParam, lParam);
    if (handled != 0) {
        if (GetWindowLongPtrW(dialog, DWLP_MSGRESULT) == 0)
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, handled);
        return handled;
    }
    switch (message) {
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (d && item) {
                const ControlRecord* c = FindControl(*d, static_cast<int>(item->CtlID));
                if (c && c->kind == ControlKind::Canvas) {
                    PaintCanvas(dialog, *item);
                    return TRUE;
                }
            }
            return FALSE;
        }
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                FinishDialog(dialog, 0);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

HWND NewDialog(HWND owner, const std::string& title, std::int32_t x, std::int32_t y,
               std::int32_t width, std::int32_t height, std::uint32_t style,
               std::uint32_t extendedStyle, DialogMode mode) {
    const bool centred = x == kCentred || y == kCentred;
    style = AdjustDialogStyle(style, centred);
    std::vector<std::uint8_t> bytes =
        BuildDialogTemplate(style, extendedStyle, x, y, width, height, DialogFont{});
    // The platform wants the template DWORD-aligned: a vector of DWORDs guarantees it.
    std::vector<DWORD> aligned((bytes.size() + 3) / 4);
    std::memcpy(aligned.data(), bytes.data(), bytes.size());
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<LPCDLGTEMPLATEW>(aligned.data()),
                                             owner, DialogProcedure, 0);
    if (!dialog) return nullptr;

    auto record = std::make_unique<DialogRecord>();
    record->window = dialog;
    record->mode = mode;
    record->owner = owner;
    if (style & WS_MAXIMIZE) record->showCommand = SW_MAXIMIZE;
    if (style & WS_MINIMIZE) record->showCommand = SW_SHOWMINNOACTIVE;

    if (mode == DialogMode::Pixels) PlaceDialog(dialog, x, y, width, height);
    SetWindowTextW(dialog, WideFromText(title).c_str());
    KeepDialog(std::move(record));
    return dialog;
}

void PlaceDialog(HWND dialog, std::int32_t x, std::int32_t y, int width, int height) {
    RECT outer{}, client{};
    GetWindowRect(dialog, &outer);
    GetClientRect(dialog, &client);
    const int outerWidth = width + (outer.right - outer.left) - (client.right - client.left);
    const int outerHeight = height + (outer.bottom - outer.top) - (client.bottom - client.top);
    int px = x, py = y;
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (x == kCentred || y == kCentred) {
        RECT work{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        const CentredPlace place =
            CentreInWorkArea(work.left, work.top, work.right, work.bottom, outerWidth, outerHeight);
        px = place.x;
        py = place.y;
    } else if (owner) {
        POINT origin{x, y};
        ClientToScreen(owner, &origin);
        px = origin.x;
        py = origin.y;
    }
    SetWindowPos(dialog, nullptr, px, py, outerWidth, outerHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

ScreenFacts ScreenFactsFor(HWND dialog) {
    ScreenFacts facts;
    facts.dpi = ScreenDpiY();
    RECT work{}, outer{}, client{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(dialog, &outer);
    GetClientRect(dialog, &client);
    facts.workArea = {work.right - work.left, work.bottom - work.top};
    facts.frame = {(outer.right - outer.left) - client.right,
                   (outer.bottom - outer.top) - client.bottom};
    return facts;
}

void SetDialogIcon(HWND dialog, const wchar_t* iconResource) {
    DialogRecord* d = FindDialog(dialog);
    if (!d) return;
    HINSTANCE self = GetModuleHandleW(nullptr);
    Icon big(static_cast<HICON>(LoadImageW(self, iconResource, IMAGE_ICON, 32, 32, 0)));
    Icon small(static_cast<HICON>(LoadImageW(self, iconResource, IMAGE_ICON, 16, 16, 0)));
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
    SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
    // The window shows the new icons now; the ones it showed before can go.
    d->bigIcon = std::move(big);
    d->smallIcon = std::move(small);
}

}  // namespace runtime

#include "runtime/dialogs/color_chooser_win.h"

#include <commdlg.h>

#include "runtime/dialogs/dialog_template.h"

namespace runtime {

namespace {

POINT chooserPlace{};

UINT_PTR CALLBACK PlaceChooser(HWND chooser, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG)
        SetWindowPos(chooser, nullptr, chooserPlace.x, chooserPlace.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
    return 0;
}

}  // namespace

std::int32_t PickColor(HWND owner, std::int32_t initial, ::COLORREF* customColors, DWORD flags,
                       std::int32_t x, std::int32_t y) {
    CHOOSECOLORA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.rgbResult = static_cast<::COLORREF>(initial) & 0x00FFFFFF;
    chooser.lpCustColors = customColors;
    chooser.Flags = CC_RGBINIT | flags;
    if (x == kCentred && y == kCentred && owner) {
        RECT r{};
        GetWindowRect(owner, &r);
        chooserPlace = {r.left + 30, r.top + 30};
        chooser.Flags |= CC_ENABLEHOOK;
        chooser.lpfnHook = PlaceChooser;
    }
    if (!ChooseColorA(&chooser)) return kChooserCancelled;
    return static_cast<std::int32_t>(chooser.rgbResult);
}

}  // namespace runtime

#include "runtime/dialogs/color_chooser_win.h"

#include <commdlg.h>

namespace runtime {

namespace {

// The chooser hands its hook the request, whose lCustData holds where it goes.
UINT_PTR CALLBACK PlaceChooser(HWND chooser, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* request = reinterpret_cast<const CHOOSECOLORA*>(lParam);
        const auto* place = reinterpret_cast<const POINT*>(request->lCustData);
        SetWindowPos(chooser, nullptr, place->x, place->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
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
    POINT place{};
    if (x == kBesideOwner && y == kBesideOwner && owner) {
        RECT r{};
        GetWindowRect(owner, &r);
        place = {r.left + 30, r.top + 30};
        chooser.Flags |= CC_ENABLEHOOK;
        chooser.lpfnHook = PlaceChooser;
        chooser.lCustData = reinterpret_cast<LPARAM>(&place);
    }
    if (!ChooseColorA(&chooser)) return kChooserCancelled;
    return static_cast<std::int32_t>(chooser.rgbResult);
}

}  // namespace runtime

#pragma once
// Dialog windows made from an in-memory template (dialog_template.h), hidden until shown,
// with their icons. Every one has the services' dialog procedure, which hands its messages to
// the callback given to ShowDialogModal and paints its canvas controls.

#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/dialogs/dialog_template.h"
#include "runtime/dialogs/screen_fit.h"

namespace runtime {

enum class DialogMode {
    Pixels,       // geometry in pixels, the size being the client area
    DialogUnits,  // geometry in units of the dialog font, placed by the platform
};

HWND NewDialog(HWND owner, const std::string& title, std::int32_t x, std::int32_t y,
               std::int32_t width, std::int32_t height, std::uint32_t style,
               std::uint32_t extendedStyle, DialogMode mode);
// Gives a pixel-mode dialog a client area of `width` x `height`, its frame measured on the
// window, at (x, y) or centred in the work area (kCentred), as NewDialog does.
void PlaceDialog(HWND dialog, std::int32_t x, std::int32_t y, int width, int height);
// What a pixel-mode dialog's layout needs of the screen it is on: the dpi, the work area, and
// how much the frame of `dialog` (no menu attached yet) adds to its client area.
ScreenFacts ScreenFactsFor(HWND dialog);
void SetDialogIcon(HWND dialog, const wchar_t* iconResource);

}  // namespace runtime

#pragma once
// Controls added to a dialog made by NewDialog: placed in its geometry mode, with the styles of
// their kind (control_kinds.h) and the dialog's font.

#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/dialogs/control_kinds.h"

namespace runtime {

void AddControl(ControlKind kind, HWND dialog, int id, const std::string& text, int x, int y,
                int width, int height, std::uint32_t style, std::uint32_t extendedStyle);

// A push button's command comes with BN_CLICKED, or with this when an accelerator key gave it.
constexpr int kAcceleratorNotification = 1;
// Either way the button was pressed.
constexpr bool IsButtonPress(int notification) {
    return notification == BN_CLICKED || notification == kAcceleratorNotification;
}

}  // namespace runtime

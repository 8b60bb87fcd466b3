#pragma once
// The colour most recently picked in the favourite colours dialog; the colour commands of the
// main window copy it into the settings.

#include "runtime/canvas/colors.h"

namespace favorites {

extern runtime::COLORREF SelectedColor;  // 0 until the user picks one

}  // namespace favorites

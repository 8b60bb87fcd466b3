#pragma once
// The two system colours the drawing targets default to.

#include "runtime/canvas/colors.h"

namespace runtime {

COLORREF WindowTextColor();  // COLOR_WINDOWTEXT
COLORREF ButtonFaceColor();  // COLOR_BTNFACE

}  // namespace runtime

#include <windows.h>

#include "runtime/canvas/system_colors.h"

namespace runtime {

COLORREF WindowTextColor() {
    return static_cast<COLORREF>(GetSysColor(COLOR_WINDOWTEXT));
}
COLORREF ButtonFaceColor() {
    return static_cast<COLORREF>(GetSysColor(COLOR_BTNFACE));
}

}  // namespace runtime

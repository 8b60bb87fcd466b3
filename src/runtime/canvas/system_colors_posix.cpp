#include "runtime/canvas/system_colors.h"

namespace runtime {

// The values of the classic Windows scheme, for builds without a window system.
COLORREF WindowTextColor() {
    return 0x00000000;
}
COLORREF ButtonFaceColor() {
    return 0x00F0F0F0;
}

}  // namespace runtime

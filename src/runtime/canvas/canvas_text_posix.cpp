// Without the platform's fonts, text on a target is drawn with fixed cells: enough to lay
// text out and see where it went.
#include "runtime/canvas/canvas_text.h"
#include "runtime/canvas/fixed_pitch_fonts.h"

namespace runtime {

FontBackend& PlatformFontBackend() {
    static FixedPitchFontBackend backend(7, FontPixelHeight(10, 96), 2);
    return backend;
}

}  // namespace runtime

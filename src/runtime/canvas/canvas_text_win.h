#pragma once
// The Windows side of canvas text: fonts above the three built-in ones are made by the dialog
// services, which hand them over through this.

#include <windows.h>

namespace runtime {

using CanvasFontSource = HFONT (*)(int font);  // null when the id names no font
void SetCanvasFontSource(CanvasFontSource source);

}  // namespace runtime

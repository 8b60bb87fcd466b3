#pragma once
// The least size a control needs to show its text whole in the font it is drawn with: a push
// button's caption inside its raised edge, a list's widest item beside its scroll bar, the
// number of rows asked for, inside its sunken edge.

#include <windows.h>

#include <string>
#include <vector>

#include "runtime/dialogs/screen_fit.h"

namespace runtime {

// `text` in `font` on the screen: its width, and the font's line height.
Size MeasureText(HFONT font, const std::string& text);

Size ButtonRoom(HFONT font, const std::string& caption);
Size ListRoom(HFONT font, const std::vector<std::string>& items, int rows);

}  // namespace runtime

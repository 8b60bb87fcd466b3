#pragma once
// Fonts named by ids, for controls and for text on canvas controls.

#include <windows.h>

#include <string>

#include "runtime/canvas/gdi_fonts_win.h"
#include "runtime/files/owned_handle.h"

namespace runtime {

// Fonts are named by ids; 1 to 3 are kept for the built-in canvas fonts. The platform font is
// made when first used.
// `styleBits`: FontStyle bits (kBold and the rest) or-ed together.
int NewFont(const std::string& face, int points, int styleBits, int charset);
void EndFont(int font);
HFONT FontHandle(int font);  // makes the platform font on first use; null if it cannot be made
void SetControlFont(HWND dialog, int id, int font);

struct EndFontId {
    void operator()(int font) const { EndFont(font); }
};
// A font made by NewFont, ended when its owner goes.
using OwnedFont = OwnedHandle<int, EndFontId>;

}  // namespace runtime

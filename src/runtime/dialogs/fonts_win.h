#pragma once
// Fonts named by ids, for controls and for text on canvas controls.

#include <windows.h>

#include <string>

#include "runtime/files/owned_handle.h"

namespace runtime {

// Fonts are named by ids; 1 to 3 are kept for the built-in canvas fonts. Style bits: 1 bold,
// 2 italic, 4 underline, 8 strike-out. The platform font is made when first used.
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

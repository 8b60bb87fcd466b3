#pragma once
// Fonts as GDI makes them, and the screen resolution they are sized for: the list font, the
// dialog services' fonts and the canvas's built-in ones are all made here.

#include <windows.h>

#include <string>

#include "runtime/canvas/gdi_objects_win.h"

namespace runtime {

// The screen's vertical dots per inch (LOGPIXELSY); 96 when no screen can be asked.
int ScreenDpiY();

// Style bits of a font.
enum FontStyle : int { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

// A font of `face` (at most 31 characters) whose characters are `pixels` high (the cell less
// its internal leading); empty when GDI cannot make it.
Font MakeFont(const std::string& face, int pixels, int styleBits, int charset);

}  // namespace runtime

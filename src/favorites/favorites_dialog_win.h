#pragma once
// "Tus Colores Favoritos": the palette of favourite colours, changed with the colour chooser
// and picked from with the right mouse button, archived to its file or reset.

#include <windows.h>

#include "runtime/canvas/drawing_targets.h"

namespace favorites {

extern HWND FavoritesDialog;
extern runtime::TargetHandle PaletteBitmap;
extern ::COLORREF CustomColors[16];  // the chooser's own colours, kept for the whole run

// Runs the dialog until it is left; the owner is 0 from the main window.
INT_PTR ShowFavoritesDialog(HWND owner);

}  // namespace favorites

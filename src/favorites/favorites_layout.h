#pragma once
// Where the favourite colours dialog puts its palette, its label and its buttons on a given
// screen: at 96 dpi exactly as it always was, elsewhere scaled by dpi / 96 with each button
// as large as its caption needs, and the palette picture zoomed by the largest whole number
// at which the dialog still fits the work area.

#include "runtime/dialogs/screen_fit.h"

namespace favorites {

struct FavoritesScreen {
    runtime::ScreenFacts screen;
    // The least size each button needs to show its caption whole.
    runtime::Size archiveButton, resetButton, leaveButton;
    int paletteBorder = 1;  // the palette control's outline, on each side
};

struct FavoritesLayout {
    runtime::Size client;
    int zoom = 1;
    runtime::Place palette;     // its outline included
    runtime::Size paletteView;  // the client area inside the outline, device pixels
    runtime::Place label, archiveButton, resetButton, leaveButton;
    int labelTextLeft = 1, labelTextTop = 12;  // where the label's text starts
};

FavoritesLayout PlanFavoritesDialog(const FavoritesScreen& s);

}  // namespace favorites

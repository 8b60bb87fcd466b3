#include "favorites/favorites_layout.h"

#include <algorithm>

namespace favorites {

using runtime::Place;
using runtime::Scaled;

namespace {

// The dialog at 96 dpi: the palette control of 336 x 260 at (8, 8), the label of 336 x 50 two
// pixels under it, and under that the buttons of 72 x 24, "Archivar", "Reseteo" and "Salir",
// 56 and 64 pixels apart, with margins of 6 to the right and 5 below.
constexpr int kMargin = 8, kPaletteWidth = 336, kPaletteHeight = 260, kLabelGap = 2,
              kLabelHeight = 50, kButtonGap = 8, kButtonWidth = 72, kButtonHeight = 24,
              kResetGap = 56, kLeaveGap = 64, kRightMargin = 6, kBottomMargin = 5,
              kLabelTextLeft = 1, kLabelTextTop = 12;

Place Button(int x, int y, runtime::Size least, int dpi) {
    return {x, y, std::max(Scaled(kButtonWidth, dpi), least.width),
            std::max(Scaled(kButtonHeight, dpi), least.height)};
}

FavoritesLayout Lay(const FavoritesScreen& s, int zoom) {
    const int dpi = s.screen.dpi;
    const int border = s.paletteBorder;
    FavoritesLayout l;
    l.zoom = zoom;
    l.paletteView = {(kPaletteWidth - 2 * border) * zoom, (kPaletteHeight - 2 * border) * zoom};
    l.palette = {Scaled(kMargin, dpi), Scaled(kMargin, dpi), l.paletteView.width + 2 * border,
                 l.paletteView.height + 2 * border};
    l.label = {l.palette.x, l.palette.Bottom() + Scaled(kLabelGap, dpi),
               std::max(Scaled(kPaletteWidth, dpi), l.palette.width), Scaled(kLabelHeight, dpi)};
    l.labelTextLeft = Scaled(kLabelTextLeft, dpi);
    l.labelTextTop = Scaled(kLabelTextTop, dpi);
    const int row = l.label.Bottom() + Scaled(kButtonGap, dpi);
    l.archiveButton = Button(l.palette.x, row, s.archiveButton, dpi);
    l.resetButton =
        Button(l.archiveButton.Right() + Scaled(kResetGap, dpi), row, s.resetButton, dpi);
    l.leaveButton = Button(l.resetButton.Right() + Scaled(kLeaveGap, dpi), row, s.leaveButton, dpi);
    const int buttonsBottom =
        std::max({l.archiveButton.Bottom(), l.resetButton.Bottom(), l.leaveButton.Bottom()});
    l.client = {std::max(l.label.Right(), l.leaveButton.Right()) + Scaled(kRightMargin, dpi),
                buttonsBottom + Scaled(kBottomMargin, dpi)};
    return l;
}

}  // namespace

FavoritesLayout PlanFavoritesDialog(const FavoritesScreen& s) {
    for (int zoom = runtime::MostZoom(s.screen.dpi); zoom > 1; --zoom) {
        const FavoritesLayout l = Lay(s, zoom);
        if (runtime::Fits(s.screen, l.client)) return l;
    }
    return Lay(s, 1);
}

}  // namespace favorites

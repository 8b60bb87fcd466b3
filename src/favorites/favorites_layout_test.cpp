#include "favorites/favorites_layout.h"

#include <gtest/gtest.h>

namespace favorites {
namespace {

using runtime::Place;
using runtime::Scaled;

FavoritesScreen On(int width, int height, int dpi) {
    FavoritesScreen s;
    s.screen = {dpi, {width, height}, {Scaled(16, dpi), Scaled(39, dpi)}};
    s.archiveButton = s.resetButton = s.leaveButton = {Scaled(66, dpi), Scaled(20, dpi)};
    return s;
}

TEST(FavoritesLayout, At96DpiEveryPixelIsWhereItAlwaysWas) {
    const FavoritesLayout l = PlanFavoritesDialog(On(1280, 720, 96));
    EXPECT_EQ(l.client, (runtime::Size{350, 357}));
    EXPECT_EQ(l.zoom, 1);
    EXPECT_EQ(l.palette, (Place{8, 8, 336, 260}));
    EXPECT_EQ(l.paletteView, (runtime::Size{334, 258}));
    EXPECT_EQ(l.label, (Place{8, 270, 336, 50}));
    EXPECT_EQ(l.archiveButton, (Place{8, 328, 72, 24}));
    EXPECT_EQ(l.resetButton, (Place{136, 328, 72, 24}));
    EXPECT_EQ(l.leaveButton, (Place{272, 328, 72, 24}));
}

// The palette is zoomed as far as the dpi allows and the dialog fits; the rest is scaled,
// each button at least what its caption needs, left to right under the label.
TEST(FavoritesLayout, ScaledScreensZoomThePaletteAndScaleTheRest) {
    struct Case {
        int width, height, dpi, zoom;
    };
    for (const Case c : {Case{1920, 1080, 144, 1}, Case{3840, 2160, 192, 2},
                         Case{3840, 2160, 288, 3}, Case{1280, 720, 192, 1}}) {
        SCOPED_TRACE(c.dpi);
        FavoritesScreen s = On(c.width, c.height, c.dpi);
        s.leaveButton.width = Scaled(90, c.dpi);
        const FavoritesLayout l = PlanFavoritesDialog(s);
        EXPECT_EQ(l.zoom, c.zoom);
        EXPECT_EQ(l.paletteView.width, 334 * c.zoom);
        EXPECT_TRUE(runtime::Fits(s.screen, l.client) || c.zoom == 1);
        EXPECT_EQ(l.label.y, l.palette.Bottom() + Scaled(2, c.dpi));
        EXPECT_EQ(l.leaveButton.width, Scaled(90, c.dpi));
        EXPECT_GT(l.resetButton.x, l.archiveButton.Right());
        EXPECT_GT(l.leaveButton.x, l.resetButton.Right());
        EXPECT_LE(l.leaveButton.Right(), l.client.width);
    }
}

}  // namespace
}  // namespace favorites

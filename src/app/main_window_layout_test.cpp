#include "app/main_window_layout.h"

#include <gtest/gtest.h>

namespace app {
namespace {

using runtime::Place;
using runtime::Scaled;

// A screen with Windows 10's frame, menu bar and scroll bars at its scaling, and controls
// whose texts need what the program's fonts need there.
MainWindowScreen On(int width, int height, int dpi, int taskBar = 0) {
    const auto s = [dpi](int pixels) { return Scaled(pixels, dpi); };
    MainWindowScreen screen;
    screen.screen = {dpi, {width, height - s(taskBar)}, {s(16), s(39)}};
    screen.menuBarHeight = s(20);
    screen.scrollBars = {s(17), s(17)};
    screen.paintButton = {s(40), s(17)};
    screen.meshButton = {s(40), s(17)};
    screen.widthList = {s(130), s(36)};
    screen.sideList = {s(80), s(36)};
    return screen;
}

TEST(MainWindowLayout, At96DpiOnATallScreenEveryPixelIsWhereItAlwaysWas) {
    const MainWindowLayout l = PlanMainWindow(On(1280, 1024, 96));
    EXPECT_EQ(l.client, (runtime::Size{810, 890}));
    EXPECT_EQ(l.zoom, 1);
    EXPECT_FALSE(l.scrollsX || l.scrollsY);
    EXPECT_EQ(l.canvas, (Place{5, 5, 800, 800}));
    EXPECT_EQ(l.paintButton, (Place{105, 819, 70, 18}));
    EXPECT_EQ(l.meshButton, (Place{196, 819, 70, 19}));
    EXPECT_EQ(l.widthList, (Place{300, 819, 190, 38}));
    EXPECT_EQ(l.sideList, (Place{590, 819, 90, 38}));
}

TEST(MainWindowLayout, AControlGrowsForItsTextAndPushesTheRowOn) {
    MainWindowScreen s = On(1280, 1024, 96);
    s.paintButton = {100, 30};
    const MainWindowLayout l = PlanMainWindow(s);
    EXPECT_EQ(l.paintButton, (Place{105, 819, 100, 30}));
    EXPECT_EQ(l.meshButton.x, 226);
    EXPECT_EQ(l.sideList.x, 620);
}

struct Screen {
    int width, height, dpi, zoom;
    bool scrolls;
};

// Every common screen, and the same less a task bar of 48 pixels at 100 %: the window fits
// the work area, the picture is zoomed as far as it fits whole, and only where it cannot fit
// at zoom 1 does the canvas scroll, keeping the bottom row below it.
TEST(MainWindowLayout, EveryCommonScreenHoldsTheWholeWindow) {
    constexpr Screen kScreens[] = {
        {1280, 720, 96, 1, true},    {1280, 800, 96, 1, true},    {1366, 768, 96, 1, true},
        {1440, 900, 96, 1, true},    {1600, 900, 96, 1, true},    {1920, 1080, 96, 1, false},
        {1920, 1080, 120, 1, false}, {1920, 1080, 144, 1, false}, {2560, 1440, 96, 1, false},
        {2560, 1440, 144, 1, false}, {2560, 1440, 168, 1, false}, {3840, 2160, 144, 1, false},
        {3840, 2160, 192, 2, false}, {3840, 2160, 240, 2, false}, {3840, 2160, 288, 2, false},
    };
    for (const Screen& screen : kScreens) {
        for (int taskBar : {0, 48}) {
            SCOPED_TRACE(testing::Message() << screen.width << " x " << screen.height << " at "
                                            << screen.dpi << " dpi, task bar " << taskBar);
            const MainWindowScreen s = On(screen.width, screen.height, screen.dpi, taskBar);
            const MainWindowLayout l = PlanMainWindow(s);
            EXPECT_TRUE(runtime::Fits(s.screen, l.client))
                << l.client.width << " x " << l.client.height;
            EXPECT_EQ(l.zoom, screen.zoom);
            EXPECT_FALSE(l.scrollsX);
            if (taskBar == 0) {
                EXPECT_EQ(l.scrollsY, screen.scrolls);
            }
            if (!l.scrollsY) {
                EXPECT_EQ(l.view.height, kPictureSize * l.zoom);
            }
            EXPECT_EQ(l.view.width, kPictureSize * l.zoom);
            // The row below the canvas and no wider, left to right, each control at least what
            // it needs, and all of it inside the client area less the menu bar.
            const Place* row[] = {&l.paintButton, &l.meshButton, &l.widthList, &l.sideList};
            const runtime::Size least[] = {s.paintButton, s.meshButton, s.widthList, s.sideList};
            for (int i = 0; i < 4; ++i) {
                EXPECT_GT(row[i]->y, l.canvas.Bottom());
                EXPECT_GE(row[i]->width, least[i].width);
                EXPECT_GE(row[i]->height, least[i].height);
                EXPECT_LE(row[i]->Bottom(), l.client.height - s.menuBarHeight);
                if (i > 0) {
                    EXPECT_GT(row[i]->x, row[i - 1]->Right());
                }
            }
            EXPECT_LE(l.sideList.Right(), l.canvas.Right()) << "the row under the canvas";
        }
    }
}

TEST(MainWindowLayout, AScreenNarrowerThanThePictureScrollsBothWays) {
    const MainWindowLayout l = PlanMainWindow(On(800, 600, 96));
    EXPECT_TRUE(l.scrollsX && l.scrollsY);
    EXPECT_TRUE(runtime::Fits(On(800, 600, 96).screen, l.client));
    EXPECT_EQ(l.canvas.width, l.view.width + 17);
    EXPECT_EQ(l.canvas.height, l.view.height + 17);
}

}  // namespace
}  // namespace app

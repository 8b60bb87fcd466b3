#include "runtime/canvas/raster_box.h"

#include <gtest/gtest.h>

#include "runtime/canvas/raster_test_support.h"

namespace runtime {
namespace {

using test::OwnedRaster;

constexpr Pixel kPen = 0x000001, kBrush = 0xFFFFFF;

BoxStyle Style(int corner = 0, int pen = 1) {
    BoxStyle s;
    s.penWidth = pen;
    s.border = kPen;
    s.fill = kBrush;
    s.cornerWidth = s.cornerHeight = corner;
    return s;
}

TEST(DrawBoxPixels, MarkerIsARingRoundItsInterior) {
    OwnedRaster r(20, 20);
    DrawBoxPixels(r.raster, {3, 4, 11, 12}, Style());
    EXPECT_EQ(r.Count(kPen), 28);
    EXPECT_EQ(r.Count(kBrush), 36);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool inBox = x >= 3 && x <= 10 && y >= 4 && y <= 11;
            const bool inside = x >= 4 && x <= 9 && y >= 5 && y <= 10;
            ASSERT_EQ(r.At(x, y), inside ? kBrush : inBox ? kPen : 0u) << x << "," << y;
        }
}

TEST(DrawBoxPixels, TinyBoxes) {
    OwnedRaster one(8, 8);
    DrawBoxPixels(one.raster, {2, 2, 3, 3}, Style());
    EXPECT_EQ(one.Count(0), 64) << "1 x 1 draws nothing";

    OwnedRaster line(8, 8);
    DrawBoxPixels(line.raster, {2, 1, 3, 6}, Style());
    EXPECT_EQ(line.Count(kPen), 5) << "1 x n is a line of n pixels";

    OwnedRaster two(8, 8);
    DrawBoxPixels(two.raster, {2, 2, 4, 4}, Style());
    EXPECT_EQ(two.Count(kPen), 4);
    EXPECT_EQ(two.Count(kBrush), 0);

    OwnedRaster empty(8, 8);
    DrawBoxPixels(empty.raster, {2, 2, 2, 6}, Style());
    EXPECT_EQ(empty.Count(0), 64) << "zero width draws nothing";
}

TEST(DrawBoxPixels, RoundedCornersOfAnEightPixelBox) {
    for (int corner = 0; corner <= 8; ++corner) {
        SCOPED_TRACE("corner " + std::to_string(corner));
        OwnedRaster r(8, 8);
        DrawBoxPixels(r.raster, {0, 0, 8, 8}, Style(corner));
        const int cut = corner <= 2 ? 0 : corner <= 5 ? 1 : 3;
        EXPECT_EQ(r.Count(0), 4 * cut);
        EXPECT_EQ(r.At(0, 0) == 0, cut > 0);
        EXPECT_EQ(r.At(1, 0) == 0, cut == 3);
        EXPECT_EQ(r.At(0, 1) == 0, cut == 3);
        EXPECT_EQ(r.At(7, 7) == 0, cut > 0);
    }
}

TEST(DrawBoxPixels, SwatchWithRoundnessFifteenHasSquareCorners) {
    OwnedRaster r(16, 16, kBrush);
    BoxStyle s = Style(15 * 15 / 100);
    s.fill = 0x0000FF;
    DrawBoxPixels(r.raster, {0, 0, 15, 15}, s);
    EXPECT_EQ(r.At(0, 0), kPen);
    EXPECT_EQ(r.At(14, 14), kPen);
    EXPECT_EQ(r.At(15, 15), kBrush) << "the last row and column stay white";
    EXPECT_EQ(r.Count(0x0000FF), 13 * 13);
}

TEST(DrawBoxPixels, WidePenIsCentredOnTheOutline) {
    OwnedRaster r(40, 40);
    DrawBoxPixels(r.raster, {10, 10, 30, 30}, Style(0, 5));
    // The left side runs down column 10; a pen of 5 covers columns 8 .. 12 there.
    for (int x = 5; x < 16; ++x) EXPECT_EQ(r.At(x, 20) == kPen, x >= 8 && x <= 12) << x;
    EXPECT_EQ(r.At(20, 20), kBrush);
}

}  // namespace
}  // namespace runtime

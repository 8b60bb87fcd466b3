#include "runtime/canvas/raster_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "runtime/canvas/wide_pen.h"

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

// Whole rows go out as one large fill: it covers them exactly, whatever the clip leaves of
// them, and not a pixel on either side (a guard row above and below the raster's memory).
TEST(FillRect, WholeRowsAreFilledExactly) {
    constexpr int w = 100, h = 90;
    constexpr Pixel kGuard = 0xABCDEF;
    std::vector<Pixel> memory(static_cast<std::size_t>(w) * (h + 2), kGuard);
    Raster r{memory.data() + w, w, h};
    std::fill(r.Row(0), r.Row(h), 0u);
    r.clip = {INT32_MIN, 7, INT32_MAX, 80};
    FillRect(r, {-5, -5, w + 5, h + 5}, kBrush);
    r.clip = kNoClip;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ASSERT_EQ(r.At(x, y), y >= 7 && y < 80 ? kBrush : 0u) << x << "," << y;
    FillRect(r, {0, 0, w, h}, kPen);
    EXPECT_EQ(std::count(memory.begin(), memory.end(), kPen), w * h);
    EXPECT_EQ(std::count(memory.begin(), memory.end(), kGuard), 2 * w);
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

TEST(DrawBoxPixels, FarBoxesMatchTheReference) {
    // Sides thousands of pixels to the int range's ends away, pens 1 to 10, with and without
    // fill. Square boxes against the pixel rule itself: the interior, then the outline path
    // (right-1, top) (left, top) (left, bottom-1) (right-1, bottom-1) as a one-pixel ring or a
    // wide pen. Rounded boxes (one-pixel pen) against the same box with its far sides pulled in
    // to just beyond the raster, which leaves every visible row as it was.
    constexpr int W = 40, H = 36;
    std::mt19937 rng(4242);
    std::uniform_int_distribution<int> near(-15, 55), pen(1, 10), roundness(1, 100);
    int visible = 0;
    for (int trial = 0; trial < 400; ++trial) {
        auto side = [&] { return rng() % 3 ? test::FarCoordinate(rng) : near(rng); };
        int l = side(), t = side(), r = side(), b = side();
        if (l > r) std::swap(l, r);
        if (t > b) std::swap(t, b);
        const bool rounded = trial % 3 == 0;
        if (rounded) b = t + 3 + static_cast<int>(rng() % 60);  // a corner small enough to trace
        if (rounded && b < t) continue;                         // t was at the int range's end
        BoxStyle style = Style(0, rounded ? 1 : pen(rng));
        if (trial % 4 == 1) style.fill.reset();
        const std::int64_t w = std::int64_t{r} - l, h = std::int64_t{b} - t;
        if (rounded) style.cornerWidth = style.cornerHeight = std::min(w, h) * roundness(rng) / 100;
        if (w < 2 || h < 2) continue;  // tiny boxes have their own test

        OwnedRaster got(W, H);
        DrawBoxPixels(got.raster, {l, t, r, b}, style);
        visible += got.Count(kPen) > 0;
        OwnedRaster want(W, H);
        if (rounded) {
            const int reach = static_cast<int>(style.cornerWidth) + 2;
            const PixelRect pulled{std::max(l, -reach), std::max(t, -reach), std::min(r, W + reach),
                                   std::min(b, H + reach)};
            ASSERT_LE(pulled.right - pulled.left, w);
            DrawBoxPixels(want.raster, pulled, style);
        } else {
            const std::vector<PixelPoint> path{{r - 1, t}, {l, t}, {l, b - 1}, {r - 1, b - 1}};
            std::vector<bool> disc(style.penWidth * style.penWidth);
            ForEachEllipseSpan(0, 0, style.penWidth, style.penWidth, [&](int y, int x0, int x1) {
                for (int x = x0; x <= x1; ++x) disc[y * style.penWidth + x] = true;
            });
            const test::WideOutlineReference wide(path, style.penWidth, disc);
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x) {
                    const bool inBox = x >= l && x < r && y >= t && y < b;
                    const bool ring =
                        x == l || x == std::int64_t{r} - 1 || y == t || y == std::int64_t{b} - 1;
                    const bool pen = style.penWidth > 1 ? wide.Covers(x, y) : inBox && ring;
                    if (pen)
                        want.raster.At(x, y) = kPen;
                    else if (style.fill && inBox && !ring)
                        want.raster.At(x, y) = kBrush;
                }
        }
        ASSERT_TRUE(got == want) << "trial " << trial << ": " << l << "," << t << " .. " << r << ","
                                 << b << ", pen " << style.penWidth << ", corner "
                                 << style.cornerWidth;
    }
    EXPECT_GT(visible, 100);
}

}  // namespace
}  // namespace runtime

#include "runtime/canvas/raster_lines.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <random>

#include "runtime/canvas/raster_test_support.h"

namespace runtime {
namespace {

using test::OwnedRaster;

constexpr Pixel kInk = 0x123456;

// GDI's one-pixel line stepped out literally, pixel by pixel, with no clipping: plot, then
// step the minor axis when err + bias > 0.
void ReferenceLine(PixelPoint a, PixelPoint b, const std::function<void(int, int)>& plot) {
    long dx = b.x - a.x, dy = b.y - a.y;
    if (dx == 0 && dy == 0) return;
    const int bias = test::ReferenceBias(dx, dy);
    const bool xMajor = std::labs(dx) > std::labs(dy);
    const long M = xMajor ? std::labs(dx) : std::labs(dy),
               m = xMajor ? std::labs(dy) : std::labs(dx);
    const int sx = dx > 0 ? 1 : -1, sy = dy > 0 ? 1 : -1;
    long err = 2 * m - M;
    int x = a.x, y = a.y;
    for (long i = 0; i < M; ++i) {
        plot(x, y);
        if (err + bias > 0) {
            if (xMajor)
                y += sy;
            else
                x += sx;
            err += 2 * m - 2 * M;
        } else {
            err += 2 * m;
        }
        if (xMajor)
            x += sx;
        else
            y += sy;
    }
}

TEST(DrawLine, AxisParallelLinesStopBeforeTheirEnd) {
    OwnedRaster r(20, 20);
    DrawLine(r.raster, {2, 5}, {9, 5}, kInk);
    for (int x = 0; x < 20; ++x) EXPECT_EQ(r.At(x, 5) == kInk, x >= 2 && x <= 8) << "x=" << x;

    OwnedRaster back(20, 20);
    DrawLine(back.raster, {9, 5}, {2, 5}, kInk);
    for (int x = 0; x < 20; ++x) EXPECT_EQ(back.At(x, 5) == kInk, x >= 3 && x <= 9) << "x=" << x;

    OwnedRaster down(20, 20);
    DrawLine(down.raster, {4, 1}, {4, 4}, kInk);
    EXPECT_EQ(down.Count(kInk), 3);
    EXPECT_EQ(down.At(4, 4), 0u) << "the end pixel is not drawn";

    OwnedRaster none(20, 20);
    DrawLine(none.raster, {4, 4}, {4, 4}, kInk);
    EXPECT_EQ(none.Count(kInk), 0) << "a zero-length line draws nothing";
}

TEST(DrawLine, AReversedLineCoversTheSamePixelsButForItsEnds) {
    // The octant bias makes ties break the same way in both directions: A->B and B->A share
    // every pixel except their own start pixels.
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(0, 31);
    for (int trial = 0; trial < 2000; ++trial) {
        const PixelPoint a{coord(rng), coord(rng)}, b{coord(rng), coord(rng)};
        if (a == b) continue;
        OwnedRaster forward(32, 32), reverse(32, 32);
        DrawLine(forward.raster, a, b, kInk);
        DrawLine(reverse.raster, b, a, kInk);
        forward.raster.At(a.x, a.y) = 0;
        reverse.raster.At(b.x, b.y) = 0;
        ASSERT_TRUE(forward == reverse)
            << "(" << a.x << "," << a.y << ")<->(" << b.x << "," << b.y << ")";
    }
    // A tie example: (0,0)->(4,2) steps late, its reverse steps early.
    OwnedRaster forward(8, 8);
    DrawLine(forward.raster, {0, 0}, {4, 2}, kInk);
    EXPECT_EQ(forward.At(1, 0), kInk);
    EXPECT_EQ(forward.At(2, 1), kInk);
    EXPECT_EQ(forward.At(3, 1), kInk);
    EXPECT_EQ(forward.Count(kInk), 4);
}

TEST(DrawLine, ClippedLinesMatchTheUnclippedReferenceInEveryOctant) {
    std::mt19937 rng(20261208);
    std::uniform_int_distribution<int> coord(-40, 70);
    for (int trial = 0; trial < 4000; ++trial) {
        const PixelPoint a{coord(rng), coord(rng)}, b{coord(rng), coord(rng)};
        OwnedRaster got(32, 24), want(32, 24);
        DrawLine(got.raster, a, b, kInk);
        ReferenceLine(a, b, [&](int x, int y) { test::PlotClipped(want.raster, x, y, kInk); });
        ASSERT_TRUE(got == want) << "line (" << a.x << "," << a.y << ")->(" << b.x << "," << b.y
                                 << ")";
    }
}

TEST(DrawLine, FarEndpointsCostOnlyTheVisiblePart) {
    // Steps over four billion pixels if it did not clip first.
    const PixelPoint a{INT_MIN, 3}, b{INT_MAX, 17};
    OwnedRaster got(40, 30);
    DrawLine(got.raster, a, b, kInk);
    // On the visible columns the line is on row 10: the midpoint of rows 3 and 17.
    for (int x = 0; x < 40; ++x) EXPECT_EQ(got.At(x, 10), kInk) << x;
    EXPECT_EQ(got.Count(kInk), 40);

    OwnedRaster steep(40, 30);
    DrawLine(steep.raster, {5, INT_MIN}, {5, INT_MAX}, kInk);
    EXPECT_EQ(steep.Count(kInk), 30);
}

TEST(DrawLine, FarLinesMatchTheExactReferenceAtEveryVisiblePixel) {
    std::mt19937 rng(31);
    std::uniform_int_distribution<int> near(-30, 80), small(-3000, 3000);
    int visible = 0;  // shapes that reach the raster at all
    for (int trial = 0; trial < 3000; ++trial) {
        const PixelPoint far{test::FarCoordinate(rng), test::FarCoordinate(rng)};
        PixelPoint a, b;
        switch (trial % 4) {
            case 0:
                a = far, b = test::Mirror(far, {near(rng), near(rng)});
                break;  // through the raster
            case 1:
                a = {near(rng), near(rng)}, b = far;
                break;
            case 2:
                a = far, b = {test::FarCoordinate(rng), near(rng)};
                break;
            default:
                a = {small(rng), near(rng)}, b = {near(rng), small(rng)};
                break;
        }
        if (trial % 2) std::swap(a, b);
        OwnedRaster got(48, 40);
        DrawLine(got.raster, a, b, kInk);
        const auto want = test::ReferencePixels(
            48, 40, kInk, [&](int x, int y) { return test::LineCovers(a, b, x, y); });
        visible += got.Count(kInk) > 0;
        ASSERT_TRUE(got == want) << "line (" << a.x << "," << a.y << ")->(" << b.x << "," << b.y
                                 << ")";
        if (trial % 4 == 3) {  // the reference itself, against GDI's steps taken one by one
            OwnedRaster stepped(48, 40);
            ReferenceLine(a, b,
                          [&](int x, int y) { test::PlotClipped(stepped.raster, x, y, kInk); });
            ASSERT_TRUE(stepped == want)
                << "line (" << a.x << "," << a.y << ")->(" << b.x << "," << b.y << ")";
        }
    }
    EXPECT_GT(visible, 500);
}

TEST(DrawClosedOutline, DrawsEveryVertexAsTheStartOfItsSegment) {
    OwnedRaster r(10, 10);
    const PixelPoint square[4] = {{1, 1}, {6, 1}, {6, 6}, {1, 6}};
    DrawClosedOutline(r.raster, square, 4, kInk);
    EXPECT_EQ(r.Count(kInk), 20);
    for (const auto& p : square) EXPECT_EQ(r.At(p.x, p.y), kInk);

    OwnedRaster one(10, 10);
    DrawClosedOutline(one.raster, square, 1, kInk);
    EXPECT_EQ(one.Count(kInk), 0) << "fewer than two points draw nothing";
}

}  // namespace
}  // namespace runtime

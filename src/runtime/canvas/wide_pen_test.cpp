#include "runtime/canvas/wide_pen.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "runtime/canvas/raster_test_support.h"

namespace runtime {
namespace {

using test::OwnedRaster;

constexpr Pixel kInk = 0x00FF00;

struct Box {
    int left, top, right, bottom;  // inclusive
};

Box InkBounds(const OwnedRaster& r) {
    Box b{r.raster.width, r.raster.height, -1, -1};
    for (int y = 0; y < r.raster.height; ++y)
        for (int x = 0; x < r.raster.width; ++x)
            if (r.At(x, y) == kInk) {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

TEST(PenDisc, CoversItsWidthWithEvenWidthsReachingUpAndLeft) {
    for (int w = 2; w <= 10; ++w) {
        SCOPED_TRACE("width " + std::to_string(w));
        OwnedRaster r(40, 40);
        DrawPenDisc(r.raster, {20, 20}, w, kInk);
        const Box b = InkBounds(r);
        EXPECT_EQ(b.left, 20 - w / 2);
        EXPECT_EQ(b.top, 20 - w / 2);
        EXPECT_EQ(b.right, 20 + (w + 1) / 2 - 1);
        EXPECT_EQ(b.bottom, 20 + (w + 1) / 2 - 1);
        // Round, not square, from width 4 on, and mirror-symmetric in both axes.
        if (w >= 4) {
            EXPECT_NE(r.At(b.left, b.top), kInk);
        }
        for (int y = b.top; y <= b.bottom; ++y)
            for (int x = b.left; x <= b.right; ++x) {
                EXPECT_EQ(r.At(x, y), r.At(b.left + b.right - x, y));
                EXPECT_EQ(r.At(x, y), r.At(x, b.top + b.bottom - y));
            }
    }
    OwnedRaster two(10, 10);
    DrawPenDisc(two.raster, {5, 5}, 2, kInk);
    EXPECT_EQ(two.Count(kInk), 4);
}

TEST(EllipseSpans, EveryRowOfTheBoxIsCoveredByOneContiguousSpan) {
    for (int w = 1; w <= 24; ++w)
        for (int h = 1; h <= 24; ++h) {
            std::vector<int> lo(h, 1000), hi(h, -1);
            ForEachEllipseSpan(0, 0, w, h, [&](int y, int x0, int x1) {
                ASSERT_GE(y, 0);
                ASSERT_LT(y, h);
                ASSERT_LE(x0, x1);
                lo[y] = std::min(lo[y], x0);
                hi[y] = std::max(hi[y], x1);
            });
            int widest = 0;
            for (int y = 0; y < h; ++y) {
                ASSERT_GE(lo[y], 0) << w << "x" << h << " row " << y;
                ASSERT_LT(hi[y], w) << w << "x" << h << " row " << y;
                widest = std::max(widest, hi[y] - lo[y] + 1);
            }
            EXPECT_EQ(widest, w) << w << "x" << h;
        }
}

TEST(WideOutline, AxisParallelBodiesSpanThePenAcrossTheSegment) {
    OwnedRaster r(40, 40);
    const PixelPoint pts[2] = {{10, 20}, {30, 20}};
    DrawWideOutline(r.raster, pts, 2, 4, kInk);
    // Rows 18..21 (y - 2 .. y + 1) between the discs.
    for (int y = 15; y < 25; ++y) EXPECT_EQ(r.At(20, y) == kInk, y >= 18 && y <= 21) << y;
}

TEST(WideOutline, AbsurdWidthsAndCoordinatesStayInBoundsAndBounded) {
    OwnedRaster r(50, 50);
    const PixelPoint pts[4] = {{INT_MIN, INT_MIN}, {INT_MAX, 3}, {25, 25}, {-7, INT_MAX}};
    DrawWideOutline(r.raster, pts, 4, kMaxPenWidth, kInk);
    EXPECT_EQ(r.Count(kInk), 50 * 50) << "a pen 32767 wide through the middle covers everything";
    DrawWideOutline(r.raster, pts, 4, 1 << 30, kInk);  // capped at the widest pen
}

TEST(WideOutline, FarVerticesMatchTheReferenceExactly) {
    // Bodies and discs of pens 2 to 10 round vertices far outside the raster, some at the int
    // range's very ends where a body's corners lie beyond it; some vertices on the raster's
    // edge so their discs are cut.
    std::mt19937 rng(1618);
    std::uniform_int_distribution<int> near(-12, 52), size(2, 6), pen(2, 10);
    int visible = 0;  // shapes that reach the raster at all
    for (int trial = 0; trial < 500; ++trial) {
        const int width = pen(rng);
        std::vector<bool> disc(width * width);
        ForEachEllipseSpan(0, 0, width, width, [&](int y, int x0, int x1) {
            for (int x = x0; x <= x1; ++x) disc[y * width + x] = true;
        });
        const std::vector<PixelPoint> pts = test::FarVertices(rng, size(rng), near, true);
        OwnedRaster got(40, 40);
        DrawWideOutline(got.raster, pts.data(), static_cast<int>(pts.size()), width, kInk);
        const test::WideOutlineReference reference(pts, width, disc);
        const auto want = test::ReferencePixels(
            40, 40, kInk, [&](int x, int y) { return reference.Covers(x, y); });
        visible += got.Count(kInk) > 0;
        ASSERT_TRUE(got == want) << "trial " << trial << ", width " << width;
    }
    EXPECT_GT(visible, 166);
}

}  // namespace
}  // namespace runtime

#include "runtime/canvas/raster_fill.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <vector>

#include "runtime/canvas/raster_test_support.h"

namespace runtime {
namespace {

using test::i128;
using test::OwnedRaster;

constexpr Pixel kInk = 0xABCDEF;

// The slow reference: the winding number at each integer point, from every edge's exact
// crossing of that row.
OwnedRaster ReferenceFill(const std::vector<PixelPoint>& poly, int w, int h, bool alternate) {
    const std::vector<FarPoint> far = test::Far(poly);
    OwnedRaster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (test::WindingAt(far, x, y, alternate) != 0) r.raster.At(x, y) = kInk;
    return r;
}

TEST(FillPolygon, SquareCoversItsLeftAndTopEdgesOnly) {
    OwnedRaster r(16, 16);
    const PixelPoint square[4] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    FillPolygon(r.raster, square, 4, FillRule::Winding, kInk);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(r.At(x, y) == kInk, x < 10 && y < 10) << x << "," << y;
}

TEST(FillPolygon, SelfCrossingStarFillsItsCentreOnlyByWinding) {
    // A five-pointed star drawn in one stroke: its centre pentagon has winding number 2.
    const std::vector<PixelPoint> star{{20, 2}, {32, 38}, {2, 15}, {38, 15}, {8, 38}};
    OwnedRaster winding(40, 40), alternate(40, 40);
    FillPolygon(winding.raster, star.data(), 5, FillRule::Winding, kInk);
    FillPolygon(alternate.raster, star.data(), 5, FillRule::Alternate, kInk);
    EXPECT_EQ(winding.At(20, 22), kInk);
    EXPECT_EQ(alternate.At(20, 22), 0u);
    EXPECT_TRUE(winding == ReferenceFill(star, 40, 40, false));
    EXPECT_TRUE(alternate == ReferenceFill(star, 40, 40, true));
}

TEST(FillPolygon, MatchesTheWindingReferenceOnRandomPolygons) {
    std::mt19937 rng(1208);
    std::uniform_int_distribution<int> coord(-25, 90), size(3, 32);
    for (int trial = 0; trial < 600; ++trial) {
        std::vector<PixelPoint> poly(size(rng));
        for (auto& p : poly) p = {coord(rng), coord(rng)};
        if (trial % 5 == 0) poly[1].y = poly[0].y;  // horizontal edges
        const bool alternate = trial % 3 == 0;
        OwnedRaster got(64, 48);
        FillPolygon(got.raster, poly.data(), static_cast<int>(poly.size()),
                    alternate ? FillRule::Alternate : FillRule::Winding, kInk);
        ASSERT_TRUE(got == ReferenceFill(poly, 64, 48, alternate)) << "trial " << trial;
    }
}

TEST(FillConvexPolygon, MatchesTheGeneralFillOnParallelogramsAndConvexShapes) {
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> coord(-20, 80), offset(-9, 9);
    for (int trial = 0; trial < 3000; ++trial) {
        std::vector<PixelPoint> poly;
        if (trial % 2 == 0) {  // a pen body: one offset pair at both ends of a segment
            const PixelPoint a{coord(rng), coord(rng)}, b{coord(rng), coord(rng)};
            const PixelPoint n{offset(rng), offset(rng)}, w{offset(rng), offset(rng)};
            poly = {{a.x - n.x, a.y + n.y},
                    {a.x + w.x, a.y - w.y},
                    {b.x + w.x, b.y - w.y},
                    {b.x - n.x, b.y + n.y}};
        } else {  // a convex polygon: points on an ellipse, in angle order
            const int k = 3 + trial % 6;
            const double cx = coord(rng), cy = coord(rng), rx = 1 + rng() % 40, ry = 1 + rng() % 40;
            for (int i = 0; i < k; ++i) {
                const double t = 6.283185307179586 * (i + (rng() % 100) / 200.0) / k;
                poly.push_back({int(std::lround(cx + rx * std::cos(t))),
                                int(std::lround(cy + ry * std::sin(t)))});
            }
        }
        OwnedRaster general(64, 48), convex(64, 48);
        FillPolygon(general.raster, poly.data(), static_cast<int>(poly.size()), FillRule::Winding,
                    kInk);
        FillConvexPolygon(convex.raster, test::Far(poly).data(), static_cast<int>(poly.size()),
                          kInk);
        ASSERT_TRUE(general == convex) << "trial " << trial;
    }
}

TEST(FillPolygon, DegenerateAndFarPolygonsStayInBounds) {
    OwnedRaster r(30, 30);
    const PixelPoint line[3] = {{1, 1}, {20, 20}, {1, 1}};
    FillPolygon(r.raster, line, 3, FillRule::Winding, kInk);
    EXPECT_EQ(r.Count(kInk), 0) << "a polygon of no area fills nothing";

    const PixelPoint flat[4] = {{0, 5}, {29, 5}, {20, 5}, {3, 5}};
    FillPolygon(r.raster, flat, 4, FillRule::Winding, kInk);
    EXPECT_EQ(r.Count(kInk), 0) << "only horizontal edges: nothing";

    const PixelPoint huge[3] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {0, INT_MAX}};
    FillPolygon(r.raster, huge, 3, FillRule::Winding, kInk);
    EXPECT_EQ(r.Count(kInk), 30 * 30) << "a triangle far around the raster covers all of it";
}

TEST(FillPolygon, FarVerticesMatchTheReferenceExactly) {
    // Vertices thousands of pixels to the int range's ends away, mixed with some on the
    // raster, and pairs mirrored through it, so far edges cross it at every slope.
    std::mt19937 rng(2718);
    std::uniform_int_distribution<int> near(-20, 70), size(3, 9);
    int visible = 0;  // shapes that reach the raster at all
    for (int trial = 0; trial < 400; ++trial) {
        const std::vector<PixelPoint> poly = test::FarVertices(rng, size(rng), near, false);
        const bool alternate = trial % 3 == 0;
        OwnedRaster got(64, 48);
        FillPolygon(got.raster, poly.data(), static_cast<int>(poly.size()),
                    alternate ? FillRule::Alternate : FillRule::Winding, kInk);
        visible += got.Count(kInk) > 0;
        ASSERT_TRUE(got == ReferenceFill(poly, 64, 48, alternate)) << "trial " << trial;
        if (poly.size() ==
            4) {  // the convex fill on the same points where they happen to be convex
            OwnedRaster convex(64, 48);
            const auto far = test::Far(poly);
            i128 turn[4];
            for (int k = 0; k < 4; ++k) {
                const FarPoint a = far[k], b = far[(k + 1) % 4], c = far[(k + 2) % 4];
                turn[k] = i128{b.x - a.x} * (c.y - b.y) - i128{b.y - a.y} * (c.x - b.x);
            }
            const bool cw = turn[0] > 0 && turn[1] > 0 && turn[2] > 0 && turn[3] > 0;
            const bool ccw = turn[0] < 0 && turn[1] < 0 && turn[2] < 0 && turn[3] < 0;
            if (!cw && !ccw) continue;
            FillConvexPolygon(convex.raster, far.data(), 4, kInk);
            ASSERT_TRUE(convex == ReferenceFill(poly, 64, 48, false)) << "convex trial " << trial;
        }
    }
    EXPECT_GT(visible, 133);
}

}  // namespace
}  // namespace runtime

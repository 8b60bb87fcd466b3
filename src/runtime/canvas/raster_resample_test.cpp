#include "runtime/canvas/raster_resample.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

TEST(Resample, AWholeZoomMakesEachPixelASquareBlockAndAShrinkPicksPixels) {
    // A 3 x 2 picture whose pixels are numbered 0 .. 5.
    std::vector<Pixel> pixels{0, 1, 2, 3, 4, 5};
    const Raster r{pixels.data(), 3, 2};
    const std::vector<Pixel> doubled = Resample(r, {1, 0, 3, 2}, 4, 4);
    EXPECT_EQ(doubled, (std::vector<Pixel>{1, 1, 2, 2, 1, 1, 2, 2, 4, 4, 5, 5, 4, 4, 5, 5}));
    EXPECT_EQ(Resample(r, {0, 0, 3, 2}, 3, 2), pixels);
    // 13 columns onto 5: each takes the column it starts over.
    std::vector<Pixel> wide(13);
    for (int i = 0; i < 13; ++i) wide[i] = static_cast<Pixel>(i);
    EXPECT_EQ(Resample(Raster{wide.data(), 13, 1}, {0, 0, 13, 1}, 5, 1),
              (std::vector<Pixel>{0, 2, 5, 7, 10}));
    EXPECT_TRUE(Resample(r, {1, 1, 1, 2}, 4, 4).empty());
}

}  // namespace
}  // namespace runtime

#pragma once
// A part of a raster shown larger (or smaller) without smoothing: every pixel of the result
// takes the colour of the source pixel it lies over. At a whole-number zoom each source pixel
// becomes a square block, which is how the pictures are shown on a scaled screen.

#include <vector>

#include "runtime/canvas/raster.h"

namespace runtime {

// The pixels of `area` of `from` (inside it) stretched to `width` x `height`, top-down rows.
std::vector<Pixel> Resample(const Raster& from, const PixelRect& area, int width, int height);

}  // namespace runtime

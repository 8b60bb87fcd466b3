#pragma once
// One-pixel lines with the coverage of GDI's solid one-pixel pen: the start pixel is drawn,
// the end pixel is not, and the Bresenham tie-break depends on the octant.

#include "runtime/canvas/raster.h"

namespace runtime {

void DrawLine(const Raster& r, PixelPoint from, PixelPoint to, Pixel p);

// The closed outline p0->p1, ..., p(n-1)->p0. Fewer than 2 points draw nothing.
void DrawClosedOutline(const Raster& r, const PixelPoint* points, int count, Pixel p);

}  // namespace runtime

#pragma once
// Polygon interiors with GDI's coverage. A pixel (x, y) is sampled at the integer point
// (x, y): on row y an edge crosses at X, and a span runs from ceil(X_enter) to ceil(X_exit)
// with its right end excluded, so pixels on left and top edges are in, on right and bottom
// edges out. Horizontal edges count for nothing.

#include "runtime/canvas/raster.h"

namespace runtime {

enum class FillRule {
    Winding,    // filled where the winding number is non-zero (edges going down count +1)
    Alternate,  // filled between pairs of crossings (even-odd)
};

constexpr int kMaxPolygonPoints = 1024;

// Fills the interior of the closed polygon of `count` points (at most kMaxPolygonPoints;
// more are ignored). No heap allocation.
void FillPolygon(const Raster& r, const PixelPoint* points, int count, FillRule rule, Pixel p);

// The same pixels as FillPolygon for a convex polygon of at most kMaxConvexPoints points,
// without its general machinery: every row crosses the outline twice at most. Its points may
// lie beyond the int range, as a wide pen's body around a far vertex does.
constexpr int kMaxConvexPoints = 8;
void FillConvexPolygon(const Raster& r, const FarPoint* points, int count, Pixel p);

}  // namespace runtime

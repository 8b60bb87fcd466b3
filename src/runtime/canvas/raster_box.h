#pragma once
// Rectangles as GDI's Rectangle and RoundRect draw them: the outline is the closed path
// (right-1, top) (left, top) (left, bottom-1) (right-1, bottom-1), so a box covers columns
// left .. right-1 and rows top .. bottom-1; the interior is painted first, the outline over it.

#include <cstdint>
#include <optional>

#include "runtime/canvas/raster.h"

namespace runtime {

struct BoxStyle {
    int penWidth = 1;              // 0 and 1 both mean one pixel
    std::optional<Pixel> border;   // none: no outline, and the fill reaches one pixel further
    std::optional<Pixel> fill;     // none: the interior is left as it is
    std::int64_t cornerWidth = 0;  // the corner ellipse; 2 or less gives square corners
    std::int64_t cornerHeight = 0;
};

// `box` must be ordered (left <= right, top <= bottom); an empty box draws nothing.
void DrawBoxPixels(const Raster& r, PixelRect box, const BoxStyle& style);

}  // namespace runtime

#include "runtime/canvas/raster_resample.h"

#include <algorithm>
#include <cstdint>

namespace runtime {

std::vector<Pixel> Resample(const Raster& from, const PixelRect& area, int width, int height) {
    const int areaWidth = area.right - area.left, areaHeight = area.bottom - area.top;
    if (area.Empty() || width <= 0 || height <= 0) return {};
    std::vector<Pixel> out(static_cast<std::size_t>(width) * height);
    // The source column of every column of the result, worked out once.
    std::vector<int> columns(width);
    for (int x = 0; x < width; ++x)
        columns[x] = area.left + static_cast<int>(std::int64_t{x} * areaWidth / width);
    int lastSource = -1;
    for (int y = 0; y < height; ++y) {
        const int source = area.top + static_cast<int>(std::int64_t{y} * areaHeight / height);
        Pixel* row = out.data() + static_cast<std::size_t>(y) * width;
        if (source == lastSource) {
            std::copy(row - width, row, row);  // a zoomed row repeats the one above it
            continue;
        }
        const Pixel* in = from.Row(source);
        for (int x = 0; x < width; ++x) row[x] = in[columns[x]];
        lastSource = source;
    }
    return out;
}

}  // namespace runtime

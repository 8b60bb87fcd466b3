#pragma once

#include <cstdint>

namespace runtime {

// GDI refuses bitmaps beyond 32767 pixels a side in practice, and a gigabyte of pixels is
// more than any screen of ours; asking for more is a failure, not an allocation attempt.
inline bool SurfaceSizeAllowed(int width, int height) {
    constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;
    return width > 0 && height > 0 && width <= 32767 && height <= 32767 &&
           std::int64_t{width} * height <= kMaxPixels;
}

}  // namespace runtime

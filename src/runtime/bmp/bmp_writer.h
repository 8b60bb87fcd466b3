#pragma once
// Saves the current drawing target as an uncompressed 24-bit bottom-up BMP file.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/canvas/raster.h"

namespace runtime {

constexpr int kBmpHeaderSize = 54;  // file header (14) and BITMAPINFOHEADER (40)

// Rows of 3 bytes a pixel, padded with zeros to a multiple of 4.
constexpr std::int64_t BmpRowStride(int width) {
    return (std::int64_t{width} * 3 + 3) / 4 * 4;
}

// The two headers for a w x h picture, as they stand at the start of the file.
std::vector<std::uint8_t> BmpHeaders(int width, int height);

// The pixel array: bottom row first, blue, green, red, each row padded.
std::vector<std::uint8_t> BmpPixelArray(const Raster& raster);

// Writes the whole raster of the current target to `fileName` (relative to the working folder
// or absolute). True only when the whole file was written and is in place; on any
// failure an older file of that name stays as it was and nothing else is left behind.
bool SaveBmp(const std::filesystem::path& fileName);

}  // namespace runtime

#pragma once
// Pictures the program writes, as the checks read them.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace e2e {

// Pixels top-down, each 0x00RRGGBB.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// A colour of the program (0x00BBGGRR) as a pixel of an Image (0x00RRGGBB).
constexpr std::uint32_t PixelOf(std::uint32_t colorref) {
    return ((colorref & 0xFF) << 16) | (colorref & 0xFF00) | ((colorref >> 16) & 0xFF);
}

// What a BMP file holds, as far as the checks need it.
struct BmpFile {
    std::uint64_t fileSize = 0;
    std::uint32_t declaredSize = 0;  // the header's own file size field
    std::uint32_t pixelOffset = 0;
    int bitsPerPixel = 0;
    int compression = -1;
    bool bottomUp = false;
    Image image;
};

// Reads an uncompressed 24- or 32-bit BMP; throws a Failure saying what is wrong otherwise.
BmpFile ReadBmp(const std::filesystem::path& file);


std::string DescribePixel(std::uint32_t pixel);

}  // namespace e2e

#pragma once
// Pixels as the tests look at them, on screen and in the files the program writes: top-down,
// each 0x00RRGGBB.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace e2e {

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// A colour of the program (0x00BBGGRR) as a pixel (0x00RRGGBB).
constexpr std::uint32_t PixelOf(std::uint32_t colorref) {
    return (colorref & 0xFF) << 16 | (colorref & 0xFF00) | (colorref >> 16 & 0xFF);
}

}  // namespace e2e

#pragma once
// The BMP files the program writes, read back for the checks.

#include <cstdint>
#include <filesystem>

#include "automation/picture.h"

namespace e2e {

// What a BMP file holds, as far as the checks need it.
struct BmpFile {
    std::uint64_t fileSize = 0;
    std::uint32_t declaredSize = 0;  // the header's own file size field
    std::uint32_t pixelOffset = 0;
    int bitsPerPixel = 0;
    int compression = -1;
    bool bottomUp = false;
    Picture image;
};

// Reads an uncompressed 24- or 32-bit BMP; throws a Failure saying what is wrong otherwise.
BmpFile ReadBmp(const std::filesystem::path& file);

class Program;
// "Grabar Imagen" with `sides` sides chosen, its box answered, and the picture it wrote;
// throws a Failure when no box came or no picture was written.
Picture SavedPicture(const Program& p, int sides);

}  // namespace e2e

#include "runtime/bmp/bmp_writer.h"

#include "runtime/canvas/drawing_targets.h"
#include "runtime/files/little_endian.h"
#include "runtime/files/replacement_file.h"

namespace runtime {

std::vector<std::uint8_t> BmpHeaders(int width, int height) {
    std::vector<std::uint8_t> h(kBmpHeaderSize, 0);
    const auto fileSize = static_cast<std::uint32_t>(kBmpHeaderSize + BmpRowStride(width) * height);
    h[0] = 'B';
    h[1] = 'M';
    PutLittleEndian32(&h[2], fileSize);
    PutLittleEndian32(&h[10], kBmpHeaderSize);  // the pixels follow the headers directly
    PutLittleEndian32(&h[14], 40);
    PutLittleEndian32(&h[18], static_cast<std::uint32_t>(width));
    PutLittleEndian32(&h[22],
                      static_cast<std::uint32_t>(height));  // positive: rows stored bottom-up
    PutLittleEndian16(&h[26], 1);
    PutLittleEndian16(&h[28], 24);
    // Compression (BI_RGB), image size, resolutions and colour counts are all 0.
    return h;
}

std::vector<std::uint8_t> BmpPixelArray(const Raster& raster) {
    const auto stride = static_cast<std::size_t>(BmpRowStride(raster.width));
    std::vector<std::uint8_t> bytes(stride * static_cast<std::size_t>(raster.height), 0);
    std::uint8_t* out = bytes.data();
    for (int y = raster.height - 1; y >= 0; --y, out += stride) {
        const Pixel* row = raster.Row(y);
        for (int x = 0; x < raster.width; ++x) {
            const Pixel p = row[x];
            out[3 * x] = static_cast<std::uint8_t>(p);
            out[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);
            out[3 * x + 2] = static_cast<std::uint8_t>(p >> 16);
        }
    }
    return bytes;
}

bool SaveBmp(const std::filesystem::path& fileName) {
    if (fileName.empty()) return false;
    int width = 0, height = 0;
    std::vector<std::uint8_t> pixels;
    if (!WithCurrentRaster([&](const Raster& r, void*) {
            width = r.width;
            height = r.height;
            pixels = BmpPixelArray(r);
        }))
        return false;

    std::vector<std::uint8_t> bytes = BmpHeaders(width, height);
    bytes.insert(bytes.end(), pixels.begin(), pixels.end());
    ReplacementFile file(fileName);
    // Where no new picture can be made beside an older one, the older one is written over.
    if (!file.Open()) return file.WriteInPlace(bytes);
    return file.Write(bytes.data(), 14) && file.Write(bytes.data() + 14, 40) &&
           file.Write(bytes.data() + kBmpHeaderSize, pixels.size()) && file.Commit();
}

}  // namespace runtime

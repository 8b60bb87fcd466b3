#include "bmp_file.h"

#include <fstream>
#include <iterator>

#include "automation/failure.h"
#include "automation/program_driver.h"
#include "ids/program_ids.h"

namespace e2e {

namespace {

std::uint32_t Little32(const std::vector<unsigned char>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t Little16(const std::vector<unsigned char>& b, size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

}  // namespace

BmpFile ReadBmp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) Fail("cannot open " + file.string());
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    BmpFile bmp;
    bmp.fileSize = b.size();
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') Fail(file.string() + " is not a BMP file");
    bmp.declaredSize = Little32(b, 2);
    bmp.pixelOffset = Little32(b, 10);
    const auto width = static_cast<std::int32_t>(Little32(b, 18));
    const auto height = static_cast<std::int32_t>(Little32(b, 22));
    bmp.bitsPerPixel = Little16(b, 28);
    bmp.compression = static_cast<int>(Little32(b, 30));
    bmp.bottomUp = height > 0;
    if (bmp.compression != 0 || (bmp.bitsPerPixel != 24 && bmp.bitsPerPixel != 32))
        Fail(file.string() + ": expected an uncompressed 24- or 32-bit picture, got " +
             std::to_string(bmp.bitsPerPixel) + " bits, compression " +
             std::to_string(bmp.compression));
    Picture& image = bmp.image;
    image.width = width;
    image.height = height < 0 ? -height : height;
    const size_t bytes = static_cast<size_t>(bmp.bitsPerPixel / 8);
    const size_t stride = (image.width * bytes + 3) & ~size_t{3};
    if (image.width <= 0 || bmp.pixelOffset + stride * image.height > b.size())
        Fail(file.string() + ": pixel data shorter than its header says");
    image.pixels.resize(static_cast<size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        const size_t row = bmp.pixelOffset + stride * (bmp.bottomUp ? image.height - 1 - y : y);
        for (int x = 0; x < image.width; ++x) {
            const size_t at = row + x * bytes;
            image.pixels[static_cast<size_t>(y) * image.width + x] =
                (b[at + 2] << 16) | (b[at + 1] << 8) | b[at];
        }
    }
    return bmp;
}

Picture SavedPicture(const Program& p, int sides) {
    p.Post(ids::kSavePicture);
    if (!AnswerBox(p)) Fail("\"Grabar Imagen\" showed no box");
    return ReadBmp(p.PictureFile(sides)).image;
}

}  // namespace e2e

// Arbitrary bytes as the cells of one palette row: the picture draws whatever a record says,
// at any coordinates a file can hold, without overflow or a write outside the picture.
// Loading puts exactly the decoded records into the cells (the loader's fuzzer checks that),
// so these are all the cells a file can give.
#include <algorithm>
#include <cstdint>
#include <span>

#include "favorites/favorites_store.h"
#include "favorites/palette_picture.h"

using namespace favorites;

namespace {

// One picture for the whole run, kept by the drawing targets until the process ends. It is
// smaller than the dialog's: the arithmetic and the clipping that crafted cells reach are the
// same at any size, while a cell covering the dialog's picture would fill 105,000 pixels.
runtime::TargetHandle Picture() {
    static const runtime::TargetHandle bitmap = runtime::NewBitmap(32, 32);
    if (bitmap <= 0) __builtin_trap();
    return bitmap;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FavoriteColors = {};
    const std::size_t cells = std::min<std::size_t>(size / kRecordLength, FavoriteColumns);
    for (std::size_t k = 0; k < cells; ++k)
        FavoriteColors[0][k] =
            DecodeRecord(std::span(data + k * kRecordLength, data + (k + 1) * kRecordLength)
                             .first<kRecordLength>());
    // The first row only: the other cells would draw the same way, at 130 boxes an input.
    ClearPalette(Picture());
    runtime::SetPenWidth(SwatchPenWidth);
    for (std::size_t k = 0; k < cells; ++k) DrawCellBox(0, static_cast<int>(k), runtime::kBlack);
    return 0;
}

#include "runtime/canvas/fixed_pitch_fonts.h"

#include <algorithm>

#include "runtime/canvas/raster.h"

namespace runtime {

FixedPitchFontBackend::FixedPitchFontBackend(int cellWidth, int cellHeight, int externalLeading)
    : cellWidth_(std::max(cellWidth, 1)),
      cellHeight_(std::max(cellHeight, 1)),
      externalLeading_(std::max(externalLeading, 0)) {}

std::optional<FontMetrics> FixedPitchFontBackend::Metrics(int font, void*) {
    if (font < 1 || font > 3) return std::nullopt;
    return FontMetrics{cellHeight_, externalLeading_};
}

TextExtent FixedPitchFontBackend::Measure(int font, void*, std::string_view text) {
    if (font < 1 || font > 3) return {};
    const auto width = static_cast<long long>(text.size()) * CellWidth(font);
    return {static_cast<int>(std::min<long long>(width, kTextPositionLimit)), cellHeight_};
}

std::size_t FixedPitchFontBackend::FitCount(int font, void*, std::string_view text, int width) {
    if (font < 1 || font > 3 || width <= 0) return 0;
    return std::min(text.size(), static_cast<std::size_t>(width / CellWidth(font)));
}

PixelRect FixedPitchFontBackend::Draw(int font, const Raster& raster, void*, int x, int y,
                                      std::string_view text, COLORREF fore, COLORREF back) {
    if (font < 1 || font > 3 || text.empty()) return {};
    const int w = CellWidth(font);
    const PixelRect area{x, y,
                         static_cast<int>(std::min<long long>(
                             x + static_cast<long long>(text.size()) * w, kTextPositionLimit)),
                         y + cellHeight_};
    if (back != NoColor) FillRect(raster, area, PixelFromColor(PlainColor(back)));
    const Pixel ink = PixelFromColor(PlainColor(fore));
    for (std::size_t i = 0; i < text.size(); ++i) {
        const long long left = x + static_cast<long long>(i) * w;
        if (left >= raster.width) break;
        if (text[i] == ' ') continue;
        // A block a pixel inside the cell, so neighbouring glyphs stay apart.
        FillRect(raster,
                 {static_cast<int>(left) + 1, y + 1, static_cast<int>(left) + w - 1,
                  y + cellHeight_ - 1},
                 ink);
    }
    return Intersect(area, raster.Bounds());
}

}  // namespace runtime

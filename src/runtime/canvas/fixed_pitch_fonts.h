#pragma once
// A font backend of fixed metrics, for the host build, which has no fonts of the platform, and
// for tests that need text of known extent. Not part of the Windows program.

#include "runtime/canvas/canvas_text.h"

namespace runtime {

// Fonts of fixed metrics: every character `cellWidth` wide and `cellHeight` high, glyphs
// drawn as solid blocks. Stands in for fonts where the platform has none (the host build).
class FixedPitchFontBackend : public FontBackend {
  public:
    // Fonts 1 to 3 with the given cell sizes; any other id is unknown.
    FixedPitchFontBackend(int cellWidth, int cellHeight, int externalLeading);
    std::optional<FontMetrics> Metrics(int font, void* drawingContext) override;
    TextExtent Measure(int font, void* drawingContext, std::string_view text) override;
    std::size_t FitCount(int font, void* drawingContext, std::string_view text, int width) override;
    PixelRect Draw(int font, const Raster& raster, void* drawingContext, int x, int y,
                   std::string_view text, COLORREF fore, COLORREF back) override;

  private:
    int CellWidth(int font) const { return cellWidth_ + (font - 1); }  // each font a little wider
    int cellWidth_, cellHeight_, externalLeading_;
};

}  // namespace runtime

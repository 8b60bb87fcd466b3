#pragma once
// Text written onto a drawing target: a font per target, a current position that follows
// the text, measuring and cutting a text to a width. The glyphs come from a font backend:
// GDI on Windows, drawing into the target's DIB section, so widths and pixels agree.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/canvas/drawing_targets.h"

namespace runtime {

struct TextExtent {
    int width = 0;
    int height = 0;
    friend bool operator==(const TextExtent&, const TextExtent&) = default;
};

// Text positions are kept within +-2^27 pixels, what GDI's text output accepts, so that a
// position plus a text's width never leaves the int range.
constexpr int kTextPositionLimit = 1 << 27;

struct FontMetrics {
    int height = 0;           // of a character cell, pixels
    int externalLeading = 0;  // the gap the font asks for between lines
};

// Where the glyphs come from. Font ids are those of the dialog services; 1 to 3 are built in.
class FontBackend {
  public:
    virtual ~FontBackend() = default;
    // Null when the id names no font or the platform cannot make it.
    virtual std::optional<FontMetrics> Metrics(int font, void* drawingContext) = 0;
    virtual TextExtent Measure(int font, void* drawingContext, std::string_view text) = 0;
    // How many leading characters of `text` fit into `width` pixels.
    virtual std::size_t FitCount(int font, void* drawingContext, std::string_view text,
                                 int width) = 0;
    // Draws with the top left of the first cell at (x, y); a `back` of NoColor leaves the
    // cells' background as it is. Gives back the area it touched.
    virtual PixelRect Draw(int font, const Raster& raster, void* drawingContext, int x, int y,
                           std::string_view text, COLORREF fore, COLORREF back) = 0;
};

FontBackend& PlatformFontBackend();
// Another backend (null puts the platform's back); gives back the one replaced. Tests give
// fonts of fixed metrics here, so that their widths are the same on every platform.
FontBackend* SetFontBackend(FontBackend* backend);

// A character height in pixels from points and dots per inch, halves to even.
int FontPixelHeight(int points, int dotsPerInch);

// The operations, on the calling thread's current target.
void SetFont(int font);  // 0 is font 1; an unknown font records 5 and changes nothing
TextExtent GetTargetSize();
void SetPosition(float x, float y);
PixelPoint GetPosition();
TextExtent TextSize(const std::string& text);
void PrintText(const std::string& text);
void NewLine();

struct SplitText {
    std::string head;  // what fits
    std::string rest;  // from the cut on; in word mode it starts with the blank cut at
};
SplitText SplitToWidth(const std::string& text, float width, int wordMode);
void* GetDrawingContext();

}  // namespace runtime

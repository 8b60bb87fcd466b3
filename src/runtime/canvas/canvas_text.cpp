#include "runtime/canvas/canvas_text.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "runtime/files/error_number.h"

namespace runtime {

namespace {

FontBackend* chosen = nullptr;

FontBackend& Backend() {
    return chosen ? *chosen : PlatformFontBackend();
}

// The line height of the target's font, measured the first time it is needed.
int LineHeight(TextTarget& t) {
    if (t.text.lineHeight < 0) {
        const auto m = Backend().Metrics(t.text.font, t.drawingContext);
        t.text.lineHeight = m ? m->height + m->externalLeading : 0;
    }
    return t.text.lineHeight;
}

}  // namespace

FontBackend* SetFontBackend(FontBackend* backend) {
    return std::exchange(chosen, backend);
}

int FontPixelHeight(int points, int dotsPerInch) {
    return static_cast<int>(std::nearbyint(static_cast<double>(points) * dotsPerInch / 72.0));
}

void SetFont(int font) {
    if (font == 0) font = 1;
    WithCurrentText([&](TextTarget& t) {
        const auto m = Backend().Metrics(font, t.drawingContext);
        if (!m) {
            RecordError(kIllegalFunctionCall);
        } else {
            t.text.font = font;
            t.text.lineHeight = m->height + m->externalLeading;
        }
        return PixelRect{};
    });
}

TextExtent GetTargetSize() {
    TextExtent size;
    WithCurrentText([&](TextTarget& t) {
        size = {t.raster.width, t.raster.height};
        return PixelRect{};
    });
    return size;
}

void SetPosition(float x, float y) {
    WithCurrentText([&](TextTarget& t) {
        t.text.x = std::clamp(PixelCoordinate(x), -kTextPositionLimit, kTextPositionLimit);
        t.text.y = std::clamp(PixelCoordinate(y), -kTextPositionLimit, kTextPositionLimit);
        return PixelRect{};
    });
}

PixelPoint GetPosition() {
    PixelPoint at;
    WithCurrentText([&](TextTarget& t) {
        at = {t.text.x, t.text.y};
        return PixelRect{};
    });
    return at;
}

TextExtent TextSize(const std::string& text) {
    TextExtent size;
    WithCurrentText([&](TextTarget& t) {
        size = Backend().Measure(t.text.font, t.drawingContext, text);
        return PixelRect{};
    });
    return size;
}

void PrintText(const std::string& text) {
    WithCurrentText([&](TextTarget& t) {
        const TextExtent size = Backend().Measure(t.text.font, t.drawingContext, text);
        const PixelRect drawn = Backend().Draw(t.text.font, t.raster, t.drawingContext, t.text.x,
                                               t.text.y, text, t.foreColor, t.backColor);
        t.text.x = std::min(t.text.x + size.width, kTextPositionLimit);
        return drawn;
    });
}

void NewLine() {
    WithCurrentText([&](TextTarget& t) {
        t.text.x = 0;
        t.text.y = std::min(t.text.y + LineHeight(t), kTextPositionLimit);
        return PixelRect{};
    });
}

SplitText SplitToWidth(const std::string& text, float width, int wordMode) {
    SplitText split;
    WithCurrentText([&](TextTarget& t) {
        const int pixels =
            std::isnan(width) ? 0 : static_cast<int>(std::clamp(std::floor(width), -1.0f, 1e9f));
        const std::size_t n = Backend().FitCount(t.text.font, t.drawingContext, text, pixels);
        if (n >= text.size()) {
            split.head = text;
            return PixelRect{};
        }
        std::size_t cut = n;
        if (wordMode) {
            // Back from the first character that does not fit to a blank; index 0 is never
            // looked at, so a text whose first word is too wide leaves nothing in the head.
            while (cut > 0 && text[cut] != ' ') --cut;
        }
        split.head = text.substr(0, cut);
        split.rest = text.substr(cut);
        return PixelRect{};
    });
    return split;
}

void* GetDrawingContext() {
    void* dc = nullptr;
    WithCurrentText([&](TextTarget& t) {
        dc = t.drawingContext;
        return PixelRect{};
    });
    return dc;
}

}  // namespace runtime

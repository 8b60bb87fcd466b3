// Canvas text through GDI: the target's DIB section is selected into its own memory context,
// so GDI measures and draws with the very font the layout was computed with.
#include "runtime/canvas/canvas_text_win.h"

#include <algorithm>
#include <array>
#include <vector>

#include "runtime/canvas/canvas_text.h"
#include "runtime/canvas/gdi_fonts_win.h"
#include "runtime/canvas/gdi_objects_win.h"
#include "runtime/files/platform_text.h"

namespace runtime {

namespace {

CanvasFontSource fontSource = nullptr;

struct BuiltInFont {
    const char* face;
    int points;
    bool bold;
};
// 1: the dialogs' own face; 2: the same, larger and bold, for headings; 3: fixed pitch.
constexpr std::array<BuiltInFont, 3> kBuiltIn{{
    {"MS Sans Serif", 8, false},
    {"MS Sans Serif", 10, true},
    {"Courier New", 10, false},
}};

HFONT BuiltIn(int font) {
    static std::array<Font, 3> made;
    Font& f = made[static_cast<std::size_t>(font - 1)];
    if (!f) {
        const BuiltInFont& b = kBuiltIn[static_cast<std::size_t>(font - 1)];
        f = MakeFont(b.face, FontPixelHeight(b.points, ScreenDpiY()), b.bold ? kBold : 0,
                     DEFAULT_CHARSET);
    }
    return f.Get();
}

HFONT Resolve(int font) {
    if (font >= 1 && font <= 3) return BuiltIn(font);
    return fontSource ? fontSource(font) : nullptr;
}

class GdiFontBackend final : public FontBackend {
  public:
    std::optional<FontMetrics> Metrics(int font, void* context) override {
        HDC dc = static_cast<HDC>(context);
        HFONT f = Resolve(font);
        if (!f || !dc) return std::nullopt;
        Selection chosen(dc, f);
        TEXTMETRICW m{};
        if (!GetTextMetricsW(dc, &m)) return std::nullopt;
        return FontMetrics{m.tmHeight, m.tmExternalLeading};
    }

    TextExtent Measure(int font, void* context, std::string_view text) override {
        HDC dc = static_cast<HDC>(context);
        HFONT f = Resolve(font);
        if (!f || !dc) return {};
        Selection chosen(dc, f);
        const std::wstring wide = WideFromText(std::string(text));
        SIZE size{};
        if (!GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size))
            return {};
        if (wide.empty()) {
            TEXTMETRICW m{};
            if (GetTextMetricsW(dc, &m)) size.cy = m.tmHeight;
        }
        return {size.cx, size.cy};
    }

    std::size_t FitCount(int font, void* context, std::string_view text, int width) override {
        HDC dc = static_cast<HDC>(context);
        HFONT f = Resolve(font);
        if (!f || !dc || width < 0) return 0;
        Selection chosen(dc, f);
        const std::wstring wide = WideFromText(std::string(text));
        INT fit = 0;
        SIZE size{};
        if (!GetTextExtentExPointW(dc, wide.c_str(), static_cast<int>(wide.size()), width, &fit,
                                   nullptr, &size))
            return 0;
        // Windows-1252 is one character a byte, so the count is the same in both texts.
        return static_cast<std::size_t>(std::max(fit, 0));
    }

    PixelRect Draw(int font, const Raster& raster, void* context, int x, int y,
                   std::string_view text, COLORREF fore, COLORREF back) override {
        HDC dc = static_cast<HDC>(context);
        HFONT f = Resolve(font);
        if (!f || !dc || text.empty()) return {};
        Selection chosen(dc, f);
        const std::wstring wide = WideFromText(std::string(text));
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        SetTextColor(dc, static_cast<::COLORREF>(PlainColor(fore)));
        if (back == NoColor) {
            SetBkMode(dc, TRANSPARENT);
        } else {
            SetBkMode(dc, OPAQUE);
            SetBkColor(dc, static_cast<::COLORREF>(PlainColor(back)));
        }
        SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
        const BOOL drawn = TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
        GdiFlush();  // the raster is read directly: GDI must have finished with it
        if (!drawn) return {};
        // Overhangs of italic and bold glyphs reach a little past the advance.
        const int slack = size.cy / 4 + 1;
        return Intersect({x - slack, y, x + size.cx + slack, y + size.cy}, raster.Bounds());
    }
};

}  // namespace

void SetCanvasFontSource(CanvasFontSource source) {
    fontSource = source;
}

FontBackend& PlatformFontBackend() {
    static GdiFontBackend backend;
    return backend;
}

}  // namespace runtime

#include "runtime/canvas/canvas_text.h"
#include "runtime/canvas/fixed_pitch_fonts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/files/error_number.h"

namespace runtime {
namespace {

// Fonts whose characters have different widths, so that cutting a text is tested at
// uneven places: a blank is 3 wide, "i" 2, "W" 9, everything else 5; font 2 is twice as wide.
class TableFonts final : public FontBackend {
  public:
    static int Width(int font, char c) {
        const int w = c == ' ' ? 3 : c == 'i' ? 2 : c == 'W' ? 9 : 5;
        return font == 2 ? 2 * w : w;
    }
    static bool Known(int font) { return font == 1 || font == 2 || font == 7; }

    std::optional<FontMetrics> Metrics(int font, void*) override {
        if (!Known(font)) return std::nullopt;
        return font == 2 ? FontMetrics{20, 4} : FontMetrics{10, 2};
    }
    TextExtent Measure(int font, void*, std::string_view text) override {
        if (!Known(font)) return {};
        int w = 0;
        for (char c : text) w += Width(font, c);
        return {w, Metrics(font, nullptr)->height};
    }
    std::size_t FitCount(int font, void*, std::string_view text, int width) override {
        int used = 0;
        std::size_t n = 0;
        while (n < text.size() && used + Width(font, text[n]) <= width)
            used += Width(font, text[n++]);
        return n;
    }
    PixelRect Draw(int font, const Raster& r, void*, int x, int y, std::string_view text,
                   COLORREF fore, COLORREF back) override {
        draws.push_back({font, x, y, std::string(text)});
        const TextExtent size = Measure(font, nullptr, text);
        const PixelRect area{x, y, x + size.width, y + size.height};
        if (back != NoColor) FillRect(r, area, PixelFromColor(back));
        FillRect(r, {x, y, x + 1, y + 1}, PixelFromColor(fore));  // one pixel of ink marks the spot
        return area;
    }

    struct Drawn {
        int font, x, y;
        std::string text;
        friend bool operator==(const Drawn&, const Drawn&) = default;
    };
    std::vector<Drawn> draws;
};

class CanvasText : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = SetFontBackend(&fonts_);
        bitmap_ = NewBitmap(200, 100);
        ASSERT_GT(bitmap_, 0);
        AttachTarget(bitmap_, 0, 0);
    }
    void TearDown() override {
        AttachTarget(bitmap_, 0, 0);
        EndBitmap();
        SetFontBackend(previous_);
    }

    TableFonts fonts_;
    FontBackend* previous_ = nullptr;
    TargetHandle bitmap_ = 0;
};

TEST(FontPixelHeight, PointsTimesDotsPerInchOver72HalvesToEven) {
    EXPECT_EQ(FontPixelHeight(12, 96), 16);
    EXPECT_EQ(FontPixelHeight(10, 96), 13);  // 13.33
    EXPECT_EQ(FontPixelHeight(8, 96), 11);   // 10.67
    EXPECT_EQ(FontPixelHeight(3, 12), 0);    // 0.5
    EXPECT_EQ(FontPixelHeight(9, 12), 2);    // 1.5
    EXPECT_EQ(FontPixelHeight(15, 12), 2);   // 2.5
}

TEST_F(CanvasText, PositionFollowsTheTextAndNewLineGoesToTheLeftEdge) {
    EXPECT_EQ(GetPosition(), (PixelPoint{0, 0}));
    EXPECT_EQ(GetTargetSize(), (TextExtent{200, 100}));
    SetPosition(40.5f, 10.f);  // halves to even
    EXPECT_EQ(GetPosition(), (PixelPoint{40, 10}));
    PrintText("ab");
    PrintText("i W");
    EXPECT_EQ(GetPosition(), (PixelPoint{40 + 10 + 14, 10}));
    ASSERT_EQ(fonts_.draws.size(), 2u);
    EXPECT_EQ(fonts_.draws[1], (TableFonts::Drawn{1, 50, 10, "i W"}))
        << "directly after the first, same line";

    NewLine();  // font 1 was never chosen: its line height is measured now
    EXPECT_EQ(GetPosition(), (PixelPoint{0, 22}));
    SetFont(2);
    NewLine();
    EXPECT_EQ(GetPosition(), (PixelPoint{0, 46}));
    EXPECT_EQ(TextSize("ab"), (TextExtent{20, 20}));

    SetPosition(3e9f, -3e9f);  // kept within the text limit, so a text's width still adds up
    EXPECT_EQ(GetPosition(), (PixelPoint{kTextPositionLimit, -kTextPositionLimit}));
    PrintText("ab");
    EXPECT_EQ(GetPosition(), (PixelPoint{kTextPositionLimit, -kTextPositionLimit}));

    ClearTarget(kWhite, 0);
    EXPECT_EQ(GetPosition(), (PixelPoint{0, 0})) << "a cleared target starts at the top left";
}

TEST_F(CanvasText, FontsUnknownOrZero) {
    ProcedureError error;
    SetFont(2);
    SetFont(5);
    EXPECT_EQ(error.Clear(), 5);
    EXPECT_EQ(TextSize("a").width, 10) << "an unknown font changes nothing";
    SetFont(7);
    EXPECT_EQ(error.Number(), 0);
    SetFont(0);
    EXPECT_EQ(error.Number(), 0);
    EXPECT_EQ(TextSize("a").width, 5) << "0 is font 1";
}

TEST_F(CanvasText, PrintingDrawsInTheTargetsColoursAtThePosition) {
    ClearTarget(kWhite, 0);
    SetForeColor(0x000000FF);
    SetBackColor(0x0000FF00);
    SetPosition(10, 20);
    PrintText("ab");  // 10 x 10, opaque
    EXPECT_EQ(ReadPixel(10, 20), 0x000000FF);
    EXPECT_EQ(ReadPixel(19, 29), 0x0000FF00);
    EXPECT_EQ(ReadPixel(20, 29), kWhite);

    SetBackColor(NoColor);
    SetPosition(100, 20);
    PrintText("ab");  // transparent: only the ink
    EXPECT_EQ(ReadPixel(100, 20), 0x000000FF);
    EXPECT_EQ(ReadPixel(105, 25), kWhite);
}

TEST_F(CanvasText, SplittingToAWidth) {
    struct Case {
        const char* text;
        float width;
        int wordMode;
        const char* head;
        const char* rest;
    };
    // Widths: "abc" 15, "abc de" 28, "abc de fg" 41.
    const Case cases[] = {
        {"abc de", 28, 1, "abc de", ""},  // fits exactly
        {"abc de", 28.9f, 1, "abc de", ""},
        {"abc de fg", 40, 1, "abc de", " fg"},  // cut at the blank, the rest keeps it
        {"abc de fg", 30, 1, "abc de", " fg"},  // the first misfit is the blank itself
        {"abc de fg", 27, 1, "abc", " de fg"},
        {"abcdefgh ij", 20, 1, "", "abcdefgh ij"},  // the first word alone is too wide
        {" abcdefgh", 20, 1, "", " abcdefgh"},      // index 0 is never looked at
        {"abc de fg", 27, 0, "abc d", "e fg"},      // characters, not words
        {"abc", 0, 1, "", "abc"},
        {"abc", -4, 1, "", "abc"},
        {"", 10, 1, "", ""},
    };
    int row = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE("case " + std::to_string(row++) + ": \"" + c.text + "\"");
        const SplitText s = SplitToWidth(c.text, c.width, c.wordMode);
        EXPECT_EQ(s.head, c.head);
        EXPECT_EQ(s.rest, c.rest);
    }
}

TEST(CanvasTextWithoutTarget, DoesNothingAndAnswersZero) {
    DetachTarget();
    ProcedureError error;
    EXPECT_EQ(GetTargetSize(), (TextExtent{0, 0}));
    EXPECT_EQ(GetPosition(), (PixelPoint{0, 0}));
    EXPECT_EQ(TextSize("abc"), (TextExtent{0, 0}));
    SetPosition(5, 5);
    PrintText("abc");
    NewLine();
    SetFont(1);
    EXPECT_EQ(GetPosition(), (PixelPoint{0, 0}));
    const SplitText s = SplitToWidth("abc def", 10, 1);
    EXPECT_EQ(s.head, "");
    EXPECT_EQ(s.rest, "");
    EXPECT_EQ(GetDrawingContext(), nullptr);
    EXPECT_EQ(error.Number(), 0);
}

TEST(FixedPitchFonts, WidthsCuttingAndDrawingAgree) {
    FixedPitchFontBackend fonts(6, 12, 3);
    FontBackend* previous = SetFontBackend(&fonts);
    const TargetHandle b = NewBitmap(60, 20);
    AttachTarget(b, 0, 0);
    ClearTarget(kWhite, 0);
    SetForeColor(0);
    SetBackColor(NoColor);
    EXPECT_EQ(TextSize("abcd"), (TextExtent{24, 12}));
    const SplitText s = SplitToWidth("ab cd ef", 35, 1);  // 5 characters fit
    EXPECT_EQ(s.head, "ab cd");
    PrintText("a b");
    EXPECT_EQ(GetPosition(), (PixelPoint{18, 0}));
    EXPECT_EQ(ReadPixel(3, 6), 0) << "inside the first glyph";
    EXPECT_EQ(ReadPixel(9, 6), kWhite) << "a blank draws nothing";
    EXPECT_EQ(ReadPixel(15, 6), 0);
    PrintText("abcdefghijkl");  // runs off the right edge, clipped
    NewLine();
    EXPECT_EQ(GetPosition(), (PixelPoint{0, 15}));
    EndBitmap();
    SetFontBackend(previous);
}

}  // namespace
}  // namespace runtime

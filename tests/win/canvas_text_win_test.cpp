// Canvas text through GDI under Wine: the widths GDI measures, the cuts made from them and the
// pixels it draws into the target's DIB section agree.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "runtime/canvas/canvas_text.h"
#include "runtime/canvas/drawing_targets.h"
#include "runtime/dialogs/dialog_services_win.h"
#include "runtime/files/error_number.h"

namespace {

using namespace runtime;

class CanvasTextWin : public ::testing::Test {
  protected:
    void SetUp() override {
        bitmap_ = NewBitmap(300, 80);
        ASSERT_GT(bitmap_, 0);
        AttachTarget(bitmap_, 0, 0);
        ClearTarget(kWhite, 0);
        SetForeColor(0);
        SetBackColor(NoColor);
    }
    void TearDown() override {
        AttachTarget(bitmap_, 0, 0);
        EndBitmap();
    }

    // The columns that hold a pixel other than white, in rows top .. bottom-1.
    static PixelRect Inked(int top, int bottom) {
        PixelRect ink{300, 80, -1, -1};
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < 300; ++x)
                if (ReadPixel(static_cast<float>(x), static_cast<float>(y)) != kWhite) {
                    ink.left = std::min(ink.left, x);
                    ink.right = std::max(ink.right, x + 1);
                    ink.top = std::min(ink.top, y);
                    ink.bottom = std::max(ink.bottom, y + 1);
                }
        return ink;
    }

    TargetHandle bitmap_ = 0;
};

TEST_F(CanvasTextWin, BuiltInFontsMeasureAndDraw) {
    ProcedureError error;
    for (int font = 1; font <= 3; ++font) {
        SCOPED_TRACE("font " + std::to_string(font));
        SetFont(font);
        EXPECT_EQ(error.Number(), 0);
        const TextExtent size = TextSize("Color Seleccionado");
        EXPECT_GT(size.width, 40);
        EXPECT_GT(size.height, 8);
    }
    SetFont(1);
    SetPosition(20, 10);
    const TextExtent size = TextSize("Hola");
    PrintText("Hola");
    EXPECT_EQ(GetPosition(), (PixelPoint{20 + size.width, 10}));
    const PixelRect ink = Inked(0, 80);
    EXPECT_GE(ink.left, 20) << "got " << ink.left;
    EXPECT_LE(ink.right, 20 + size.width + 1) << "got " << ink.right << ", width " << size.width;
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.bottom, 10 + size.height);
    EXPECT_GT(ink.right - ink.left, size.width / 2) << "the glyphs were drawn";

    PrintText("Hola");  // straight after the first
    EXPECT_GE(Inked(0, 80).right, 20 + size.width + size.width / 2);
}

TEST_F(CanvasTextWin, OpaqueBackgroundFillsTheCells) {
    SetFont(1);
    SetBackColor(0x0000FF00);
    SetPosition(5, 5);
    const TextExtent size = TextSize("ab");
    PrintText("ab");
    EXPECT_EQ(ReadPixel(5, 5 + size.height - 1), 0x0000FF00);
    EXPECT_EQ(ReadPixel(static_cast<float>(5 + size.width), 5), kWhite);
}

TEST_F(CanvasTextWin, CutsAgreeWithWidths) {
    SetFont(1);
    const std::string text = "Se perderan todos tus colores favoritos";
    for (int width = 10; width < TextSize(text).width; width += 17) {
        SCOPED_TRACE("width " + std::to_string(width));
        const SplitText s = SplitToWidth(text, static_cast<float>(width), 0);
        EXPECT_EQ(s.head + s.rest, text);
        EXPECT_LE(TextSize(s.head).width, width);
        EXPECT_GT(TextSize(s.head + s.rest.substr(0, 1)).width, width);
        const SplitText words = SplitToWidth(text, static_cast<float>(width), 1);
        EXPECT_EQ(words.head + words.rest, text);
        EXPECT_TRUE(words.rest.empty() || words.rest[0] == ' ' || words.head.empty());
    }
}

TEST_F(CanvasTextWin, DialogFontsAndJustification) {
    ProcedureError error;
    const int tahoma = NewFont("Tahoma", 12, 1, 0);
    SetFont(tahoma);
    EXPECT_EQ(error.Number(), 0);
    const TextExtent bold = TextSize("Color Seleccionado");
    // 12 points at 96 dots per inch: a 16-pixel character height, plus internal leading.
    EXPECT_GE(bold.height, 16) << "got " << bold.height;

    // The justification set on the drawing context stays across the font selections.
    HDC dc = static_cast<HDC>(GetDrawingContext());
    ASSERT_NE(dc, nullptr);
    ASSERT_TRUE(SetTextJustification(dc, 20, 1));
    EXPECT_EQ(TextSize("Color Seleccionado").width, bold.width + 20);
    SetTextJustification(dc, 0, 0);
    EXPECT_EQ(TextSize("Color Seleccionado").width, bold.width);

    EndFont(tahoma);
    SetFont(tahoma);
    EXPECT_EQ(error.Clear(), 5) << "an ended font is unknown";
    SetFont(3);
    EXPECT_EQ(error.Number(), 0);
}

}  // namespace

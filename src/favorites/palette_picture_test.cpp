#include "favorites/palette_picture.h"

#include <gtest/gtest.h>

#include "favorites/favorites_store.h"
#include "favorites/label_text.h"
#include "runtime/canvas/canvas_text.h"
#include "runtime/canvas/fixed_pitch_fonts.h"

namespace favorites {
namespace {

using namespace runtime;

class PalettePicture : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetFavorites();
        bitmap_ = NewBitmap(kPaletteWidth, kPaletteHeight);
        ASSERT_GT(bitmap_, 0);
    }
    void TearDown() override {
        AttachTarget(bitmap_, 0, 0);
        EndBitmap();
    }
    COLORREF At(int x, int y) const {
        AttachTarget(bitmap_, 0, 0);
        return ReadPixel(static_cast<float>(x), static_cast<float>(y));
    }
    TargetHandle bitmap_ = 0;
};

TEST_F(PalettePicture, BoxesRingsAndGaps) {
    FavoriteColors[2][5].color = 0x00123456;
    ClearPalette(bitmap_);
    DrawPalette(bitmap_);
    // Cell (2, 5) covers x 129 .. 150 and y 54 .. 75: a black ring round its colour.
    EXPECT_EQ(At(129, 54), kBlack);
    EXPECT_EQ(At(150, 75), kBlack);
    EXPECT_EQ(At(130, 55), 0x00123456);
    EXPECT_EQ(At(149, 74), 0x00123456);
    EXPECT_EQ(At(151, 60), kWhite) << "the gap to the next box";
    EXPECT_EQ(At(128, 60), kWhite);
    EXPECT_EQ(At(4, 4), kBlack);
    EXPECT_EQ(At(3, 3), kWhite);
    EXPECT_EQ(At(325, 250), kBlack) << "the last box ends at (325, 250)";
    EXPECT_EQ(At(326, 250), kWhite);
    EXPECT_EQ(At(325, 251), kWhite);
    EXPECT_EQ(At(335, 311), kWhite);
}

TEST_F(PalettePicture, AMissingRecordIsASmallBlackSquareAtTheCorner) {
    FavoriteColors[4][4] = FavoriteColorRecord{};
    ClearPalette(bitmap_);
    DrawPalette(bitmap_);
    // Its box runs from (3, 3) to (0, 0): the pixels 0 .. 2 both ways.
    for (int y = 0; y <= 2; ++y)
        for (int x = 0; x <= 2; ++x) EXPECT_EQ(At(x, y), kBlack) << x << ", " << y;
    EXPECT_EQ(At(3, 3), kWhite);
    EXPECT_EQ(At(3, 0), kWhite);
    EXPECT_EQ(At(104, 104), kWhite) << "nothing is drawn where the missing cell would be";
    EXPECT_EQ(At(110, 110), kWhite);
}

TEST_F(PalettePicture, CellsAtTheEndOfTheRangeDrawWhereTheyLie) {
    // Cell (0, 0) far to the right and below: nothing of it shows, nor does it wrap round.
    FavoriteColors[0][0] = {INT32_MAX - 1, INT32_MAX, INT32_MAX - 1, INT32_MAX, 0, 0, 0x00123456};
    // Cell (0, 1) from x 40 to beyond the picture's right edge.
    FavoriteColors[0][1] = {INT32_MAX - 1, 40, 1, 26, 1, 0, 0x00654321};
    ClearPalette(bitmap_);
    DrawPalette(bitmap_);
    EXPECT_EQ(At(4, 4), kWhite);
    EXPECT_EQ(At(0, 0), kWhite);
    EXPECT_EQ(At(40, 10), kBlack);
    EXPECT_EQ(At(41, 10), 0x00654321);
    EXPECT_EQ(At(335, 10), 0x00654321) << "no right side inside the picture";
    EXPECT_EQ(At(335, 4), kBlack);
    EXPECT_EQ(At(335, 25), kBlack);
    EXPECT_EQ(At(335, 26), kWhite);
    EXPECT_EQ(At(39, 10), kWhite);
}

// The test builds check invariants: a cell outside the table stops the program, naming it,
// rather than drawing from beyond the table.
TEST(PaletteCellDeathTest, ACellOutsideTheTableStopsTheProgram) {
    EXPECT_DEATH(DrawCellBox(FavoriteRows, 0, 0), "invariant broken: row >= 0");
    EXPECT_DEATH(DrawCellBox(0, -1, 0), "invariant broken: row >= 0");
}

TEST(CellAt, CountsFromTheControlsCorner) {
    EXPECT_EQ(CellAt(24, 0)->column, 0);
    EXPECT_EQ(CellAt(25, 0)->column, 1) << "x 25 is drawn in column 0 but counts as column 1";
    EXPECT_EQ(CellAt(130, 60)->row, 2);
    EXPECT_EQ(CellAt(130, 60)->column, 5);
    EXPECT_TRUE(CellAt(324, 249).has_value());
    EXPECT_FALSE(CellAt(325, 0).has_value());
    EXPECT_FALSE(CellAt(0, 250).has_value()) << "below the last row";
    EXPECT_FALSE(CellAt(65535, 65535).has_value());
}

TEST(LabelText, LinesAndAlignment) {
    FixedPitchFontBackend fonts(10, 12, 2);  // font 1: 10 pixels a character
    FontBackend* previous = SetFontBackend(&fonts);
    const TargetHandle b = NewBitmap(100, 60);
    AttachTarget(b, 0, 0);

    const struct {
        const char* text;
        LabelLines lines;
    } breaks[] = {
        {"Color", {"Color"}},  // one line that fits: the rest are empty
        // The first line is cut 5 pixels short: 9 characters, then at the blank.
        {"abcd efgh ijkl mnop", {"abcd efgh", "ijkl mnop"}},
        // Three lines, each further one cut at a blank, the blanks it starts with taken off.
        {"abcd efgh ijkl mnop qrst", {"abcd efgh", "ijkl mnop", "qrst"}},
        // A word wider than the target is cut by characters.
        {"abcdefghijklmnopqrstuvwxy", {"", "abcdefghij", "klmnopqrst", "uvwxy"}},
    };
    for (const auto& [text, expected] : breaks)
        EXPECT_EQ(BreakLabelLines(text, 100), expected) << text;

    EXPECT_EQ(AlignedLineX(AlignLeft, 1, 336, 100), 1.0f);
    EXPECT_EQ(AlignedLineX(AlignRight, 1, 336, 100), 234.0f);
    EXPECT_EQ(AlignedLineX(AlignCenter, 1, 336, 101), 118.5f);
    EXPECT_EQ(AlignedLineX(AlignJustify, 1, 336, 100), 1.0f);

    EndBitmap();
    SetFontBackend(previous);
}

TEST(LabelText, DrawsCentredAtItsTopOnATransparentBackground) {
    FixedPitchFontBackend fonts(10, 12, 2);
    FontBackend* previous = SetFontBackend(&fonts);
    constexpr WindowHandle kDialog = 0x7777;
    ASSERT_TRUE(RegisterCanvasControl(kDialog, 31005, 336, 50, nullptr));
    AttachTarget(kDialog, 31005, 0);
    SetBackColor(0x00FF0000);
    ClearTarget(DefaultColor, 0);
    DrawLabelText(kDialog, 31005, "Color", AlignCenter, 1, 12, 1, kWhite, nullptr);
    // 50 pixels wide, centred: x = (336 - 50) / 2 + 1 = 144, from y = 12.
    AttachTarget(kDialog, 31005, 0);
    EXPECT_EQ(ReadPixel(145, 13), kWhite);
    EXPECT_EQ(ReadPixel(143, 13), 0x00FF0000);
    EXPECT_EQ(ReadPixel(192, 13), kWhite) << "the last glyph";
    EXPECT_EQ(ReadPixel(194, 13), 0x00FF0000);
    EXPECT_EQ(ReadPixel(145, 11), 0x00FF0000);
    EXPECT_EQ(ReadPixel(144, 12), 0x00FF0000) << "a glyph's cell edge is left as it was";
    UnregisterCanvasControl(kDialog, 31005);
    SetFontBackend(previous);
}

}  // namespace
}  // namespace favorites

#include "runtime/canvas/drawing_targets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "runtime/files/error_number.h"

namespace runtime {
namespace {

// Records what a canvas control was asked to show.
struct RecordingPresenter : ControlPresenter {
    std::vector<PixelRect> shown;
    void Present(const PixelRect& area) override { shown.push_back(area); }
};

constexpr WindowHandle kDialog = 0x5150;

struct Targets : ::testing::Test {
    std::vector<TargetHandle> bitmaps;
    std::vector<int> controls;

    TargetHandle Bitmap(int w, int h) {
        TargetHandle b = NewBitmap(w, h);
        bitmaps.push_back(b);
        return b;
    }
    void Control(int id, int w, int h, RecordingPresenter* p) {
        ASSERT_TRUE(RegisterCanvasControl(kDialog, id, w, h, p));
        controls.push_back(id);
    }
    void TearDown() override {
        for (TargetHandle b : bitmaps) {
            AttachTarget(b, 0, 0);
            EndBitmap();
        }
        for (int id : controls) UnregisterCanvasControl(kDialog, id);
        DetachTarget();
    }
    static int CountColor(int w, int h, COLORREF c) {
        int n = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) n += ReadPixel(float(x), float(y)) == c;
        return n;
    }
};

TEST_F(Targets, MarkerBoxesCoverExactlyTheirPixels) {
    AttachTarget(Bitmap(800, 800), 0, 0);
    ClearTarget(0x00FF00FF, 0);
    DrawBox(300, 310, 308, 318, 0, 0, 0, 0);
    EXPECT_EQ(CountColor(800, 800, 0), 64);
    for (int y = 305; y < 325; ++y)
        for (int x = 295; x < 315; ++x)
            ASSERT_EQ(ReadPixel(float(x), float(y)) == 0,
                      x >= 300 && x <= 307 && y >= 310 && y <= 317);

    DrawBox(300, 310, 308, 318, 0, 0, 0xFFFFFF, 0);
    EXPECT_EQ(CountColor(800, 800, 0), 28);
    EXPECT_EQ(CountColor(800, 800, 0xFFFFFF), 36);
    EXPECT_EQ(ReadPixel(301, 311), 0xFFFFFF);
    EXPECT_EQ(ReadPixel(306, 316), 0xFFFFFF);
}

TEST_F(Targets, ColoursDefaultsAndHighBytes) {
    AttachTarget(Bitmap(20, 20), 0, 0);
    ClearTarget(0x7F123456, 0);
    EXPECT_EQ(ReadPixel(0, 0), 0x123456) << "the high byte is not a colour";
    SetForeColor(0x00ABCDEF);
    DrawBox(2, 2, 6, 6, 0, DefaultColor, DefaultColor, 0);
    EXPECT_EQ(ReadPixel(2, 2), 0xABCDEF) << "border DefaultColor is the fore colour";
    EXPECT_EQ(ReadPixel(3, 3), 0xABCDEF) << "fill DefaultColor is the border colour";
    SetForeColor(KeepColor);
    DrawBox(8, 8, 12, 12, 0, DefaultColor, NoColor, 0);
    EXPECT_EQ(ReadPixel(8, 8), 0xABCDEF);
    EXPECT_EQ(ReadPixel(9, 9), 0x123456) << "NoColor leaves the interior";

    SetBackColor(NoColor);
    ClearTarget(DefaultColor, 0);
    EXPECT_EQ(ReadPixel(0, 0), 0x123456) << "a transparent background clears nothing";
    SetBackColor(0x00000080);
    ClearTarget(DefaultColor, 0);
    EXPECT_EQ(ReadPixel(0, 0), 0x000080);
    EXPECT_EQ(ReadPixel(-1, 0), -1);
    EXPECT_EQ(ReadPixel(0, 20), -1);
}

TEST_F(Targets, PolygonsOutlineAndFillByTheWindingRule) {
    AttachTarget(Bitmap(60, 60), 0, 0);
    ClearTarget(0xFFFFFF, 0);
    const PointF star[5] = {{30, 2}, {48, 56}, {2, 22}, {58, 22}, {12, 56}};
    DrawPolygon({5, star}, 0, NoColor, 0, 0);
    const int outline = CountColor(60, 60, 0);
    EXPECT_GT(outline, 100);
    EXPECT_EQ(CountColor(60, 60, 0xFFFFFF), 3600 - outline) << "NoColor changes only the outline";
    EXPECT_EQ(ReadPixel(30, 32), 0xFFFFFF);

    DrawPolygon({5, star}, 0, 0x0000FF, 0, 0);
    EXPECT_EQ(ReadPixel(30, 32), 0x0000FF) << "winding 2 is filled";
    ClearTarget(0xFFFFFF, 0);
    DrawPolygon({5, star}, 0, 0x0000FF, 0, 1);
    EXPECT_EQ(ReadPixel(30, 32), 0xFFFFFF) << "alternate leaves winding 2 empty";
}

TEST_F(Targets, BadPolygonsDrawNothingAndStayInBounds) {
    RecordingPresenter presenter;
    Control(7, 50, 50, &presenter);
    AttachTarget(kDialog, 7, 0);
    ClearTarget(0xFFFFFF, 0);
    presenter.shown.clear();
    const PointF two[2] = {{1, 1}, {40, 40}};
    DrawPolygon({0, two}, 0, 0, 0, 0);
    DrawPolygon({1, two}, 0, 0, 0, 0);
    DrawPolygon({-5, two}, 0, 0, 0, 0);
    DrawPolygon({3, two}, 0, 0, 0, 0);  // claims more points than it has
    std::vector<PointF> many(1025, PointF{10, 10});
    DrawPolygon({1025, many}, 0, 0, 0, 0);
    EXPECT_TRUE(presenter.shown.empty()) << "nothing drawn, nothing marked changed";
    EXPECT_EQ(CountColor(50, 50, 0xFFFFFF), 2500);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const PointF wild[6] = {{nan, 3},     {1e9f, -1e9f}, {inf, 20},
                            {-inf, -inf}, {25, nan},     {-1e9f, 1e9f}};
    for (int width : {0, -3, 1, 2, 10, 32767}) {
        SetPenWidth(width);
        DrawPolygon({6, wild}, 0, 0x00FF00, 0, 0);
        DrawPolygon({1024, many}, 0, 0x00FF00, 0, 1);
    }
    SetPenWidth(std::numeric_limits<int>::max());
    DrawPolygon({6, wild}, 0, 0x00FF00, 0, 0);
    DrawBox(-1e9f, nan, 1e9f, inf, 1000, 0, 0x00FF00, 0);
    EXPECT_EQ(CountColor(50, 50, 0xFFFFFF), 0) << "the wide pens reach everywhere";
}

TEST_F(Targets, UnbufferedControlsShowEachChangeAndBufferedOnlyOnRedraw) {
    RecordingPresenter presenter;
    Control(1001, 100, 80, &presenter);
    AttachTarget(kDialog, 1001, 0);
    ClearTarget(0xFFFFFF, 0);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].right, 100);
    EXPECT_EQ(presenter.shown[0].bottom, 80);

    SetPenWidth(5);
    DrawBox(10, 20, 18, 28, 0, 0, 0, 0);
    ASSERT_EQ(presenter.shown.size(), 2u);
    const PixelRect box = presenter.shown[1];  // grown by 5 / 2 + 1 = 3 on every side
    EXPECT_EQ(box.left, 7);
    EXPECT_EQ(box.top, 17);
    EXPECT_EQ(box.right, 21);
    EXPECT_EQ(box.bottom, 31);
    DrawBox(-10, -10, 2, 2, 0, 0, 0, 0);
    EXPECT_EQ(presenter.shown.back().left, 0) << "clipped to the control";
    // Corners beyond the int range count as its ends; the area grown round them still clips.
    DrawBox(-3e9f, 3e9f, 40, 50, 0, 0, 0, 0);
    EXPECT_EQ(presenter.shown.back().left, 0);
    EXPECT_EQ(presenter.shown.back().top, 47);
    EXPECT_EQ(presenter.shown.back().right, 43);
    EXPECT_EQ(presenter.shown.back().bottom, 80);

    AttachTarget(kDialog, 1001, 1);
    presenter.shown.clear();
    DrawBox(10, 20, 18, 28, 0, 0, 0, 0);
    EXPECT_TRUE(presenter.shown.empty()) << "a buffered control waits";
    RedrawTarget();
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].left, 7) << "what was pending, not the whole control";
    EXPECT_EQ(presenter.shown[0].right, 21);
    RedrawTarget();
    EXPECT_EQ(presenter.shown.size(), 1u) << "nothing pending, nothing to show";
}

TEST_F(Targets, RepeatedCopiesShowOnlyThePixelsThatChanged) {
    RecordingPresenter presenter;
    Control(1001, 100, 80, &presenter);
    const TargetHandle canvas = Bitmap(100, 80), other = Bitmap(100, 80);
    auto lastShown = [&] {
        const PixelRect r = presenter.shown.back();
        return std::vector<int>{r.left, r.top, r.right, r.bottom};
    };
    auto copyCanvas = [&] {
        AttachTarget(kDialog, 1001, 0);
        CopyBitmap(canvas, 0, 0x00CC0020);
    };
    AttachTarget(canvas, 0, 0);
    ClearTarget(0xFFFFFF, 0);
    copyCanvas();
    EXPECT_EQ(lastShown(), (std::vector<int>{0, 0, 100, 80})) << "the first copy is whole";
    copyCanvas();
    RedrawTarget();
    EXPECT_EQ(presenter.shown.size(), 1u) << "nothing changed, nothing shown";

    AttachTarget(canvas, 0, 0);
    DrawBox(10, 20, 18, 28, 0, 0, 0, 0);                // marked one pixel wider all round
    DrawBox(50, 50, 58, 58, 0, 0xFFFFFF, 0xFFFFFF, 0);  // white on white
    copyCanvas();
    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(lastShown(), (std::vector<int>{10, 20, 18, 28})) << "just the pixels that differ";
    EXPECT_EQ(ReadPixel(17, 27), 0);

    // Copied elsewhere in between, or drawn over: the control no longer follows the canvas.
    AttachTarget(other, 0, 0);
    CopyBitmap(canvas, 0, 0);
    AttachTarget(canvas, 0, 0);
    DrawBox(30, 30, 38, 38, 0, 0, 0, 0);
    copyCanvas();
    EXPECT_EQ(lastShown(), (std::vector<int>{0, 0, 100, 80}));
    ClearTarget(0x0000FF, 0);
    AttachTarget(canvas, 0, 0);
    DrawBox(60, 30, 68, 38, 0, 0, 0, 0);
    copyCanvas();
    EXPECT_EQ(lastShown(), (std::vector<int>{0, 0, 100, 80}));
    EXPECT_EQ(CountColor(100, 80, 0), 3 * 64);
}

TEST_F(Targets, CopiesTakeTheOverlapFromTheTopLeft) {
    RecordingPresenter presenter;
    Control(1001, 800, 800, &presenter);
    const TargetHandle big = Bitmap(800, 800), small = Bitmap(16, 16);
    AttachTarget(big, 0, 0);
    ClearTarget(0x00FF00FF, 0);
    DrawBox(799, 799, 800, 800, 0, 0, 0, 0);  // 1 x 1: nothing
    AttachTarget(small, 0, 0);
    ClearTarget(0x0000FF, 0);

    AttachTarget(kDialog, 1001, 0);
    ClearTarget(0xFFFFFF, 0);
    CopyBitmap(big, 0, 0x00CC0020);
    EXPECT_EQ(CountColor(800, 800, 0x00FF00FF), 640000);
    CopyBitmap(small, 0, 0x00CC0020);
    EXPECT_EQ(CountColor(800, 800, 0x0000FF), 256);
    EXPECT_EQ(ReadPixel(15, 15), 0x0000FF);
    EXPECT_EQ(ReadPixel(16, 15), 0x00FF00FF);

    CopyBitmap(123456, 0, 0);  // no such source: nothing happens
    EXPECT_EQ(ReadPixel(0, 0), 0x0000FF);
}

TEST_F(Targets, EndedBitmapsNoLongerAttach) {
    ProcedureError error;
    const TargetHandle first = Bitmap(10, 10);
    const TargetHandle second = Bitmap(10, 10);
    EXPECT_GT(first, 0);
    EXPECT_NE(first, second);

    AttachTarget(first, 0, 0);
    ClearTarget(0x111111, 0);
    const TargetHandle third = Bitmap(10, 10);
    ClearTarget(0x222222, 0);  // NewBitmap left `first` current
    EXPECT_EQ(ReadPixel(0, 0), 0x222222);
    AttachTarget(third, 0, 0);
    EXPECT_NE(ReadPixel(0, 0), 0x222222);
    EXPECT_EQ(error.Number(), 0);

    AttachTarget(first, 0, 0);
    EndBitmap();
    EXPECT_EQ(ReadPixel(0, 0), -1) << "no current target after EndBitmap";
    AttachTarget(first, 0, 0);
    EXPECT_EQ(error.Number(), 5);
    ClearTarget(0x333333, 0);  // no target: nothing at all
    AttachTarget(0, 0, 0);
    EXPECT_EQ(ClearError(), 5);

    AttachTarget(second, 0, 0);
    EXPECT_NE(ReadPixel(0, 0), 0x333333);
    EXPECT_EQ(NewBitmap(0, 10), 0);
    EXPECT_EQ(NewBitmap(10, -1), 0);
    EXPECT_EQ(NewBitmap(1 << 20, 1 << 20), 0);
}

TEST_F(Targets, PenWidthAndColoursBelongToTheTarget) {
    const TargetHandle a = Bitmap(30, 30), b = Bitmap(30, 30);
    AttachTarget(a, 0, 0);
    ClearTarget(0xFFFFFF, 0);
    SetPenWidth(5);
    AttachTarget(b, 0, 0);
    ClearTarget(0xFFFFFF, 0);
    DrawBox(10, 10, 20, 20, 0, 0, NoColor, 0);
    EXPECT_EQ(ReadPixel(9, 15), 0xFFFFFF) << "b still has a one-pixel pen";
    AttachTarget(a, 0, 0);
    DrawBox(10, 10, 20, 20, 0, 0, NoColor, 0);
    EXPECT_EQ(ReadPixel(8, 15), 0) << "a kept its pen of 5";
}

}  // namespace
}  // namespace runtime

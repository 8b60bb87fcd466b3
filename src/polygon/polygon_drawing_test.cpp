#include "polygon/polygon_drawing.h"

#include <gtest/gtest.h>

#include "ids/program_ids.h"
#include "polygon/program_at_start_test_support.h"
#include "polygon/vertex_model.h"
#include "runtime/canvas/raster_lines.h"
#include "settings/settings.h"

namespace polygon {
namespace {

using namespace runtime;

constexpr COLORREF kMagenta = test::ProgramAtStart::kPaper;

// Tests read pixels of the Canvas or of the control, which starts white.
struct PolygonDrawing : ::testing::Test, test::ProgramAtStart {
    void SetUp() override {
        ASSERT_TRUE(hasCanvasControl);
        AttachTarget(kWindow, ids::kCanvasControl, 0);
        ClearTarget(kWhite, 0);
    }
    static int CountShown(COLORREF c) {
        AttachTarget(kWindow, ids::kCanvasControl, 0);
        int n = 0;
        for (int y = 0; y < 800; ++y)
            for (int x = 0; x < 800; ++x) n += ReadPixel(float(x), float(y)) == c;
        return n;
    }
};

TEST_F(PolygonDrawing, ThreeSidesShowABlackTriangleWithMarkersOnPaper) {
    Choose(3);
    ASSERT_GT(CanvasHandle, 0);
    const PixelPoint corners[3] = {{300, 310}, {220, 330}, {190, 400}};
    // The expected picture: paper, the outline, and 8 x 8 markers from each vertex.
    std::vector<Pixel> expected(800 * 800, PixelFromColor(kMagenta));
    Raster want{expected.data(), 800, 800};
    DrawClosedOutline(want, corners, 3, 0);
    for (const auto& c : corners) FillRect(want, {c.x, c.y, c.x + 8, c.y + 8}, 0);
    for (int y = 0; y < 800; ++y)
        for (int x = 0; x < 800; ++x)
            ASSERT_EQ(Shown(x, y), ColorFromPixel(want.At(x, y))) << x << "," << y;
    EXPECT_GE(presenter.presents, 1);
    EXPECT_EQ(OutlinePoints[3].count, 3);
    EXPECT_EQ(VertexTable[3].x, 190);
}

TEST_F(PolygonDrawing, ANewTemplateReplacesTheCanvasAndKeepsHigherRecords) {
    Choose(32);
    const TargetHandle old = CanvasHandle;
    Choose(3);
    EXPECT_NE(CanvasHandle, old);
    AttachTarget(old, 0, 0);
    EXPECT_EQ(ReadPixel(0, 0), -1) << "the old Canvas is gone";
    EXPECT_EQ(VertexTable[20].x, 184) << "records above the side count stay";
    EXPECT_EQ(VertexTable[20].markerWidth, 8);
    EXPECT_EQ(Shown(184, 243), kMagenta) << "but are not drawn";
    EXPECT_EQ(VertexTable[0].x, 0);
}

TEST_F(PolygonDrawing, PaintFillsByWindingWithTheBorderWidthAndNoMarkers) {
    Choose(5);
    const int meshBlack = CountShown(0);
    settings::Settings.Borde = 0x000000FF;
    settings::Settings.Relleno = 0x0000FF00;
    settings::Settings.Grosor = 1;
    PaintPolygon();
    const int thinBorder = CountShown(0x000000FF);
    const int thinFill = CountShown(0x0000FF00);
    EXPECT_GT(thinFill, 300);
    settings::Settings.Grosor = 7;
    PaintPolygon();
    EXPECT_EQ(CountShown(0), 0) << "no markers";
    EXPECT_GT(CountShown(0x000000FF), 5 * thinBorder) << "a border 7 pixels wide";
    EXPECT_LT(CountShown(0x0000FF00), thinFill) << "the wide border covers part of the fill";
    EXPECT_EQ(Shown(300, 310), 0x000000FF) << "the vertex is under the border";
    EXPECT_EQ(Shown(300 + 3, 310), 0x000000FF);

    ClearCanvas(CanvasHandle);
    RedrawPolygon();
    ShowCanvas();
    EXPECT_EQ(CountShown(0), meshBlack) << "the mesh is back as it was, one pixel wide";
    EXPECT_EQ(CountShown(0x000000FF) + CountShown(0x0000FF00), 0);
}

TEST_F(PolygonDrawing, AHighlightAfterPaintGetsTheWidePen) {
    Choose(3);
    settings::Settings.Grosor = 5;
    PaintPolygon();
    DrawVertexMarker(CanvasHandle, 190, 400, 8, 8, kWhite);
    EXPECT_EQ(OnCanvas(188, 404), 0) << "a five-pixel ring reaches two pixels out";
    ClearCanvas(CanvasHandle);
    DrawVertexMarker(CanvasHandle, 190, 400, 8, 8, kWhite);
    EXPECT_EQ(OnCanvas(188, 404), kMagenta);
    EXPECT_EQ(OnCanvas(191, 401), kWhite);
}

TEST_F(PolygonDrawing, DraggedVertexMovesItsMarkerAndEdges) {
    Choose(5);
    VertexTable[3].x += 10;
    VertexTable[3].y -= 4;
    ClearCanvas(CanvasHandle);
    RedrawPolygon();
    ShowCanvas();
    EXPECT_EQ(Shown(200, 396), 0) << "marker at (200, 396)";
    EXPECT_EQ(Shown(207, 403), 0);
    EXPECT_EQ(Shown(192, 402), kMagenta) << "old marker place is paper";
    EXPECT_EQ(OutlinePoints[5].points[2].x, 200.0f);
    EXPECT_EQ(Shown(300, 310), 0) << "the other vertices stay";
}

TEST_F(PolygonDrawing, NothingHappensBeforeTheFirstTemplate) {
    PaintPolygon();
    ClearCanvas(CanvasHandle);
    RedrawPolygon();
    ShowCanvas();
    EXPECT_EQ(CountShown(kWhite), 800 * 800);
    SideCount = 40;
    Choose(3);
    SideCount = 40;
    PaintPolygon();
    EXPECT_EQ(Shown(300, 310), 0) << "a side count out of range draws nothing";
}

}  // namespace
}  // namespace polygon

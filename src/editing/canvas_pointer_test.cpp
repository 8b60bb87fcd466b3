#include "editing/canvas_pointer.h"

#include <gtest/gtest.h>

#include "polygon/program_at_start_test_support.h"
#include "polygon/vertex_model.h"

namespace editing {
namespace {

using namespace runtime;

constexpr COLORREF kPaper = polygon::test::ProgramAtStart::kPaper;

struct Pointer : ::testing::Test, polygon::test::ProgramAtStart {
    void SetUp() override {
        ASSERT_TRUE(hasCanvasControl);
        PointerReleased({});  // ends any drag an earlier test left
    }
};

TEST_F(Pointer, PositionsComeFromTheMessageAndShowInTheTitle) {
    const PointerPosition p = PositionFromMessage(0x01380131);
    EXPECT_EQ(p.x, 305);
    EXPECT_EQ(p.y, 312);
    EXPECT_EQ(PointerMoved(p).title, "X : 305 Y : 312 :: 0");
    EXPECT_EQ(PositionFromMessage(0xFFFFFFFF).x, 65535) << "read as unsigned";
}

TEST_F(Pointer, DragOfTheTriangleFromPressToRelease) {
    Choose(3);
    PointerResponse r = PointerPressed({300, 310});
    EXPECT_EQ(r.title, "X : 300 Y : 310 :: 1");
    EXPECT_EQ(r.cursor, CursorChange::Crosshair);
    r = PointerMoved({310, 306});
    EXPECT_EQ(r.title, "X : 310 Y : 306 :: 1");
    EXPECT_EQ(r.cursor, CursorChange::Crosshair);
    EXPECT_EQ(polygon::VertexTable[1].x, 310);
    EXPECT_EQ(polygon::VertexTable[1].y, 306);
    EXPECT_EQ(Shown(310, 306), 0) << "the marker is shown at its new place";
    EXPECT_EQ(Shown(300, 313), kPaper);
    r = PointerReleased({310, 306});
    EXPECT_EQ(r.title, "X : 310 Y : 306 :: 1") << "the release still names the vertex";
    EXPECT_EQ(r.cursor, CursorChange::Arrow);
    EXPECT_EQ(PointerMoved({311, 306}).title, "X : 311 Y : 306 :: 0");
    EXPECT_EQ(polygon::VertexTable[1].x, 310) << "a move after the release drags nothing";
}

TEST_F(Pointer, TheHitBoxIncludesItsRightAndBottomEdgesAndTheHighestIndexWins) {
    Choose(3);
    PointerPressed({308, 318});
    EXPECT_EQ(GrabbedIndex, 1);
    PointerReleased({308, 318});
    PointerPressed({309, 310});
    EXPECT_EQ(GrabbedIndex, 0);

    polygon::VertexTable[3].x = 300;  // vertex 3 on top of vertex 1
    polygon::VertexTable[3].y = 312;
    PointerPressed({302, 314});
    EXPECT_EQ(GrabbedIndex, 3);
    PointerReleased({302, 314});

    PointerPressed({500, 500});
    EXPECT_EQ(GrabbedIndex, 0) << "a press on paper grabs nothing";
    PointerMoved({510, 510});
    EXPECT_EQ(polygon::VertexTable[1].x, 300);
}

TEST_F(Pointer, OddCornersOfTheModel) {
    PointerPressed({0, 0});
    EXPECT_EQ(GrabbedIndex, 32) << "before any template every record is a 1 x 1 box at (0, 0)";
    PointerReleased({0, 0});

    Choose(32);
    Choose(3);
    PointerPressed({74, 133});
    EXPECT_EQ(GrabbedIndex, 10) << "records above the side count still answer";
    PointerMoved({84, 143});
    EXPECT_EQ(polygon::VertexTable[10].x, 84);
    EXPECT_EQ(Shown(84, 143), kPaper) << "but are not drawn";
    PointerReleased({84, 143});

    // A release outside the canvas is not seen: the vertex stays grabbed and follows.
    PointerPressed({300, 310});
    PointerMoved({305, 310});
    PointerMoved({200, 100});
    EXPECT_EQ(polygon::VertexTable[1].x, 200);
    EXPECT_EQ(polygon::VertexTable[1].grabbed, 1);

    // Pressing and releasing without moving leaves the vertex where it was.
    PointerReleased({200, 100});
    PointerPressed({203, 104});
    PointerReleased({203, 104});
    EXPECT_EQ(polygon::VertexTable[1].x, 200);
    EXPECT_EQ(polygon::VertexTable[1].y, 100);
}

TEST_F(Pointer, FarVerticesDoNotWrapRound) {
    Choose(3);
    polygon::VertexTable[2].x = -2147483647;
    polygon::VertexTable[2].markerWidth = 8;
    GrabbedIndex = 2;
    polygon::VertexTable[2].grabbed = 1;
    LastPointer = {700, 0};
    PointerMoved({0, 0});
    EXPECT_EQ(polygon::VertexTable[2].x, -2147483647 - 1);
}

}  // namespace
}  // namespace editing

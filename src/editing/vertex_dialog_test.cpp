#include "editing/vertex_dialog.h"

#include <gtest/gtest.h>

#include "polygon/program_at_start_test_support.h"
#include "polygon/vertex_model.h"

namespace editing {
namespace {

using namespace runtime;

// The triangle chosen, and no vertex yet in the dialog.
struct VertexChoice : ::testing::Test, polygon::test::ProgramAtStart {
    void SetUp() override {
        ASSERT_TRUE(hasCanvasControl);
        ChosenVertex = 0;
        Choose(3);
    }
};

TEST_F(VertexChoice, ItemTextsAreZeroPaddedWithTheOrdinalSign) {
    EXPECT_EQ(VertexItemText(1), "01\xBA vertice");
    EXPECT_EQ(VertexItemText(9), "09\xBA vertice");
    EXPECT_EQ(VertexItemText(12), "12\xBA vertice");
    for (int i = 1; i < 32; ++i) EXPECT_LT(VertexItemText(i), VertexItemText(i + 1));
}

TEST_F(VertexChoice, ChoosingHighlightsAndShowsTheNumbers) {
    const ShownCoordinates shown = ChooseVertex(VertexItemText(3));
    EXPECT_EQ(shown.x, "190");
    EXPECT_EQ(shown.y, "400");
    EXPECT_EQ(ChosenVertex, 3);
    EXPECT_EQ(Shown(190, 400), 0) << "a black ring";
    EXPECT_EQ(Shown(193, 403), kWhite) << "round a white square";

    ChooseVertex(VertexItemText(1));
    EXPECT_EQ(Shown(193, 403), 0) << "the previous one is black again";
    EXPECT_EQ(Shown(303, 313), kWhite);
    EXPECT_EQ(polygon::VertexTable[3].markerColor, 0);
}

TEST_F(VertexChoice, ApplyingMovesTheChosenVertexAndKeepsItsHighlight) {
    ChooseVertex(VertexItemText(3));
    ApplyCoordinates("250", "260");
    EXPECT_EQ(polygon::VertexTable[3].x, 250);
    EXPECT_EQ(polygon::VertexTable[3].y, 260);
    EXPECT_EQ(Shown(256, 261), kWhite) << "off the edge that crosses its interior";
    EXPECT_EQ(Shown(193, 403), 0x00FF00FF) << "gone from its old place";

    ApplyCoordinates("120", "");
    EXPECT_EQ(polygon::VertexTable[3].y, 0) << "an empty box is 0";

    ReleaseChosenVertex();
    EXPECT_EQ(OnCanvas(123, 3), 0) << "black again on the Canvas";
    EXPECT_EQ(Shown(123, 3), kWhite) << "the control shows it at its next refresh";
    EXPECT_EQ(ChosenVertex, 3) << "kept for the next opening";
    ApplyCoordinates("10", "20");
    EXPECT_EQ(polygon::VertexTable[3].x, 10);
}

TEST_F(VertexChoice, NothingChosenWritesIntoTheUnusedRecord) {
    ApplyCoordinates("5", "6");
    EXPECT_EQ(polygon::VertexTable[0].x, 5);
    EXPECT_EQ(polygon::VertexTable[1].x, 300);
    ChooseVertex("junk");
    EXPECT_EQ(ChosenVertex, 0);
}

}  // namespace
}  // namespace editing

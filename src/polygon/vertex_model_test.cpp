#include "polygon/vertex_model.h"

#include <gtest/gtest.h>

namespace polygon {
namespace {

TEST(Templates, TheThirtyTwoPointsAreTheListedOnes) {
    const TemplatePoint first[9] = {{300, 310}, {220, 330}, {190, 400}, {234, 322}, {334, 320},
                                    {434, 420}, {374, 324}, {174, 423}, {274, 333}};
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(TemplatePointAt(k).x, first[k - 1].x) << k;
        EXPECT_EQ(TemplatePointAt(k).y, first[k - 1].y) << k;
    }
    EXPECT_EQ(TemplatePointAt(10).x, 74);
    EXPECT_EQ(TemplatePointAt(10).y, 133);
    EXPECT_EQ(TemplatePointAt(12).x, 96);
    EXPECT_EQ(TemplatePointAt(12).y, 155);
    EXPECT_EQ(TemplatePointAt(25).x, 239);
    EXPECT_EQ(TemplatePointAt(25).y, 298);
    EXPECT_EQ(TemplatePointAt(32).x, 316);
    EXPECT_EQ(TemplatePointAt(32).y, 375);
    for (int k = 1; k <= 32; ++k) {
        EXPECT_GE(TemplatePointAt(k).x, 0);
        EXPECT_LT(TemplatePointAt(k).y, 800);
    }
}

TEST(VertexTable, WritingATemplateRecordKeepsGrabbedAndResetsTheMarker) {
    CreateVertexTable();
    EXPECT_EQ(SideCount, 3);
    VertexTable[2].grabbed = 1;
    VertexTable[2].markerColor = 0xFFFFFF;
    VertexTable[2].x = -50;
    WriteTemplateRecord(2);
    EXPECT_EQ(VertexTable[2].x, 220);
    EXPECT_EQ(VertexTable[2].y, 330);
    EXPECT_EQ(VertexTable[2].markerWidth, 8);
    EXPECT_EQ(VertexTable[2].markerHeight, 8);
    EXPECT_EQ(VertexTable[2].markerColor, 0);
    EXPECT_EQ(VertexTable[2].grabbed, 1);
    EXPECT_EQ(VertexTable[0].x, 0);
    EXPECT_EQ(VertexTable[3].markerWidth, 0) << "only the record written changes";

    CreateVertexTable();
    EXPECT_EQ(VertexTable[2].grabbed, 0);
    EXPECT_EQ(VertexTable[2].x, 0);
}

}  // namespace
}  // namespace polygon

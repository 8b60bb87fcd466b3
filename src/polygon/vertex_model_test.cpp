#include "polygon/vertex_model.h"

#include <gtest/gtest.h>

namespace polygon {
namespace {

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

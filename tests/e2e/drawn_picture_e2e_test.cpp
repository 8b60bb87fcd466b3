// The saved pictures checked from the polygon's vertex coordinates alone, not from the
// program's drawing code: the mesh of markers and edges, and the painted border's width.
#include <gtest/gtest.h>

#include "bmp_file.h"
#include "ids/program_ids.h"
#include "picture_checks.h"
#include "program_driver.h"

namespace e2e {
namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF, kWhite = 0xFFFFFF, kBlack = 0x000000;

TEST(DrawnPicture, FiveSidesSaveTheMeshAsA24BitBottomUpFile) {
    Program p;
    ASSERT_TRUE(p.Started()) << p.StartFailure();
    p.ChooseListItem(ids::kSideList, 2);
    ASSERT_FALSE(p.SavePicture(5).empty());
    const BmpFile bmp = ReadBmp(p.PictureFile(5));
    EXPECT_EQ(bmp.fileSize, 1920054u) << "file size";
    EXPECT_EQ(bmp.declaredSize, 1920054u) << "size in the header";
    EXPECT_EQ(bmp.bitsPerPixel, 24);
    EXPECT_TRUE(bmp.bottomUp);
    EXPECT_EQ(bmp.pixelOffset, 54u);
    EXPECT_EQ(CheckMesh(bmp.image, TemplateVertices(5), kMagenta), "");
    p.ChooseListItem(ids::kSideList, 29);  // "32": every point of the templates
    ASSERT_FALSE(p.SavePicture(32).empty());
    EXPECT_EQ(CheckMesh(ReadBmp(p.PictureFile(32)).image, TemplateVertices(32), kMagenta), "");
    EXPECT_EQ(p.Quit(), 0u);
    EXPECT_FALSE(fs::exists(p.ProgramFolder() / "color.bmp"))
        << "no swatch file is ever left or written";
}

TEST(DrawnPicture, PaintUsesTheChosenBorderWidthAndMallaBringsTheMeshBack) {
    Program p;
    ASSERT_TRUE(p.Started()) << p.StartFailure();
    p.ChooseListItem(ids::kWidthList, 6);  // 07 grosor borde
    p.ChooseListItem(ids::kSideList, 0);   // 03 lados
    p.Send(ids::kPaintButton);
    ASSERT_FALSE(p.SavePicture(3).empty());
    const Picture painted = ReadBmp(p.PictureFile(3)).image;
    const auto v = TemplateVertices(3);
    // Edge 1 to 2 slopes gently; its interior side is below it.
    const BorderMeasure m = MeasureBorder(painted, v[0], v[1], 232, 262, kMagenta, kBlack, kWhite);
    EXPECT_EQ(m.problem, "");
    EXPECT_NEAR(m.meanWidth, 7.0, 0.3)
        << "border width square to the edge (mean run " << m.meanRun << " pixels)";
    EXPECT_EQ(DescribePixel(painted.At(236, 346)), DescribePixel(kWhite))
        << "fill inside the triangle";
    EXPECT_EQ(DescribePixel(painted.At(197, 407)), DescribePixel(kMagenta))
        << "no marker below vertex 3";
    EXPECT_EQ(DescribePixel(painted.At(700, 700)), DescribePixel(kMagenta)) << "paper";

    p.Send(ids::kMeshButton);
    ASSERT_FALSE(p.SavePicture(3).empty());
    EXPECT_EQ(CheckMesh(ReadBmp(p.PictureFile(3)).image, v, kMagenta), "") << "after \"Malla\"";
    EXPECT_EQ(p.Quit(), 0u);
}

}  // namespace
}  // namespace e2e

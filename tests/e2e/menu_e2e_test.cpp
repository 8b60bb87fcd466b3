// The menu bar as the program holds it, read through the probe: its items, ids and states,
// its pictures and the colour swatches beside the colour commands.
#include <gtest/gtest.h>

#include "ids/program_ids.h"
#include "picture_checks.h"
#include "program_probe.h"

namespace e2e {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000;

TEST(Menu, ShowsItsPicturesBesideTheItems) {
    Program p;
    ASSERT_TRUE(p.Started()) << p.StartFailure();
    const MenuBar bar = ReadMenu(p);
    for (int id : {ids::kSavePicture, ids::kAuthor, ids::kQuit, ids::kVertexProperties,
                   ids::kFavoriteColors}) {
        const MenuItem* item = bar.FindById(id);
        ASSERT_NE(item, nullptr) << id;
        EXPECT_EQ(item->bitmapWidth, 16) << Narrow(item->text) << ": expected a 16 x 16 picture";
        EXPECT_EQ(item->bitmapHeight, 16) << Narrow(item->text);
    }
    EXPECT_EQ(p.Quit(), 0u);
}

TEST(Menu, VertexPropertiesStaysGreyedAcrossAColourCommandAndIsEnabledBySideCount) {
    Program p;
    ASSERT_TRUE(p.Started()) << p.StartFailure();
    const HMENU first = GetMenu(p.Main());
    p.Send(ids::kBorderColor);
    MenuBar bar = ReadMenu(p);
    ASSERT_NE(bar.FindById(ids::kVertexProperties), nullptr);
    EXPECT_TRUE(bar.FindById(ids::kVertexProperties)->Greyed())
        << "after \"Color Borde\" with no side count";
    EXPECT_FALSE(bar.FindById(ids::kSavePicture)->Greyed());
    const HMENU rebuilt = GetMenu(p.Main());
    EXPECT_NE(rebuilt, first) << "a colour command rebuilds the menu bar";
    EXPECT_FALSE(MenuAlive(p, first)) << "the previous menu bar is released when it is replaced";

    p.ChooseListItem(ids::kSideList, 7);  // 10 sides
    bar = ReadMenu(p);
    EXPECT_FALSE(bar.FindById(ids::kVertexProperties)->Greyed()) << "after \"10 lados\"";
    p.Send(ids::kFillColor);
    bar = ReadMenu(p);
    EXPECT_FALSE(bar.FindById(ids::kVertexProperties)->Greyed())
        << "a rebuild keeps the enabled state";
    EXPECT_EQ(p.Quit(), 0u);
}

TEST(Menu, ColorPapelChangesTheSwatchBesideItsItem) {
    Program p;
    ASSERT_TRUE(p.Started()) << p.StartFailure();
    p.ChooseListItem(ids::kSideList, 2);
    p.Send(ids::kPaperColor);  // no favourite picked yet: the selected colour is black
    const MenuBar bar = ReadMenu(p);
    ASSERT_TRUE(bar.FindById(ids::kPaperColor)->bitmapCentre.has_value());
    EXPECT_EQ(DescribePixel(*bar.FindById(ids::kPaperColor)->bitmapCentre), DescribePixel(kBlack));
    EXPECT_EQ(DescribePixel(*bar.FindById(ids::kFillColor)->bitmapCentre), DescribePixel(kWhite))
        << "unchanged";
    EXPECT_EQ(p.Quit(), 0u);
}

}  // namespace
}  // namespace e2e

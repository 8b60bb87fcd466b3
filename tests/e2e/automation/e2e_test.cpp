// What the main suite cannot see from outside alone: the menu, read through the probe loaded
// into the program; pictures checked against the vertex coordinates instead of the drawing
// code; and that a crashing program fails the run at once.
#include <gtest/gtest.h>

#include "failure.h"
#include "picture_checks.h"
#include "program_driver.h"

namespace fs = std::filesystem;

namespace e2e {
namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF, kWhite = 0xFFFFFF, kBlack = 0x000000;
const std::wstring kTitle = L"Programador";

std::wstring TwoDigits(int n) { return (n < 10 ? L"0" : L"") + std::to_wstring(n); }
std::wstring SideItem(int n) { return TwoDigits(n) + L" lados"; }
std::wstring WidthItem(int n) { return TwoDigits(n) + L" grosor borde"; }

// Saves the picture with "Grabar Imagen", expects the success box and answers it.
fs::path SavePicture(ProgramRun& run, int sides) {
    run.PostCommand(ids::kSavePicture);
    const MessageBoxSeen box = run.WaitForMessageBox();
    EXPECT_EQ(box.title, kTitle);
    EXPECT_EQ(Narrow(box.text), "Poligono Grabado ...");
    run.Answer(box);
    return run.WorkFolder() / ("poligono " + std::to_string(sides) + ".bmp");
}

Image SavedPicture(ProgramRun& run, int sides) {
    const fs::path file = SavePicture(run, sides);
    if (!fs::exists(file)) Fail("expected " + file.string() + " after saving, it is not there");
    return ReadBmp(file).image;
}

void QuitAndExpectExitZero(ProgramRun& run) {
    run.PostCommand(ids::kQuit);
    EXPECT_EQ(run.WaitForExit(), 0u) << "exit code after \"Salir\"";
}

TEST(Driver, ACrashFailsTheRunAtOnce) {
    ASSERT_FALSE(GetBinaries().crashFixture.empty()) << "the runner was not given --crash-fixture";
    std::printf("(the crash report that follows comes from the fixture, as intended)\n");
    std::fflush(stdout);
    try {
        ProgramRun run(GetBinaries().crashFixture, std::nullopt);
        FAIL() << "expected the start of a crashing program to fail";
    } catch (const Failure& failure) {
        // A hang would end in "did not appear in time" at the deadline instead.
        EXPECT_NE(std::string(failure.what()).find("ended unexpectedly"), std::string::npos) << failure.what();
    }
}

TEST(Menu, HasItsStructureIdsAndStates) {
    ProgramRun run;
    const MenuBar bar = run.ReadMenu();
    struct Expected {
        const char* text;
        int id;
    };
    const std::vector<std::pair<const char*, std::vector<Expected>>> expected = {
        {"Archivos", {{"Grabar Imagen", 1010}, {"-", 0}, {"Autor", 1011}, {"-", 0}, {"Salir", 1012}}},
        {"Ajustes", {{"Propiedades coordenadas", 1017}}},
        {"Colores",
         {{"Colores Favoritos", 1016}, {"-", 0}, {"Color Borde", 1013}, {"Color Relleno", 1014}, {"Color Papel", 1015}}},
    };
    ASSERT_EQ(bar.menus.size(), expected.size()) << MenuSummary(bar);
    for (size_t m = 0; m < expected.size(); ++m) {
        SCOPED_TRACE(expected[m].first);
        const MenuItem& menu = bar.menus[m];
        EXPECT_EQ(Narrow(menu.text), expected[m].first);
        EXPECT_EQ(menu.kind, 'P');
        ASSERT_EQ(menu.items.size(), expected[m].second.size()) << MenuSummary(bar);
        for (size_t i = 0; i < menu.items.size(); ++i) {
            const MenuItem& item = menu.items[i];
            const Expected& e = expected[m].second[i];
            SCOPED_TRACE("position " + std::to_string(i));
            if (std::string(e.text) == "-") {
                EXPECT_EQ(item.kind, 'S') << "expected a separator";
                continue;
            }
            EXPECT_EQ(item.kind, 'I');
            EXPECT_EQ(Narrow(item.text), e.text);
            EXPECT_EQ(item.id, e.id);
            EXPECT_EQ(item.Greyed(), e.id == ids::kVertexProperties) << "greyed state, state 0x" << std::hex << item.state;
        }
    }
    // The swatches: a 16 x 16 picture in the colour of each setting (black, white, magenta).
    const struct {
        int id;
        std::uint32_t colour;
    } swatches[] = {{ids::kBorderColor, kBlack}, {ids::kFillColor, kWhite}, {ids::kPaperColor, kMagenta}};
    for (const auto& s : swatches) {
        const MenuItem* item = bar.FindById(s.id);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->bitmapWidth, 16) << Narrow(item->text);
        EXPECT_EQ(item->bitmapHeight, 16) << Narrow(item->text);
        ASSERT_TRUE(item->bitmapCentre.has_value()) << Narrow(item->text) << " shows no swatch";
        EXPECT_EQ(DescribePixel(*item->bitmapCentre), DescribePixel(s.colour)) << Narrow(item->text);
    }
    QuitAndExpectExitZero(run);
}

TEST(Menu, ShowsItsPicturesBesideTheItems) {
    ProgramRun run;
    const MenuBar bar = run.ReadMenu();
    for (int id : {ids::kSavePicture, ids::kAuthor, ids::kQuit, ids::kVertexProperties, ids::kFavoriteColors}) {
        const MenuItem* item = bar.FindById(id);
        ASSERT_NE(item, nullptr) << id;
        EXPECT_EQ(item->bitmapWidth, 16) << Narrow(item->text) << ": expected a 16 x 16 picture";
        EXPECT_EQ(item->bitmapHeight, 16) << Narrow(item->text);
    }
    QuitAndExpectExitZero(run);
}

TEST(Menu, VertexPropertiesStaysGreyedAcrossAColourCommandAndIsEnabledBySideCount) {
    ProgramRun run;
    const HMENU first = GetMenu(run.MainWindow());
    run.SendCommand(ids::kBorderColor);
    MenuBar bar = run.ReadMenu();
    ASSERT_NE(bar.FindById(ids::kVertexProperties), nullptr);
    EXPECT_TRUE(bar.FindById(ids::kVertexProperties)->Greyed()) << "after \"Color Borde\" with no side count";
    EXPECT_FALSE(bar.FindById(ids::kSavePicture)->Greyed());
    const HMENU rebuilt = GetMenu(run.MainWindow());
    EXPECT_NE(rebuilt, first) << "a colour command rebuilds the menu bar";
    EXPECT_FALSE(run.MenuAlive(first)) << "the previous menu bar is released when it is replaced";

    run.ChooseListText(ids::kSideList, SideItem(10));
    bar = run.ReadMenu();
    EXPECT_FALSE(bar.FindById(ids::kVertexProperties)->Greyed()) << "after \"10 lados\"";
    run.SendCommand(ids::kFillColor);
    bar = run.ReadMenu();
    EXPECT_FALSE(bar.FindById(ids::kVertexProperties)->Greyed()) << "a rebuild keeps the enabled state";
    QuitAndExpectExitZero(run);
}

// Checks of the saved picture made from the vertex coordinates alone, not from the
// program's drawing code.
TEST(Save, FiveSidesWritesTheMeshInTheWorkingDirectory) {
    ProgramRun run;
    run.ChooseListText(ids::kSideList, SideItem(5));
    const fs::path file = SavePicture(run, 5);
    ASSERT_TRUE(fs::exists(file)) << "expected " << file.string();
    EXPECT_FALSE(fs::exists(run.ProgramFolder() / "poligono 5.bmp")) << "the picture goes to the working directory";
    const BmpFile bmp = ReadBmp(file);
    EXPECT_EQ(bmp.fileSize, 1920054u) << "file size";
    EXPECT_EQ(bmp.declaredSize, 1920054u) << "size in the header";
    EXPECT_EQ(bmp.bitsPerPixel, 24);
    EXPECT_TRUE(bmp.bottomUp);
    EXPECT_EQ(bmp.pixelOffset, 54u);
    EXPECT_EQ(CheckMesh(bmp.image, TemplateVertices(5), kMagenta), "");
    QuitAndExpectExitZero(run);
    EXPECT_FALSE(fs::exists(run.ProgramFolder() / "color.bmp")) << "no swatch file is ever left or written";
}

TEST(Paint, UsesTheChosenBorderWidthAndMallaBringsTheMeshBack) {
    ProgramRun run;
    run.ChooseListText(ids::kWidthList, WidthItem(7));
    run.ChooseListText(ids::kSideList, SideItem(3));
    run.ClickButton(ids::kPaint);
    const Image painted = SavedPicture(run, 3);
    const auto v = TemplateVertices(3);
    // Edge 1 to 2 slopes gently; its interior side is below it.
    const BorderMeasure m = MeasureBorder(painted, v[0], v[1], 232, 262, kMagenta, kBlack, kWhite);
    EXPECT_EQ(m.problem, "");
    EXPECT_NEAR(m.meanWidth, 7.0, 0.3) << "border width square to the edge (mean run " << m.meanRun << " pixels)";
    EXPECT_EQ(DescribePixel(painted.At(236, 346)), DescribePixel(kWhite)) << "fill inside the triangle";
    EXPECT_EQ(DescribePixel(painted.At(197, 407)), DescribePixel(kMagenta)) << "no marker below vertex 3";
    EXPECT_EQ(DescribePixel(painted.At(700, 700)), DescribePixel(kMagenta)) << "paper";

    run.ClickButton(ids::kMesh);
    EXPECT_EQ(CheckMesh(SavedPicture(run, 3), v, kMagenta), "") << "after \"Malla\"";
    QuitAndExpectExitZero(run);
}

TEST(Paper, ColorPapelChangesTheSwatchBesideItsMenuItem) {
    ProgramRun run;
    run.ChooseListItem(ids::kSideList, 2);
    // No colour was picked among the favourites, so the selected colour is black.
    run.SendCommand(ids::kPaperColor);
    const MenuBar bar = run.ReadMenu();
    ASSERT_TRUE(bar.FindById(ids::kPaperColor)->bitmapCentre.has_value());
    EXPECT_EQ(DescribePixel(*bar.FindById(ids::kPaperColor)->bitmapCentre), DescribePixel(kBlack));
    EXPECT_EQ(DescribePixel(*bar.FindById(ids::kFillColor)->bitmapCentre), DescribePixel(kWhite)) << "unchanged";
    QuitAndExpectExitZero(run);
}

}  // namespace
}  // namespace e2e

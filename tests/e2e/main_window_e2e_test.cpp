// The main window driven from outside: its lists, saving the picture, painting, the colour
// commands, the author box, the settings file and how the program ends.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "automation/program_driver.h"
#include "bmp_file.h"
#include "ids/program_ids.h"
#include "picture_checks.h"
#include "started_program.h"
#include "support/held_file_win.h"

namespace e2e {
namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF, kWhite = 0xFFFFFF, kBlack = 0x000000;

std::wstring Two(int n) {
    return (n < 10 ? L"0" : L"") + std::to_wstring(n);
}

// Answers the box that a command opened and gives back its text.
std::wstring AnswerBox(Program& p) {
    const auto box = e2e::AnswerBox(p);
    if (!box) return L"(no message box)";
    EXPECT_EQ(box->title, L"Programador");
    return box->text;
}

// The tests that start the program as it comes; StoredSettings starts it on a settings file.
using MainWindow = StartedProgram;

TEST_F(MainWindow, ListsHoldTheSideCountsAndWidthsInOrder) {
    const auto sides = ListItems(p.Control(ids::kSideList));
    ASSERT_EQ(sides.size(), 30u);
    for (int n = 3; n <= 32; ++n) EXPECT_EQ(sides[n - 3], Two(n) + L" lados");
    const auto widths = ListItems(p.Control(ids::kWidthList));
    ASSERT_EQ(widths.size(), 10u);
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(widths[n - 1], Two(n) + L" grosor borde");
    EXPECT_EQ(ListSelection(p.Control(ids::kWidthList)), 0) << "the stored width, 1, is selected";
    EXPECT_EQ(ListSelection(p.Control(ids::kSideList)), -1) << "no side count yet";
}

TEST_F(MainWindow, SavingBeforeAnySideCountFailsAndWritesNothing) {
    p.Post(ids::kSavePicture);
    EXPECT_EQ(AnswerBox(p), L"NO he podido grabar ...");
    EXPECT_TRUE(fs::is_empty(p.WorkFolder()));
}

TEST_F(MainWindow, FiveSidesSaveTheMeshInTheWorkingFolderAsA24BitBottomUpFile) {
    p.ChooseListItem(ids::kSideList, 2);
    p.Post(ids::kSavePicture);
    EXPECT_EQ(AnswerBox(p), L"Poligono Grabado ...");
    const fs::path picture = p.WorkFolder() / "poligono 5.bmp";
    ASSERT_TRUE(fs::exists(picture));
    EXPECT_FALSE(fs::exists(p.ProgramFolder() / "poligono 5.bmp")) << "not beside the program";
    const BmpFile bmp = ReadBmp(picture);
    EXPECT_EQ(bmp.fileSize, 1920054u) << "file size";
    EXPECT_EQ(bmp.declaredSize, 1920054u) << "size in the header";
    EXPECT_EQ(bmp.bitsPerPixel, 24);
    EXPECT_TRUE(bmp.bottomUp);
    EXPECT_EQ(bmp.pixelOffset, 54u);
    EXPECT_EQ(CheckMesh(bmp.image, TemplateVertices(5), kMagenta), "");
    p.ChooseListItem(ids::kSideList, 29);  // "32": every point of the templates
    EXPECT_EQ(CheckMesh(SavedPicture(p, 32), TemplateVertices(32), kMagenta), "");
    EXPECT_EQ(p.Quit(), 0u);
    EXPECT_FALSE(fs::exists(p.ProgramFolder() / "color.bmp"))
        << "no swatch file is ever left or written";
}

TEST_F(MainWindow, PaintUsesTheChosenBorderWidthAndMallaBringsTheMeshBack) {
    p.ChooseListItem(ids::kWidthList, 6);  // 07 grosor borde
    p.ChooseListItem(ids::kSideList, 0);   // 03 lados
    p.Send(ids::kPaintButton);
    const Paint paint{kMagenta, kBlack, kWhite, 7};
    const Picture triangle = SavedPicture(p, 3);
    const auto v = TemplateVertices(3);
    EXPECT_EQ(CheckPaintedPolygon(triangle, v, paint), "");
    // Edge 1 to 2 slopes gently, with the interior below it. (On steeper edges GDI's wide pen
    // is up to a pixel wider square to the edge.)
    const BorderMeasure m = MeasureBorder(triangle, v[0], v[1], 232, 262, paint);
    EXPECT_EQ(m.problem, "");
    EXPECT_NEAR(m.meanWidth, 7.0, 0.3)
        << "border width square to the edge (mean run " << m.meanRun << " pixels)";

    p.ChooseListItem(ids::kSideList, 9);  // 12 sides, an outline that crosses itself
    p.Send(ids::kPaintButton);
    EXPECT_EQ(CheckPaintedPolygon(SavedPicture(p, 12), TemplateVertices(12), paint), "");
    p.Send(ids::kMeshButton);
    EXPECT_EQ(CheckMesh(SavedPicture(p, 12), TemplateVertices(12), kMagenta), "")
        << "after \"Malla\"";
}

TEST_F(MainWindow, PaperColourRepaintsTheCanvas) {
    p.ChooseListItem(ids::kSideList, 0);
    HWND canvas = p.Control(ids::kCanvasControl);
    EXPECT_EQ(Capture(canvas).width, 800);
    EXPECT_EQ(PixelWhen(canvas, 10, 10, 0xFF00FF), 0xFF00FFu) << "magenta paper";
    p.Send(ids::kPaperColor);  // no favourite picked yet: the selected colour is black
    EXPECT_EQ(PixelWhen(canvas, 10, 10, 0x000000), 0x000000u);
    EXPECT_EQ(PixelWhen(canvas, 790, 790, 0x000000), 0x000000u);
}

TEST_F(MainWindow, AuthorBoxHasItsFiveLinesAndOpensOnce) {
    p.Post(ids::kAuthor);
    ASSERT_NE(p.WaitForMessageBox(), nullptr);
    const int windows = p.WindowCount();
    p.Post(ids::kAuthor);  // handled by the box's own loop, and refused
    ASSERT_TRUE(p.WaitForPostedMessages());
    EXPECT_EQ(p.WindowCount(), windows) << "a second \"Autor\" opens no second box";
    EXPECT_EQ(
        AnswerBox(p),
        L"Realizado por:\r\nBelmar 2018\r\n\r\nVisitame en: \r\nhttps://poligonos.example.org/");
}

TEST_F(MainWindow, FirstRunStoresTheDefaultsAndTheChosenWidthOnQuit) {
    EXPECT_FALSE(fs::exists(p.ProgramFolder() / "Configuracion.ini")) << "a load creates no file";
    p.ChooseListItem(ids::kWidthList, 6);
    p.Post(ids::kQuit);
    DWORD code = 99;
    ASSERT_TRUE(p.WaitForExit(&code));
    EXPECT_EQ(code, 0u);
    const auto ini = ReadFile(p.ProgramFolder() / "Configuracion.ini");
    const std::string text(ini.begin(), ini.end());
    EXPECT_EQ(
        text,
        "[Colores]\r\nBorde=0\r\nRelleno=16777215\r\nPapel=16711935\r\n[Punta]\r\nGrosor=7\r\n");
}

TEST(StoredSettings, TheCloseRequestEndsWithZeroAndStoresTheSettings) {
    Program p("[Punta]\r\nGrosor=3\r\n");
    ASSERT_TRUE(p.Started()) << p.StartFailure();
    EXPECT_EQ(ListSelection(p.Control(ids::kWidthList)), 2) << "the stored width 3";
    PostMessageW(p.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD code = 99;
    ASSERT_TRUE(p.WaitForExit(&code));
    EXPECT_EQ(code, 0u);
    const auto ini = ReadFile(p.ProgramFolder() / "Configuracion.ini");
    EXPECT_NE(std::string(ini.begin(), ini.end()).find("Grosor=3"), std::string::npos);
}

// An editor or a sync client keeps the settings open, sharing reading and writing but not
// deletion; a user hid the file. Either way the new width is stored, and the file stays hidden.
TEST(StoredSettings, HeldOpenElsewhereOrHiddenAreStoredOnQuit) {
    for (const bool hidden : {false, true}) {
        SCOPED_TRACE(hidden ? "hidden" : "held open");
        Program p("[Punta]\r\nGrosor=3\r\n");
        ASSERT_TRUE(p.Started()) << p.StartFailure();
        const fs::path ini = p.ProgramFolder() / "Configuracion.ini";
        testing_support::HeldFile held;
        if (hidden)
            ASSERT_TRUE(SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_HIDDEN));
        else
            held = testing_support::HoldOpen(ini, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(hidden || held);
        p.ChooseListItem(ids::kWidthList, 6);
        EXPECT_EQ(p.Quit(), 0u);
        held = {};
        const auto text = ReadFile(ini);
        EXPECT_NE(std::string(text.begin(), text.end()).find("Grosor=7"), std::string::npos)
            << std::string(text.begin(), text.end());
        EXPECT_EQ(FileNames(p.ProgramFolder()),
                  (std::vector<std::wstring>{L"Configuracion.ini", L"poligonos.exe"}));
        EXPECT_EQ(GetFileAttributesW(ini.c_str()) & FILE_ATTRIBUTE_HIDDEN,
                  hidden ? DWORD{FILE_ATTRIBUTE_HIDDEN} : 0u);
    }
}

TEST_F(MainWindow, QuitSentFromAnotherProgramEndsItToo) {
    p.Send(ids::kQuit);  // handled while the modal loop is between messages
    DWORD code = 99;
    ASSERT_TRUE(p.WaitForExit(&code));
    EXPECT_EQ(code, 0u);
}

TEST(StoredSettings, GarbageStartsWithTheValuesTheRulesGive) {
    std::string garbage = "[Colores]\r\nBorde=12abc\r\nPapel=&HFF\r\n[Punta]\r\nGrosor=1e999\r\n";
    for (int i = 0; i < 3000; ++i) garbage += static_cast<char>((i * 7919) % 256);
    Program p(garbage);
    ASSERT_TRUE(p.Started()) << p.StartFailure();
    EXPECT_EQ(ListSelection(p.Control(ids::kWidthList)), -1) << "an absurd width selects nothing";
    p.ChooseListItem(ids::kSideList, 0);
    EXPECT_EQ(PixelWhen(p.Control(ids::kCanvasControl), 10, 10, 0xFF0000), 0xFF0000u)
        << "paper &HFF is red";
}

}  // namespace
}  // namespace e2e

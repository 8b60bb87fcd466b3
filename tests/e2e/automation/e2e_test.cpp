// End-to-end tests: each starts its own copy of poligonos.exe in a fresh folder, with a
// working directory of its own, and drives it from outside.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <set>

#include "failure.h"
#include "picture_checks.h"
#include "program_driver.h"
#include "test_options.h"

namespace fs = std::filesystem;

namespace e2e {
namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF, kWhite = 0xFFFFFF, kBlack = 0x000000;
const std::wstring kTitle = L"Programador";

std::wstring TwoDigits(int n) { return (n < 10 ? L"0" : L"") + std::to_wstring(n); }
std::wstring SideItem(int n) { return TwoDigits(n) + L" lados"; }
std::wstring WidthItem(int n) { return TwoDigits(n) + L" grosor borde"; }

// Skips the calling test while the program lacks the feature, saying so.
#define SKIP_IF_PENDING(feature)                                                             \
    if (Options().pending.count(feature))                                                    \
    GTEST_SKIP() << "the program does not have this yet (" << feature << "): check not run"

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

// A value of the settings file as the profile functions read it; "<none>" when absent.
std::string ProfileValue(const fs::path& file, const wchar_t* section, const wchar_t* key) {
    wchar_t value[260] = {};
    GetPrivateProfileStringW(section, key, L"<none>", value, 260, file.c_str());
    return Narrow(value);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

void KeepPicture(const Image& image, const std::string& name) {
    if (Options().artifacts.empty()) return;
    fs::create_directories(Options().artifacts);
    WriteBmp(Options().artifacts / name, image);
    std::printf("[ E2E picture ] %s\n", (Options().artifacts / name).string().c_str());
}

// The canvas part of a screenshot, taken again until it shows `expected` or the wait is
// over: the window may still be repainting after a box has gone from above it.
std::string CanvasOnScreenMatches(ProgramRun& run, const Image& expected, Image* shot) {
    std::string problem;
    PollUntil(
        kDefaultWait,
        [&] {
            POINT origin{};
            *shot = run.Screenshot(&origin);
            const RECT canvas = run.ControlRect(ids::kCanvas);
            problem = CompareImages(expected, shot->Crop(origin.x + canvas.left, origin.y + canvas.top, 800, 800),
                                    "canvas on screen against the saved picture");
            return problem.empty();
        },
        [&] { run.CheckAlive(); });
    return problem;
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

TEST(Lists, HoldTheSideCountsAndWidthsInOrderWithTheStoredWidthSelected) {
    ProgramRun run;
    const auto sides = run.ListItems(ids::kSideList);
    ASSERT_EQ(sides.size(), 30u) << "items in the side-count list";
    for (int n = 3; n <= 32; ++n) EXPECT_EQ(Narrow(sides[n - 3]), Narrow(SideItem(n))) << "side item " << n - 3;
    const auto widths = run.ListItems(ids::kWidthList);
    ASSERT_EQ(widths.size(), 10u) << "items in the width list";
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(Narrow(widths[n - 1]), Narrow(WidthItem(n))) << "width item " << n - 1;
    EXPECT_EQ(run.ListSelection(ids::kSideList), -1) << "the side-count list starts without a selection";
    EXPECT_EQ(run.ListSelection(ids::kWidthList), 0) << "the default width 1 is selected";
    QuitAndExpectExitZero(run);
}

TEST(Lists, SelectTheWidthStoredInTheSettings) {
    ProgramRun run("[Colores]\r\nBorde=0\r\n[Punta]\r\nGrosor=4\r\n");
    EXPECT_EQ(run.ListSelection(ids::kWidthList), 3) << "width 4 from the settings file";
    QuitAndExpectExitZero(run);
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
    SKIP_IF_PENDING("menu-pictures");
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

TEST(Save, BeforeAnySideCountSaysItCouldNotAndWritesNothing) {
    ProgramRun run;
    run.PostCommand(ids::kSavePicture);
    const MessageBoxSeen box = run.WaitForMessageBox();
    EXPECT_EQ(box.title, kTitle);
    EXPECT_EQ(Narrow(box.text), "NO he podido grabar ...");
    EXPECT_TRUE(FilesIn(run.WorkFolder()).empty()) << "the working directory stays empty";
    EXPECT_EQ(FilesIn(run.ProgramFolder()).size(), 1u) << "only the program in its folder";
    // The box has no owner, so the window still takes the command: a second box opens.
    run.PostCommand(ids::kSavePicture);
    EXPECT_TRUE(PollUntil(kDefaultWait, [&] { return run.MessageBoxes().size() == 2; }, [&] { run.CheckAlive(); }))
        << "expected two boxes after \"Grabar Imagen\" twice, got " << run.MessageBoxes().size();
    for (HWND w : run.MessageBoxes()) run.Answer(MessageBoxSeen{w, L"", L""});
    EXPECT_TRUE(FilesIn(run.WorkFolder()).empty());
    QuitAndExpectExitZero(run);
}

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

TEST(Paper, ColorPapelRepaintsTheCanvasAndItsSwatch) {
    ProgramRun run;
    run.ChooseListText(ids::kSideList, SideItem(5));
    // No colour was picked among the favourites, so the selected colour is black.
    run.SendCommand(ids::kPaperColor);
    Image black;
    black.width = black.height = 800;
    black.pixels.assign(800 * 800, kBlack);
    Image shot;
    EXPECT_EQ(CanvasOnScreenMatches(run, black, &shot), "") << "the canvas on screen in the new paper colour";
    EXPECT_EQ(CheckUniform(SavedPicture(run, 5), kBlack), "") << "black paper under a black mesh";
    const MenuBar bar = run.ReadMenu();
    ASSERT_TRUE(bar.FindById(ids::kPaperColor)->bitmapCentre.has_value());
    EXPECT_EQ(DescribePixel(*bar.FindById(ids::kPaperColor)->bitmapCentre), DescribePixel(kBlack));
    EXPECT_EQ(DescribePixel(*bar.FindById(ids::kFillColor)->bitmapCentre), DescribePixel(kWhite)) << "unchanged";
    QuitAndExpectExitZero(run);
    EXPECT_EQ(ProfileValue(run.ProgramFolder() / "Configuracion.ini", L"Colores", L"Papel"), "0");
}

TEST(Author, BoxShowsFiveLines) {
    ProgramRun run;
    run.PostCommand(ids::kAuthor);
    const MessageBoxSeen box = run.WaitForMessageBox();
    EXPECT_EQ(box.title, kTitle);
    std::vector<std::string> lines;
    const std::string text = Narrow(box.text);
    for (size_t start = 0;;) {
        const size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 5u) << "lines of \"" << text << "\"";
    EXPECT_EQ(lines[0], "Realizado por:");
    EXPECT_EQ(lines[1], "Belmar 2018");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "Visitame en: ");
    EXPECT_NE(lines[4].find("example.org"), std::string::npos) << "a web address, got \"" << lines[4] << "\"";
    // A second "Autor" while the box is open does nothing.
    run.PostCommand(ids::kAuthor);
    run.WaitUntilIdle();
    EXPECT_EQ(run.MessageBoxes().size(), 1u) << "boxes after a second \"Autor\"";
    run.Answer(box);
    QuitAndExpectExitZero(run);
}

TEST(Settings, FirstRunStoresTheDefaultsBesideTheProgram) {
    ProgramRun run;
    QuitAndExpectExitZero(run);
    const fs::path file = run.ProgramFolder() / "Configuracion.ini";
    ASSERT_TRUE(fs::exists(file)) << "expected " << file.string();
    EXPECT_FALSE(fs::exists(run.WorkFolder() / "Configuracion.ini"));
    const std::vector<std::string> expected = {"[Colores]", "Borde=0", "Relleno=16777215", "Papel=16711935",
                                               "[Punta]", "Grosor=1"};
    EXPECT_EQ(Lines(ReadWholeFile(file)), expected);
}

TEST(Settings, WidthChosenBeforeSalirIsStored) {
    ProgramRun run;
    run.ChooseListText(ids::kWidthList, WidthItem(4));
    QuitAndExpectExitZero(run);
    EXPECT_EQ(ProfileValue(run.ProgramFolder() / "Configuracion.ini", L"Punta", L"Grosor"), "4");
}

TEST(Settings, CloseRequestEndsWithZeroAndStores) {
    ProgramRun run;
    run.ChooseListText(ids::kWidthList, WidthItem(6));
    run.PostSysCommand(SC_CLOSE);
    EXPECT_EQ(run.WaitForExit(), 0u) << "exit code after the close request";
    EXPECT_EQ(ProfileValue(run.ProgramFolder() / "Configuracion.ini", L"Punta", L"Grosor"), "6");
}

TEST(Settings, GarbageValuesLoadAsTheRulesSay) {
    // Not a number: 0. A number then letters: the number. Empty: 0, not the default.
    // 2.5 rounds to the even 2.
    ProgramRun run("[Colores]\r\nBorde=abc\r\nRelleno=12xyz\r\nPapel=\r\n[Punta]\r\nGrosor=2.5\r\n");
    EXPECT_EQ(run.ListSelection(ids::kWidthList), 1) << "width 2";
    run.ChooseListText(ids::kSideList, SideItem(3));
    run.ClickButton(ids::kPaint);
    const Image painted = SavedPicture(run, 3);
    EXPECT_EQ(DescribePixel(painted.At(236, 346)), DescribePixel(PixelOf(12))) << "fill colour 12";
    EXPECT_EQ(DescribePixel(painted.At(700, 700)), DescribePixel(kBlack)) << "paper 0";
    QuitAndExpectExitZero(run);
    const fs::path file = run.ProgramFolder() / "Configuracion.ini";
    EXPECT_EQ(ProfileValue(file, L"Colores", L"Borde"), "0");
    EXPECT_EQ(ProfileValue(file, L"Colores", L"Relleno"), "12");
    EXPECT_EQ(ProfileValue(file, L"Colores", L"Papel"), "0");
    EXPECT_EQ(ProfileValue(file, L"Punta", L"Grosor"), "2");
}

TEST(Settings, OutOfRangeWidthSelectsNothing) {
    ProgramRun run("[Punta]\r\nGrosor=70000\r\n[Colores]\r\nPapel=4294967295\r\n");
    EXPECT_EQ(run.ListSelection(ids::kWidthList), -1) << "a width of -32768 selects no item";
    QuitAndExpectExitZero(run);
    const fs::path file = run.ProgramFolder() / "Configuracion.ini";
    EXPECT_EQ(ProfileValue(file, L"Punta", L"Grosor"), "-32768");
    EXPECT_EQ(ProfileValue(file, L"Colores", L"Papel"), "-2147483648");
}

TEST(Settings, BinaryGarbageStartsWithTheDefaults) {
    std::string garbage;
    std::uint32_t seed = 12345;
    for (int i = 0; i < 4096; ++i) {
        seed = seed * 1103515245u + 12345u;
        char c = static_cast<char>(seed >> 24);
        if (c == '[' || c == '=') c = '.';  // no section or key by chance
        garbage += c;
    }
    ProgramRun run(garbage);
    EXPECT_EQ(run.ListSelection(ids::kWidthList), 0) << "default width 1";
    const MenuBar bar = run.ReadMenu();
    ASSERT_TRUE(bar.FindById(ids::kPaperColor)->bitmapCentre.has_value());
    EXPECT_EQ(DescribePixel(*bar.FindById(ids::kPaperColor)->bitmapCentre), DescribePixel(kMagenta));
    QuitAndExpectExitZero(run);
}

TEST(Layout, ScreenshotShowsCanvasButtonsAndListsInTheirPlaces) {
    ProgramRun run;
    RECT client{};
    ASSERT_TRUE(GetClientRect(run.MainWindow(), &client));
    EXPECT_EQ(client.right, 810) << "client width";
    const struct {
        int id;
        RECT rect;
        const char* name;
    } controls[] = {
        {ids::kCanvas, {5, 5, 805, 805}, "canvas"},      {ids::kPaint, {105, 819, 175, 837}, "Pinta"},
        {ids::kMesh, {196, 819, 266, 838}, "Malla"},     {ids::kWidthList, {300, 819, 490, 857}, "width list"},
        {ids::kSideList, {590, 819, 680, 857}, "side list"},
    };
    for (const auto& c : controls) {
        const RECT r = run.ControlRect(c.id);
        RECT expected = c.rect;
        if (c.id == ids::kWidthList || c.id == ids::kSideList) {
            // A list box without LBS_NOINTEGRALHEIGHT is shortened to whole items, as on Windows.
            const auto itemHeight = static_cast<int>(SendMessageW(run.Control(c.id), LB_GETITEMHEIGHT, 0, 0));
            if (r.bottom < c.rect.bottom && r.bottom > c.rect.bottom - itemHeight) expected.bottom = r.bottom;
        }
        EXPECT_TRUE(EqualRect(&r, &expected)) << c.name << ": expected (" << c.rect.left << ", " << c.rect.top << ")-("
                                            << c.rect.right << ", " << c.rect.bottom << "), got (" << r.left << ", "
                                            << r.top << ")-(" << r.right << ", " << r.bottom << ")";
    }
    EXPECT_EQ(Narrow(run.WindowTitle(run.Control(ids::kPaint))), "Pinta");
    EXPECT_EQ(Narrow(run.WindowTitle(run.Control(ids::kMesh))), "Malla");

    run.ChooseListText(ids::kSideList, SideItem(5));
    const Image saved = SavedPicture(run, 5);
    Image shot;
    EXPECT_EQ(CanvasOnScreenMatches(run, saved, &shot), "");
    KeepPicture(shot, "main-window.bmp");
    POINT origin{};
    run.Screenshot(&origin);
    // Buttons and lists: drawn in more than one colour (frame, face, text), none of them
    // the paper, and the lists on a white ground.
    for (const auto& c : controls) {
        if (c.id == ids::kCanvas) continue;
        const Image part = shot.Crop(origin.x + c.rect.left, origin.y + c.rect.top, c.rect.right - c.rect.left,
                                     c.rect.bottom - c.rect.top);
        std::set<std::uint32_t> colours(part.pixels.begin(), part.pixels.end());
        EXPECT_GE(colours.size(), 3u) << c.name << " looks empty on screen";
        EXPECT_EQ(colours.count(kMagenta), 0u) << c.name << " shows canvas paper";
        if (c.id == ids::kWidthList || c.id == ids::kSideList) {
            EXPECT_EQ(colours.count(kWhite), 1u) << c.name << " has no white ground";
        }
    }
    QuitAndExpectExitZero(run);
}

TEST(Pointer, DraggingAMarkerMovesItsVertex) {
    SKIP_IF_PENDING("pointer");
    ProgramRun run;
    run.ChooseListText(ids::kSideList, SideItem(5));
    auto v = TemplateVertices(5);
    const int x = v[0].x + 3, y = v[0].y + 3;
    run.PointerMove(x, y, false);
    run.PointerDown(x, y);
    run.PointerMove(x + 5, y - 2, true);
    run.PointerMove(x + 10, y - 4, true);
    run.PointerUp(x + 10, y - 4);
    run.WaitUntilIdle();
    v[0] = Vertex{v[0].x + 10, v[0].y - 4};
    EXPECT_EQ(CheckMesh(SavedPicture(run, 5), v, kMagenta), "") << "vertex 1 dragged by (+10, -4)";
    QuitAndExpectExitZero(run);
}

}  // namespace
}  // namespace e2e

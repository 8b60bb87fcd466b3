// The program on the machines people have, as Wine shows them: a program folder named in any
// language, a folder name near the longest a file may have, and other code pages (Wine takes
// the code page from LANG), and the layout at 96 dpi. The other screens are in
// screens_e2e_test.cpp.
#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <fstream>
#include <set>

#include "automation/failure.h"
#include "automation/favorites_driver.h"
#include "automation/screen_settings.h"
#include "ids/program_ids.h"
#include "picture_checks.h"
#include "program_probe.h"
#include "started_program.h"

namespace e2e {
namespace {

struct Place {
    int id, x, y, width, height;
};
constexpr Place kPlaces[] = {
    {ids::kPaintButton, 105, 819, 70, 18}, {ids::kMeshButton, 196, 819, 70, 19},
    {ids::kSideList, 590, 819, 90, 38},    {ids::kWidthList, 300, 819, 190, 38},
    {ids::kCanvasControl, 5, 5, 800, 800},
};

RECT InClient(const Program& p, HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, p.Main(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

using CodePage = StartedProgram;

// How many rows of items a list shows whole, and whether its client area is exactly that.
int WholeRows(HWND list, bool* exact) {
    RECT client{};
    GetClientRect(list, &client);
    const int item = static_cast<int>(SendTo(list, LB_GETITEMHEIGHT));
    *exact = item > 0 && client.bottom % item == 0;
    return item > 0 ? client.bottom / item : 0;
}

class AtScreenDpi : public testing::TestWithParam<int> {};

// At 96 dpi on a screen that holds the window, every control has its place and size, the
// lists whole rows of their own font, and the bottom row stays inside the window.
TEST_P(AtScreenDpi, ControlsKeepTheirPixelsAndTheListFontFollowsTheScreen) {
    const int dpi = GetParam();
    ScreenDpi screen(static_cast<DWORD>(dpi));
    Program p;
    ASSERT_TRUE(p.Started()) << p.StartFailure();
    ASSERT_EQ(SeenByProgram(p).screenDpi, dpi) << "Wine did not give the program the new DPI";
    p.ChooseListItem(ids::kSideList, 4);
    RECT client{};
    GetClientRect(p.Main(), &client);
    EXPECT_EQ(client.right, 810);
    for (const Place& c : kPlaces) {
        HWND control = p.Control(c.id);
        const RECT r = InClient(p, control);
        EXPECT_EQ(r.left, c.x) << c.id;
        EXPECT_EQ(r.top, c.y) << c.id;
        EXPECT_EQ(r.right - r.left, c.width) << c.id;
        EXPECT_LE(r.bottom, client.bottom) << c.id << ": inside the client area";
        if (c.id != ids::kSideList && c.id != ids::kWidthList) {
            EXPECT_EQ(r.bottom - r.top, c.height) << c.id;
            continue;
        }
        EXPECT_EQ(FontHeight(p, control), -(dpi * 10) / 72) << c.id;
        // As many whole items of its font as the height asked for holds.
        RECT inner{};
        GetClientRect(control, &inner);
        const int frame = (r.bottom - r.top) - inner.bottom;
        const int item = static_cast<int>(SendTo(control, LB_GETITEMHEIGHT));
        ASSERT_GT(item, 0);
        EXPECT_EQ(inner.bottom, (c.height - frame) / item * item)
            << c.id << ": items of " << item << " pixels";
    }
    EXPECT_EQ(p.Quit(), 0u);
}

// On other screens the layout is scaled and the pictures zoomed: screens_e2e_test.cpp.
INSTANTIATE_TEST_SUITE_P(Machines, AtScreenDpi, testing::Values(96));

// Every file under `folder`, by its path relative to it.
std::set<fs::path> FilesUnder(const fs::path& folder) {
    std::set<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), folder));
    return files;
}

// The palette StoreWidthAndPalette archives: white, cell (4, 7) mid grey.
std::vector<favorites::FavoriteColorRecord> PaletteWithGreyCell() {
    auto cells = WhitePalette();
    cells[4 * 13 + 7].color = 0x00808080;
    return cells;
}

// Chooses width 4, archives the palette with one cell grey and ends the program.
void StoreWidthAndPalette(Program& p) {
    p.ChooseListItem(ids::kWidthList, 3);
    HWND d = OpenFavorites(p);
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(ChangeCellToGrey(p, d, 4, 7));
    Click(d, ids::kArchiveButton);
    EXPECT_EQ(AnswerEveryBox(p), std::vector<std::wstring>{kArchivedText});
    LeaveFavorites(p, d);
    EXPECT_EQ(p.Quit(), 0u);
}

// Started again in its folder, the program shows width 4 and the grey cell.
void ExpectStoredWidthAndPalette(const Program& first) {
    Program again(first.ProgramFolder() / "poligonos.exe", first.WorkFolder());
    ASSERT_TRUE(again.Started()) << again.StartFailure();
    EXPECT_EQ(ListSelection(again.Control(ids::kWidthList)), 3) << "the stored width 4";
    HWND d = OpenFavorites(again);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(PaletteShown(d, PaletteWithGreyCell()), "") << "the grey cell (4, 7)";
    LeaveFavorites(again, d);
    EXPECT_EQ(again.Quit(), 0u);
}

// A folder name outside every single-byte code page: the files are its own, and a folder
// with the look-alike name ("Łódź" without its marks) beside it is left alone.
TEST(Machines, AFolderNamedInAnyLanguageKeepsItsOwnFiles) {
    Launch launch;
    launch.folder = L"Poligonos \u0141\u00F3d\u017A \u4E2D \U0001F600";
    Program p(launch);
    ASSERT_TRUE(p.Started()) << p.StartFailure();
    const fs::path lookAlike = p.TestFolder() / L"Poligonos L\u00F3dz";
    fs::create_directories(lookAlike);
    std::ofstream(lookAlike / "Configuracion.ini", std::ios::binary) << "[Punta]\r\nGrosor=9\r\n";
    std::ofstream(lookAlike / "Mis Colores.log", std::ios::binary) << "theirs";
    StoreWidthAndPalette(p);
    EXPECT_EQ(FilesUnder(p.TestFolder()),
              (std::set<fs::path>{
                  launch.folder / "poligonos.exe", launch.folder / "Configuracion.ini",
                  launch.folder / "Mis Colores.log", lookAlike.filename() / "Configuracion.ini",
                  lookAlike.filename() / "Mis Colores.log"}));
    EXPECT_EQ(ReadFile(p.ProgramFolder() / "Mis Colores.log").size(), 3120u);
    const auto theirs = ReadFile(lookAlike / "Mis Colores.log");
    EXPECT_EQ(std::string(theirs.begin(), theirs.end()), "theirs");
    const auto settings = ReadFile(lookAlike / "Configuracion.ini");
    EXPECT_EQ(std::string(settings.begin(), settings.end()), "[Punta]\r\nGrosor=9\r\n");
    ExpectStoredWidthAndPalette(p);
}

// A program folder (with its trailing "\") of exactly `length` characters.
fs::path FolderOfLength(const fs::path& testFolder, std::size_t length) {
    const std::size_t start = testFolder.wstring().size() + 1;  // the separator after it
    if (length < start + 4) Fail("the test folder is too long for the case");
    std::wstring inner;
    for (std::size_t left = length - start; left > 0;) {
        const std::size_t part = std::min<std::size_t>(left - 1, 120);
        inner += std::wstring(part, L'c') + (left - part - 1 > 0 ? L"\\" : L"");
        left -= part + 1;
    }
    return inner;
}

// Long folders: "Mis Colores.log" is written and read under its whole name, and no other file
// is; where the platform cannot open it, each record says so and nothing is claimed.
TEST(Machines, LongProgramFoldersArchiveTheirOwnPaletteFile) {
    for (std::size_t length = 240; length <= 259; ++length) {
        SCOPED_TRACE(length);
        Launch launch;
        launch.root = NewTestFolder();
        launch.folder = FolderOfLength(launch.root, length);
        Program p(launch);
        if (!p.Started() && length + std::string("poligonos.exe").size() >= MAX_PATH) {
            std::printf("[ E2E      ] no program starts from a folder of %zu characters: %s\n",
                        length, p.StartFailure().c_str());
            break;
        }
        ASSERT_TRUE(p.Started()) << p.StartFailure();
        ASSERT_EQ(p.ProgramFolder().wstring().size() + 1, length);
        HWND d = OpenFavorites(p);
        ASSERT_NE(d, nullptr);
        ASSERT_TRUE(ChangeCellToGrey(p, d, 4, 7));
        Click(d, ids::kArchiveButton);
        const auto boxes = AnswerEveryBox(p);
        LeaveFavorites(p, d, IDNO);
        std::set<fs::path> files = FilesUnder(p.ProgramFolder());
        // The settings, stored as the dialog closes, go where their name cut to 259 points
        // (the platform drops a trailing dot of a name).
        std::wstring settings =
            (p.ProgramFolder().wstring() + L"\\Configuracion.ini").substr(0, 259).substr(length);
        while (!settings.empty() && settings.back() == L'.') settings.pop_back();
        if (!settings.empty()) EXPECT_EQ(files.erase(settings), 1u) << Narrow(settings);
        if (boxes == std::vector<std::wstring>{kArchivedText}) {
            EXPECT_EQ(files, (std::set<fs::path>{"poligonos.exe", "Mis Colores.log"}));
            EXPECT_EQ(ReadFile(PaletteFile(p)).size(), 3120u);
            HWND again = OpenFavorites(p);
            ASSERT_NE(again, nullptr);
            EXPECT_EQ(PaletteShown(again, PaletteWithGreyCell()), "") << "the grey cell (4, 7)";
            LeaveFavorites(p, again);
        } else {
            EXPECT_EQ(boxes.size(), 130u) << "one message a record, no word of success";
            EXPECT_EQ(files, std::set<fs::path>{"poligonos.exe"});
        }
        EXPECT_EQ(p.Quit(), 0u);
    }
}

// The code page this run gives the program: POLIGONOS_CODE_PAGE, set with the locale by the
// runs under other code pages; 1252 otherwise.
unsigned CodePageOfThisRun() {
    wchar_t number[16] = {};
    GetEnvironmentVariableW(L"POLIGONOS_CODE_PAGE", number, 16);
    return number[0] ? static_cast<unsigned>(std::wcstoul(number, nullptr, 10)) : 1252u;
}

// The program's texts are Windows-1252 whatever the system's code page: the vertex list and the
// boxes read as they do under 1252, and the lists keep two whole rows. (The menu's texts are
// ASCII, the same in every code page; main_menu_win_test reads them.)
TEST_F(CodePage, TheTextsReadAsUnder1252) {
    ASSERT_EQ(SeenByProgram(p).ansiCodePage, CodePageOfThisRun())
        << "the program was not given the code page of this run";
    for (int id : {ids::kSideList, ids::kWidthList}) {
        bool exact = false;
        EXPECT_EQ(WholeRows(p.Control(id), &exact), 2) << id;
        EXPECT_TRUE(exact) << id << ": whole items only";
    }
    p.ChooseListItem(ids::kSideList, 9);  // 12 sides
    p.Post(ids::kSavePicture);
    const auto box = AnswerBox(p);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, L"Programador");
    EXPECT_EQ(box->text, L"Poligono Grabado ...");
    p.Post(ids::kVertexProperties);
    HWND d = p.WaitForWindow(L"Coordenadas poligono");
    ASSERT_NE(d, nullptr);
    const auto items = ComboItems(GetDlgItem(d, ids::kVertexList));
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[0], L"01\u00BA vertice");
    EXPECT_EQ(items[11], L"12\u00BA vertice");
}

}  // namespace
}  // namespace e2e

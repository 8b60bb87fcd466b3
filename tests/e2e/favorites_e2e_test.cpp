// "Tus Colores Favoritos" driven from outside: the palette and the colour chooser, the selected
// colour and what the main window paints with it, the palette file as written and as read,
// and archives that cannot replace the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>

#include "automation/favorites_driver.h"
#include "bmp_file.h"
#include "ids/program_ids.h"
#include "picture_checks.h"
#include "started_program.h"
#include "support/files.h"
#include "support/held_file_win.h"

namespace e2e {
namespace {

using favorites::FavoriteColorRecord;
using favorites::FavoriteTable;
using testing_support::HoldOpen;
using testing_support::Le16;
using testing_support::Le32;

FavoriteTable TableOf(const std::vector<FavoriteColorRecord>& records) {
    FavoriteTable table{};
    for (const auto& r : records) table[r.row][r.column] = r;
    return table;
}

void ExpectPalette(HWND dialog, const std::vector<FavoriteColorRecord>& records,
                   Ringed ringed = {}) {
    EXPECT_EQ(PaletteShown(dialog, records, ringed), "");
}

// The records of a palette file as the format gives them, read here: 24 bytes each, the last
// one naming a cell of the palette wins, a partial one at the end is no record.
std::vector<FavoriteColorRecord> RecordsOf(const std::vector<std::uint8_t>& file) {
    std::vector<FavoriteColorRecord> records;
    for (std::size_t at = 0; at + 24 <= file.size(); at += 24) {
        const FavoriteColorRecord r{static_cast<std::int32_t>(Le32(file, at)),
                                    static_cast<std::int32_t>(Le32(file, at + 4)),
                                    static_cast<std::int32_t>(Le32(file, at + 8)),
                                    static_cast<std::int32_t>(Le32(file, at + 12)),
                                    static_cast<std::int16_t>(Le16(file, at + 16)),
                                    static_cast<std::int16_t>(Le16(file, at + 18)),
                                    static_cast<std::int32_t>(Le32(file, at + 20))};
        if (r.row >= 0 && r.row < 10 && r.column >= 0 && r.column < 13) records.push_back(r);
    }
    return records;
}

// The label once more than 50 of its pixels hold `text` (its words in that colour).
Picture Label(HWND dialog, std::uint32_t text) {
    return CaptureWhen(GetDlgItem(dialog, ids::kSelectedColorLabel), [&](const Picture& label) {
        return std::count(label.pixels.begin(), label.pixels.end(), text) > 50;
    });
}

// How many pixels of the label hold `colour`, once its words show in that colour.
int LabelPixels(HWND dialog, std::uint32_t colour) {
    const Picture label = Label(dialog, colour);
    return static_cast<int>(std::count(label.pixels.begin(), label.pixels.end(), colour));
}

// The first and last columns of the label that hold `colour`.
std::pair<int, int> LabelColumns(HWND dialog, std::uint32_t colour) {
    const Picture label = Label(dialog, colour);
    int first = label.width, last = -1;
    for (int y = 0; y < label.height; ++y)
        for (int x = 0; x < label.width; ++x)
            if (label.At(x, y) == colour) first = std::min(first, x), last = std::max(last, x);
    return {first, last};
}

// The label's background, once it shows `colour`.
std::uint32_t LabelBackground(HWND dialog, std::uint32_t colour) {
    return PixelWhen(GetDlgItem(dialog, ids::kSelectedColorLabel), 3, 3, colour);
}

// The tests that work one copy of the program; those of FavoriteFiles start one per file.
using Favorites = StartedProgram;

TEST_F(Favorites, NewPaletteChangedThroughTheChooserAndArchived) {
    HWND d = OpenFavorites(p);
    ASSERT_NE(d, nullptr);
    RECT client{};
    GetClientRect(d, &client);
    EXPECT_EQ(client.right, 350);
    EXPECT_EQ(client.bottom, 357);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, ids::kArchiveButton))) << "nothing to archive yet";
    const int windowsOpen = p.WindowCount();
    p.Post(ids::kFavoriteColors);  // handled by the dialog's loop, and refused
    ASSERT_TRUE(p.WaitForPostedMessages());
    EXPECT_EQ(p.WindowCount(), windowsOpen) << "one dialog at a time";
    auto cells = WhitePalette();
    ExpectPalette(d, cells);  // 130 white boxes with black rings

    // A second click while the chooser is up opens no second one.
    HWND chooser = OpenChooser(p, d, BoxMiddle(1, 0));
    ASSERT_NE(chooser, nullptr);
    const int windows = p.WindowCount();
    PostMessageW(GetDlgItem(d, ids::kPaletteControl), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(40, 40));
    ASSERT_TRUE(p.WaitForPostedMessages());
    EXPECT_EQ(p.WindowCount(), windows) << "one chooser only";

    ASSERT_TRUE(AcceptChooser(chooser));  // OK, with the mid grey it opened with
    ASSERT_TRUE(WaitFor([&] {
        return IsWindowEnabled(GetDlgItem(d, ids::kArchiveButton)) != FALSE;
    })) << "a change to archive";
    ASSERT_TRUE(p.WaitForPostedMessages());
    EXPECT_EQ(p.WaitForDialogWith(kChooserRed, 0), nullptr) << "and no chooser after it";

    OnPalette(d, WM_MOUSEMOVE, BoxMiddle(5, 5));  // the new colour shows at the next move
    cells[13].color = 0x00808080;                 // cell (1, 0)
    ExpectPalette(d, cells, {5, 5});
    OnPalette(d, WM_MOUSEMOVE, {130, 255});  // below the rows: the last highlight stays
    ExpectPalette(d, cells, {5, 5});

    Click(d, ids::kArchiveButton);
    EXPECT_EQ(AnswerEveryBox(p), std::vector<std::wstring>{kArchivedText});
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, ids::kArchiveButton)));
    const auto file = ReadFile(PaletteFile(p));
    ASSERT_EQ(file.size(), 3120u);
    EXPECT_EQ(favorites::DecodeRecord(std::span<const std::uint8_t, 24>(file.data() + 312, 24)),
              (FavoriteColorRecord{1, 26, 26, 51, 0, 1, 0x00808080}))
        << "record 14 is cell (1, 0)";
    EXPECT_TRUE(file == FileOf(cells)) << "row by row";
    EXPECT_TRUE(LeaveFavorites(p, d).empty()) << "nothing left to ask about";
}

TEST_F(Favorites, RightClicksSelectAColourThatTheFillThenPaints) {
    WritePaletteFile(p, FileOf(ColouredPalette()));
    EXPECT_FALSE(fs::exists(p.ProgramFolder() / "Configuracion.ini"));
    HWND d = OpenFavorites(p);
    ASSERT_NE(d, nullptr);
    ExpectPalette(d, ColouredPalette());
    EXPECT_EQ(LabelBackground(d, 0xFFFFFF), 0xFFFFFFu) << "white before any pick";
    const auto [left, right] = LabelColumns(d, 0x000000);
    EXPECT_TRUE(left > 20 && right < 314 && std::abs((left + right) / 2 - 167) <= 6)
        << "\"Color Seleccionado\" centred: columns " << left << " to " << right;

    OnPalette(d, WM_RBUTTONDOWN, {4 + 25, 10});  // the ring of (0, 1)
    EXPECT_EQ(LabelBackground(d, 0x000000), 0x000000u);
    EXPECT_GT(LabelPixels(d, 0xFFFFFF), 50) << "white text on black";
    OnPalette(d, WM_RBUTTONDOWN, {2, 2});  // between boxes
    EXPECT_EQ(LabelBackground(d, 0xFFFFFF), 0xFFFFFFu);
    EXPECT_GT(LabelPixels(d, 0x000000), 50) << "black text on white";
    const runtime::COLORREF picked = ColouredPalette()[3 * 13 + 7].color;
    OnPalette(d, WM_RBUTTONDOWN, BoxMiddle(3, 7));
    EXPECT_EQ(LabelBackground(d, PixelOf(picked)), PixelOf(picked));
    EXPECT_GT(LabelPixels(d, 0x000000), 50) << "black text on a colour";

    EXPECT_TRUE(LeaveFavorites(p, d).empty()) << "no changes, no question";
    const auto ini = ReadFile(p.ProgramFolder() / "Configuracion.ini");
    EXPECT_EQ(
        std::string(ini.begin(), ini.end()),
        "[Colores]\r\nBorde=0\r\nRelleno=16777215\r\nPapel=16711935\r\n[Punta]\r\nGrosor=1\r\n")
        << "stored as soon as the dialog closed";

    p.Send(ids::kFillColor);
    p.ChooseListItem(ids::kSideList, 3);  // 6 sides
    p.Send(ids::kPaintButton);
    p.Post(ids::kSavePicture);
    EXPECT_EQ(AnswerEveryBox(p), std::vector<std::wstring>{L"Poligono Grabado ..."});
    EXPECT_EQ(CheckPaintedPolygon(ReadBmp(p.PictureFile(6)).image, TemplateVertices(6),
                                  {0xFF00FF, 0x000000, PixelOf(picked), 1}),
              "")
        << "filled with the selected colour";

    d = OpenFavorites(p);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(LabelBackground(d, 0xFFFFFF), 0xFFFFFFu) << "a new opening shows the label white";
    EXPECT_GT(LabelPixels(d, 0x000000), 50) << "with black text, whatever colour is selected";
    LeaveFavorites(p, d);
}

TEST_F(Favorites, LeavingWithChangesAsksAndNoDiscardsThemResetDeletesTheFileCloseDoesNotAsk) {
    WritePaletteFile(p, FileOf(ColouredPalette()));
    HWND d = OpenFavorites(p);
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(ChangeCellToGrey(p, d, 0, 0));
    EXPECT_EQ(LeaveFavorites(p, d, IDNO),
              std::vector<std::wstring>{L"Desea guardar los cambios antes de Salir ?"});
    EXPECT_TRUE(ReadFile(PaletteFile(p)) == FileOf(ColouredPalette())) << "the file as it was";

    d = OpenFavorites(p);
    ASSERT_NE(d, nullptr);
    ExpectPalette(d, ColouredPalette());  // the change is gone
    const std::uint32_t picked = PixelOf(ColouredPalette()[2 * 13 + 4].color);
    OnPalette(d, WM_RBUTTONDOWN, BoxMiddle(2, 4));
    ASSERT_EQ(LabelBackground(d, picked), picked);
    Click(d, ids::kResetButton);
    EXPECT_EQ(AnswerEveryBox(p, IDYES),
              std::vector<std::wstring>{
                  L"Realmente desea RESETEAR ?\r\nSe perderan todos tus colores favoritos"});
    EXPECT_FALSE(fs::exists(PaletteFile(p)));
    ExpectPalette(d, WhitePalette());
    EXPECT_EQ(LabelBackground(d, 0xFFFFFF), 0xFFFFFFu) << "the selected colour is white again";
    EXPECT_TRUE(LeaveFavorites(p, d).empty());
    EXPECT_FALSE(fs::exists(PaletteFile(p))) << "a reset writes no new file";

    // The close request ends the dialog without the question; the change is lost.
    d = OpenFavorites(p);
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(ChangeCellToGrey(p, d, 0, 0));
    PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(d); }));
    EXPECT_TRUE(AnswerEveryBox(p, IDYES).empty()) << "no question";
    EXPECT_FALSE(fs::exists(PaletteFile(p)));
}

// Files the program did not write, opened and then archived after one change.
TEST(FavoriteFiles, PaletteFilesAreReadRecordByRecord) {
    const auto cells = ColouredPalette();
    auto reversed = cells;
    std::reverse(reversed.begin(), reversed.end());
    auto farAway = cells;
    farAway.push_back(favorites::DefaultCell(20, 20, 0x00010203));
    auto missing = cells;
    missing.erase(missing.begin() + 4 * 13 + 7);
    auto extraByte = FileOf(cells);
    extraByte.push_back(0x7F);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
        std::vector<FavoriteColorRecord> records;  // those that name palette cells
    } cases[] = {
        {"3121 bytes", extraByte, cells},
        {"records in reverse order", FileOf(reversed), cells},
        {"a record at row 20, column 20", FileOf(farAway), cells},
        {"129 records", FileOf(missing), missing},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program p;
        ASSERT_TRUE(p.Started()) << p.StartFailure();
        WritePaletteFile(p, c.file);
        HWND d = OpenFavorites(p);
        ASSERT_NE(d, nullptr);
        ExpectPalette(d, c.records);
        ASSERT_TRUE(ChangeCellToGrey(p, d, 9, 12));
        Click(d, ids::kArchiveButton);
        EXPECT_EQ(AnswerEveryBox(p), std::vector<std::wstring>{kArchivedText});
        const FavoriteTable table = TableOf(c.records);
        std::vector<FavoriteColorRecord> written;
        for (int r = 0; r < 10; ++r)
            for (int col = 0; col < 13; ++col) written.push_back(table[r][col]);
        written.back().color = 0x00808080;
        EXPECT_TRUE(ReadFile(PaletteFile(p)) == FileOf(written))
            << "the 130 palette cells and nothing else";
        LeaveFavorites(p, d);
    }
}

TEST_F(Favorites, AFileHeldOpenElsewhereKeepsItsContent) {
    const auto old = FileOf(ColouredPalette());
    WritePaletteFile(p, old);
    HWND d = OpenFavorites(p);
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(ChangeCellToGrey(p, d, 2, 2));
    testing_support::HeldFile held = HoldOpen(PaletteFile(p), 0, GENERIC_READ);
    ASSERT_TRUE(held);
    Click(d, ids::kArchiveButton);
    const auto boxes = AnswerEveryBox(p);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind(L"Err: ", 0), 0u) << Narrow(boxes[0]);
    std::printf("[ E2E      ] archive onto a file held open elsewhere: \"%s\"\n",
                Narrow(boxes[0]).c_str());
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, ids::kArchiveButton))) << "still not archived";
    held = {};
    EXPECT_TRUE(ReadFile(PaletteFile(p)) == old);
    EXPECT_EQ(testing_support::EntryCount(p.ProgramFolder()), 2)
        << "no temporary file stays beside the program and the palette";
    LeaveFavorites(p, d);
}

// Held open by a program that shares reading and writing, or beside a read-only leftover
// "Mis Colores.~00", the palette is archived all the same; the leftover stays as it was.
TEST(FavoriteFiles, ArchivedOverAHeldFileAndBesideAReadOnlyLeftover) {
    for (const bool held : {true, false}) {
        SCOPED_TRACE(held ? "held open" : "read-only leftover");
        Program p;
        ASSERT_TRUE(p.Started()) << p.StartFailure();
        WritePaletteFile(p, FileOf(ColouredPalette()));
        const fs::path leftover = p.ProgramFolder() / "Mis Colores.~00";
        if (!held) {
            std::ofstream(leftover, std::ios::binary) << "theirs";
            ASSERT_TRUE(SetFileAttributesW(leftover.c_str(), FILE_ATTRIBUTE_READONLY));
        }
        HWND d = OpenFavorites(p);
        ASSERT_NE(d, nullptr);
        ASSERT_TRUE(ChangeCellToGrey(p, d, 2, 2));
        testing_support::HeldFile holder;
        if (held) holder = HoldOpen(PaletteFile(p), FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(!held || holder);
        Click(d, ids::kArchiveButton);
        EXPECT_EQ(AnswerEveryBox(p), std::vector<std::wstring>{kArchivedText});
        holder = {};
        auto cells = ColouredPalette();
        cells[2 * 13 + 2].color = 0x00808080;
        EXPECT_TRUE(ReadFile(PaletteFile(p)) == FileOf(cells)) << "the palette archived";
        LeaveFavorites(p, d);
        std::vector<std::wstring> files{L"Configuracion.ini", L"Mis Colores.log", L"poligonos.exe"};
        if (!held) files.insert(files.begin() + 2, L"Mis Colores.~00");
        EXPECT_EQ(FileNames(p.ProgramFolder()), files) << "no copy of the program's left";
        if (!held) {
            const auto theirs = ReadFile(leftover);
            EXPECT_EQ(std::string(theirs.begin(), theirs.end()), "theirs");
            EXPECT_EQ(GetFileAttributesW(leftover.c_str()) & FILE_ATTRIBUTE_READONLY,
                      DWORD{FILE_ATTRIBUTE_READONLY});
        }
    }
}

TEST(FavoriteFiles, DamagedFilesOpenQuicklyWithWhatTheirRecordsGive) {
    const std::vector<std::uint8_t> empty, noise = [] {
        std::mt19937 random(20261208);
        std::vector<std::uint8_t> bytes(10 * 1024 * 1024);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        // A few records that name palette cells among the noise.
        for (int k = 0; k < 5; ++k) {
            const auto one =
                favorites::EncodeRecord(favorites::DefaultCell(k, 2 * k, 0x00102030 * (k + 1)));
            std::copy(one.begin(), one.end(), bytes.begin() + 24 * (1000 + 77777 * k));
        }
        return bytes;
    }();
    for (const std::vector<std::uint8_t>* file : {&empty, &noise}) {
        SCOPED_TRACE(file->size());
        Program p;
        ASSERT_TRUE(p.Started()) << p.StartFailure();
        WritePaletteFile(p, *file);
        const auto started = std::chrono::steady_clock::now();
        HWND d = OpenFavorites(p);
        ASSERT_NE(d, nullptr);
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - started);
        std::printf("[ E2E      ] the dialog opened on a palette file of %zu bytes in %lld ms\n",
                    file->size(), static_cast<long long>(ms.count()));
        ExpectPalette(d, RecordsOf(*file));
        LeaveFavorites(p, d);
        DWORD code = 0;
        EXPECT_FALSE(p.WaitForExit(&code, 0)) << "still running";
    }
}

}  // namespace
}  // namespace e2e

#include "favorites/favorites_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "favorites/favorites_store_test_support.h"
#include "runtime/files/error_number.h"

namespace favorites {
namespace {

namespace fs = std::filesystem;

using test::Message;

class FavoritesStore : public test::StoreInFolder {
  protected:
    void WriteFile(const std::vector<FavoriteColorRecord>& records,
                   std::size_t extraBytes = 0) const {
        std::ofstream out(File(), std::ios::binary);
        for (const FavoriteColorRecord& r : records) {
            const RecordBytes b = EncodeRecord(r);
            out.write(reinterpret_cast<const char*>(b.data()), b.size());
        }
        for (std::size_t i = 0; i < extraBytes; ++i) out.put('\x7F');
    }

    static std::vector<FavoriteColorRecord> PaletteRecords() {
        std::vector<FavoriteColorRecord> records;
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 13; ++c) records.push_back(FavoriteColors[r][c]);
        return records;
    }
};

FavoriteColorRecord Cell(int row, int column, runtime::COLORREF color) {
    FavoriteColorRecord r;
    r.left = 25 * column + 1;
    r.right = 25 * (column + 1) + 1;
    r.top = 25 * row + 1;
    r.bottom = 25 * (row + 1) + 1;
    r.column = static_cast<std::int16_t>(column);
    r.row = static_cast<std::int16_t>(row);
    r.color = color;
    return r;
}

TEST(FavoriteRecord, BytesAreLittleEndianInFieldOrder) {
    FavoriteColorRecord r{-2, 0x01020304, 26, 51, 12, -1, 0x00ABCDEF};
    const RecordBytes b = EncodeRecord(r);
    const RecordBytes expected{0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 26,   0,    0,    0,
                               51,   0,    0,    0,    12,   0,    0xFF, 0xFF, 0xEF, 0xCD, 0xAB, 0};
    EXPECT_EQ(b, expected);
    EXPECT_EQ(DecodeRecord(b), r);
}

TEST_F(FavoritesStore, DefaultPaletteGeometryAndColours) {
    FavoriteColors[40][40].color = 5;  // left from an earlier file
    ResetFavorites();
    EXPECT_EQ(FavoriteColors[0][0], Cell(0, 0, runtime::kWhite));
    EXPECT_EQ(FavoriteColors[9][12].left, 301);
    EXPECT_EQ(FavoriteColors[9][12].top, 226);
    EXPECT_EQ(FavoriteColors[9][12].right, 326);
    EXPECT_EQ(FavoriteColors[9][12].bottom, 251);
    EXPECT_EQ(FavoriteColors[40][40], FavoriteColorRecord{});
    EXPECT_EQ(FavoriteColors[10][0], FavoriteColorRecord{});
    EXPECT_EQ(FavoriteColors[0][13], FavoriteColorRecord{});
}

TEST_F(FavoritesStore, ArchiveWritesThePaletteRowByRowAndSaysSo) {
    OpenFavorites();  // no file: the defaults
    EXPECT_FALSE(FileExists(FavoritesFilePath()));
    FavoriteColors[20][20] = Cell(20, 20, 0x123456);  // held, but not part of the palette
    FavoritesModified = 1;
    ASSERT_TRUE(ArchiveFavorites());
    EXPECT_EQ(FavoritesModified, 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Mis Colores Favoritos han sido Archivados");
    EXPECT_EQ(messages[0].style, kPromptOk);
    EXPECT_EQ(messages[0].title, "Programador");

    const std::vector<std::uint8_t> bytes = FileBytes();
    ASSERT_EQ(bytes.size(), 3120u);
    // Record 14 is cell (1, 0).
    const auto record14 = DecodeRecord(std::span<const std::uint8_t, 24>(bytes.data() + 312, 24));
    EXPECT_EQ(record14, Cell(1, 0, runtime::kWhite));
    EXPECT_EQ(Entries(), 1) << "the new file took the old one's place";
}

TEST_F(FavoritesStore, LoadingFollowsWhatEachRecordSays) {
    ResetFavorites();
    FavoriteColors[2][5].color = 0x00808080;
    std::vector<FavoriteColorRecord> palette = PaletteRecords();

    // Reversed, with a record at (20, 20), one outside the table and a few stray bytes.
    std::vector<FavoriteColorRecord> file(palette.rbegin(), palette.rend());
    file.push_back(Cell(20, 20, 0x0000FF));
    FavoriteColorRecord outside = Cell(3, 3, 0x00FF00);
    outside.row = 51;
    file.push_back(outside);
    outside.row = 3;
    outside.column = -1;
    file.push_back(outside);
    WriteFile(file, 23);

    FavoriteColors = {};
    OpenFavorites();
    EXPECT_EQ(PaletteRecords(), palette);
    EXPECT_EQ(FavoriteColors[20][20].color, 0x0000FF);
    EXPECT_EQ(FavoriteColors[3][3], Cell(3, 3, runtime::kWhite))
        << "records outside 0 .. 50 are skipped";

    // The next archive writes the 130 palette cells only; the stray bytes and (20, 20) go.
    ASSERT_TRUE(ArchiveFavorites());
    EXPECT_EQ(FileBytes().size(), 3120u);
    LoadFavorites();
    EXPECT_EQ(FavoriteColors[20][20], FavoriteColorRecord{});
    EXPECT_EQ(PaletteRecords(), palette);
}

TEST_F(FavoritesStore, MissingAndRepeatedRecords) {
    ResetFavorites();
    std::vector<FavoriteColorRecord> file = PaletteRecords();
    file.erase(file.begin() + 14);           // cell (1, 1) missing
    file.push_back(Cell(0, 0, 0x00010203));  // a later record replaces an earlier one
    WriteFile(file);
    LoadFavorites();
    EXPECT_EQ(FavoriteColors[1][1], FavoriteColorRecord{}) << "black, with an empty rectangle";
    EXPECT_EQ(FavoriteColors[0][0].color, 0x00010203);
    EXPECT_EQ(FavoriteColors[1][2], Cell(1, 2, runtime::kWhite));

    WriteFile({}, 23);  // not even one whole record
    LoadFavorites();
    EXPECT_EQ(FavoriteColors[0][0], FavoriteColorRecord{});
    EXPECT_TRUE(messages.empty()) << "loading reports nothing";
}

TEST_F(FavoritesStore, AFileThatCannotBeOpenedGivesAnEmptyTable) {
    fs::create_directory(File());  // a folder where the file should be
    ResetFavorites();
    OpenFavorites();
    EXPECT_EQ(FavoriteColors[0][0], FavoriteColorRecord{});
    EXPECT_EQ(runtime::ErrorNumber(), 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FavoritesStore, FileExistsLeavesNoErrorBehind) {
    runtime::ProcedureError error;
    EXPECT_FALSE(FileExists(FavoritesFilePath()));
    EXPECT_EQ(error.Number(), 0);
    WriteFile({});
    EXPECT_TRUE(FileExists(FavoritesFilePath()));
    EXPECT_FALSE(FileExists(folder_.File("*.log")));
    EXPECT_EQ(error.Number(), 0);
}

TEST_F(FavoritesStore, ResetAsksAndOnYesDeletesTheFileWithoutWritingOne) {
    ResetFavorites();
    FavoriteColors[0][0].color = 0;
    WriteFile(PaletteRecords());
    FavoritesModified = 1;

    answer = kNo;  // No: nothing happens
    EXPECT_FALSE(AskAndResetFavorites());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "Realmente desea RESETEAR ?\r\nSe perderan todos tus colores favoritos");
    EXPECT_EQ(messages[0].style, kPromptYesNo);
    EXPECT_EQ(messages[0].title, "Programador");
    EXPECT_TRUE(fs::exists(File()));
    EXPECT_EQ(FavoriteColors[0][0].color, 0);

    answer = kYes;
    EXPECT_TRUE(AskAndResetFavorites());
    EXPECT_FALSE(fs::exists(File()));
    EXPECT_EQ(FavoriteColors[0][0].color, runtime::kWhite);
    EXPECT_EQ(FavoritesModified, 1) << "a reset leaves the flag as it was";
    EXPECT_EQ(Entries(), 0);
}

TEST_F(FavoritesStore, LeavingOffersToSaveOnlyChanges) {
    ResetFavorites();
    OfferToSaveFavorites();
    EXPECT_TRUE(messages.empty());

    FavoritesModified = 1;
    answer = kNo;
    OfferToSaveFavorites();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Desea guardar los cambios antes de Salir ?");
    EXPECT_FALSE(fs::exists(File()));

    answer = kYes;
    OfferToSaveFavorites();
    EXPECT_EQ(messages.size(), 2u) << "saving on the way out says nothing more";
    EXPECT_EQ(FileBytes().size(), 3120u);
}

TEST_F(FavoritesStore, AFailedArchiveKeepsTheOldFileAndSaysNoSuccess) {
    ResetFavorites();
    FavoriteColors[0][0].color = 0x00111111;
    WriteFile(PaletteRecords());
    const std::vector<std::uint8_t> old = FileBytes();
    FavoriteColors[0][0].color = 0x00222222;
    FavoritesModified = 1;

    // Files of the user's where the new file would go are left alone; the records cannot take
    // the old file's place when a folder holds it: one message, and the new file goes.
    std::ofstream(folder_.Path() / "Mis Colores.~00") << "mine";
    fs::create_directory(folder_.Path() / "Mis Colores.~01");
    fs::rename(File(), folder_.Path() / "old");
    fs::create_directory(File());
    EXPECT_FALSE(ArchiveFavorites());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Err:  70 Permission denied");
    EXPECT_EQ(FavoritesModified, 1);
    EXPECT_EQ(Entries(), 4) << "the two of the user's, the old file and the folder";
    EXPECT_EQ(testing_support::FileText(folder_.Path() / "Mis Colores.~00"), "mine");

    fs::remove(File());
    fs::rename(folder_.Path() / "old", File());
    fs::permissions(File(), fs::perms::owner_read);  // read-only, as a user may leave it
    messages.clear();
    EXPECT_TRUE(ArchiveFavorites());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Mis Colores Favoritos han sido Archivados");
    EXPECT_NE(FileBytes(), old);
    EXPECT_EQ(DecodeRecord(std::span<const std::uint8_t, 24>(FileBytes().data(), 24)).color,
              0x00222222);
    EXPECT_NE(fs::status(File()).permissions() & fs::perms::owner_write, fs::perms::none)
        << "no longer read-only";
    EXPECT_EQ(Entries(), 3);
}

// The whole name is used, and the new file's name is as long as the palette file's: a name
// of 258 characters (which a cut at 255 would have made another file's) takes an archive, and
// no other file is written.
TEST_F(FavoritesStore, ArchivesUnderTheWholeName) {
    const std::size_t folderLength = 258 - std::string("Mis Colores.log").size();
    std::string folder = folder_.File("");
    while (folder.size() < folderLength) {
        const std::size_t part = std::min<std::size_t>(100, folderLength - folder.size() - 1);
        folder += std::string(part, 'c') + "/";
        ASSERT_TRUE(fs::create_directory(folder)) << folder;
    }
    FavoritesFolder = folder;
    ASSERT_EQ(FavoritesFilePath().native().size(), 258u);
    ResetFavorites();
    EXPECT_TRUE(ArchiveFavorites());
    EXPECT_EQ(fs::file_size(FavoritesFilePath()), 3120u);
    EXPECT_EQ(testing_support::EntryCount(folder), 1);
}

TEST_F(FavoritesStore, AFolderThatIsNotThereGivesBadFileNameMessages) {
    FavoritesFolder = folder_.File("missing") + static_cast<char>(fs::path::preferred_separator);
    ResetFavorites();
    EXPECT_FALSE(ArchiveFavorites());
    ASSERT_EQ(messages.size(), 130u);
    // Opening fails, and then the length and the write fail in turn with 52.
    for (const Message& m : messages) EXPECT_EQ(m.text, "Err:  52 Bad file name or number");
}

TEST_F(FavoritesStore, RemovingIgnoresEveryError) {
    runtime::ProcedureError error;
    RemoveFavoritesFile();  // no file
    EXPECT_EQ(error.Number(), 0);
    WriteFile({});
    RemoveFavoritesFile();
    EXPECT_FALSE(fs::exists(File()));
}

TEST_F(FavoritesStore, BadFilesLoadWithoutTrouble) {
    // Random bytes: whatever whole records name cells inside the table.
    std::vector<std::uint8_t> random(3000);
    std::uint32_t state = 12345;
    for (auto& b : random) {
        state = state * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(state >> 16);
    }
    {
        std::ofstream out(File(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(random.data()), random.size());
    }
    LoadFavorites();
    int expectedCells = 0;
    FavoriteTable expected{};
    for (std::size_t k = 0; k + 24 <= random.size(); k += 24) {
        const auto r = DecodeRecord(std::span<const std::uint8_t, 24>(random.data() + k, 24));
        if (r.row >= 0 && r.row <= 50 && r.column >= 0 && r.column <= 50) {
            expected[r.row][r.column] = r;
            ++expectedCells;
        }
    }
    EXPECT_EQ(FavoriteColors, expected) << expectedCells << " records in range";

    // Empty.
    { std::ofstream out(File(), std::ios::binary | std::ios::trunc); }
    ResetFavorites();
    LoadFavorites();
    EXPECT_EQ(FavoriteColors[0][0], FavoriteColorRecord{});

    // 10 MB: the palette repeated, then a record for (7, 7) as the very last one.
    ResetFavorites();
    const std::vector<FavoriteColorRecord> palette = PaletteRecords();
    {
        std::ofstream out(File(), std::ios::binary | std::ios::trunc);
        const std::size_t total = 10u << 20;
        std::size_t written = 0;
        for (std::size_t i = 0; written + 48 <= total; ++i, written += 24) {
            const RecordBytes b = EncodeRecord(palette[i % palette.size()]);
            out.write(reinterpret_cast<const char*>(b.data()), b.size());
        }
        const RecordBytes last = EncodeRecord(Cell(7, 7, 0x00ABCDEF));
        out.write(reinterpret_cast<const char*>(last.data()), last.size());
    }
    FavoriteColors = {};
    LoadFavorites();
    EXPECT_EQ(FavoriteColors[7][7].color, 0x00ABCDEF);
    EXPECT_EQ(FavoriteColors[9][12], Cell(9, 12, runtime::kWhite));
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace favorites

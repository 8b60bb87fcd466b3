#include "favorites/favorites_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "support/temp_folder.h"

namespace favorites {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> shown;
int answer = 0;
int Record(const std::string& text, int) {
    shown.push_back(text);
    return answer;
}

std::vector<std::uint8_t> Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                             static_cast<std::streamsize>(bytes.size()));
}

std::int32_t I32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t{b[at + 3]} << 24);
}

struct Store : ::testing::Test {
    testing_support::TempFolder folder;
    void SetUp() override {
        FavoritesFolder = folder.Path().string() + static_cast<char>(fs::path::preferred_separator);
        SetMessageFunction(Record);
        shown.clear();
        answer = 0;
        SetDefaultGeometry();
        ResetFavorites();
        FavoritesModified = 0;
    }
    void TearDown() override { SetMessageFunction(nullptr); }
    fs::path File() const { return folder.Path() / "Mis Colores.log"; }
    int Entries() const { return static_cast<int>(std::distance(fs::directory_iterator(folder.Path()), {})); }
};

TEST_F(Store, TheDefaultPaletteArchivesAs3120BytesInRowMajorOrder) {
    EXPECT_FALSE(FileExists(FavoritesPath()));
    EXPECT_EQ(FavoriteColors[9][12].left, 301);
    EXPECT_EQ(FavoriteColors[9][12].bottom, 251);
    FavoritesModified = 1;
    ASSERT_TRUE(ArchiveFavorites());
    EXPECT_EQ(FavoritesModified, 0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Mis Colores Favoritos han sido Archivados");
    const auto b = Read(File());
    ASSERT_EQ(b.size(), 3120u);
    // Record 14 is cell (1, 0).
    EXPECT_EQ(I32(b, 312), 1);
    EXPECT_EQ(I32(b, 316), 26);
    EXPECT_EQ(I32(b, 320), 26);
    EXPECT_EQ(I32(b, 324), 51);
    EXPECT_EQ(b[328] | b[329] << 8, 0);
    EXPECT_EQ(b[330] | b[331] << 8, 1);
    EXPECT_EQ(I32(b, 332), 0x00FFFFFF);
    EXPECT_EQ(Entries(), 1) << "nothing left beside it";
    EXPECT_TRUE(FileExists(FavoritesPath()));
}

TEST_F(Store, LoadingTakesRecordsInAnyOrderAndIgnoresTheRest) {
    FavoriteColors[3][4].color = 0x00123456;
    ASSERT_TRUE(SaveFavorites());
    auto b = Read(File());
    const FavoriteTable written = FavoriteColors;

    std::vector<std::uint8_t> reversed;
    for (int k = 129; k >= 0; --k) reversed.insert(reversed.end(), b.begin() + 24 * k, b.begin() + 24 * (k + 1));
    reversed.push_back(0x7F);  // a partial record at the end
    Write(File(), reversed);
    LoadFavorites();
    EXPECT_EQ(std::memcmp(&FavoriteColors, &written, sizeof written), 0);

    b.resize(24 * 129);  // one record short: the last cell is all zero, black
    std::vector<std::uint8_t> far = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20, 0, 20, 0, 9, 9, 9, 0};
    b.insert(b.end(), far.begin(), far.end());
    Write(File(), b);
    LoadFavorites();
    EXPECT_EQ(FavoriteColors[9][12].color, 0);
    EXPECT_EQ(FavoriteColors[9][12].right, 0);
    EXPECT_EQ(FavoriteColors[20][20].color, 0x00090909) << "kept in the table";
    ASSERT_TRUE(SaveFavorites());
    EXPECT_EQ(Read(File()).size(), 3120u) << "but not written back";
}

TEST_F(Store, DamagedFilesLoadWithoutHarm) {
    std::mt19937 rng(4);
    std::vector<std::uint8_t> junk(100000);
    for (auto& byte : junk) byte = static_cast<std::uint8_t>(rng());
    Write(File(), junk);
    LoadFavorites();
    Write(File(), {});
    LoadFavorites();
    for (const auto& row : FavoriteColors)
        for (const auto& cell : row) ASSERT_EQ(cell.color, 0) << "an empty file gives an all-zero table";
    EXPECT_TRUE(shown.empty()) << "loading never reports";
}

TEST_F(Store, AFolderThatCannotBeWrittenGivesOneMessagePerRecordAndNoSuccess) {
    FavoritesFolder = (folder.Path() / "missing").string() + static_cast<char>(fs::path::preferred_separator);
    FavoritesModified = 1;
    EXPECT_FALSE(ArchiveFavorites());
    ASSERT_EQ(shown.size(), 130u);
    EXPECT_EQ(shown.front(), "Err:  52 Bad file name or number");
    EXPECT_EQ(shown.back(), "Err:  52 Bad file name or number");
    EXPECT_EQ(FavoritesModified, 1) << "the changes are still not archived";
}

TEST_F(Store, AFileThatCannotBeReplacedKeepsTheOldPalette) {
    Write(File(), std::vector<std::uint8_t>(48, 7));
    fs::permissions(File(), fs::perms::owner_read);
    EXPECT_FALSE(ArchiveFavorites());
    fs::permissions(File(), fs::perms::owner_all);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Err:  70 Permission denied");
    EXPECT_EQ(Read(File()), std::vector<std::uint8_t>(48, 7));
    EXPECT_EQ(Entries(), 1) << "the new file is removed";
}

TEST_F(Store, ResetAsksAndOnYesDeletesTheFile) {
    ASSERT_TRUE(SaveFavorites());
    FavoriteColors[0][0].color = 5;
    answer = 7;  // No
    EXPECT_FALSE(ResetOnRequest());
    EXPECT_EQ(shown.back(), "Realmente desea RESETEAR ?\r\nSe perderan todos tus colores favoritos");
    EXPECT_TRUE(fs::exists(File()));
    EXPECT_EQ(FavoriteColors[0][0].color, 5);
    answer = 6;  // Yes
    CellWidth = 99;
    EXPECT_TRUE(ResetOnRequest());
    EXPECT_FALSE(fs::exists(File()));
    EXPECT_EQ(FavoriteColors[0][0].color, 0x00FFFFFF);
    EXPECT_EQ(FavoriteColors[0][1].left, 26) << "the geometry is back to its defaults";
}

}  // namespace
}  // namespace favorites

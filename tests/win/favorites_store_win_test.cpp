// The favourite colours' file on Windows: a palette file that another program holds open keeps
// its content, and the user hears of it once; a read-only or hidden one is archived over, and
// files of others beside it are left alone.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "favorites/favorites_store.h"
#include "runtime/files/replacement_file.h"
#include "support/temp_folder.h"

namespace {

using namespace favorites;
namespace fs = std::filesystem;

std::vector<std::string> shown;

int Collect(const std::string& text, int /*style*/, const std::string& /*title*/) {
    shown.push_back(text);
    return IDNO;
}

std::vector<char> Bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FavoritesStoreWin : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = SetFavoritesPrompt(Collect);
        shown.clear();
        FavoritesFolder = folder_.File("");
        ResetFavorites();
        FavoriteColors[0][0].color = 0x00010101;
        ASSERT_TRUE(SaveFavorites());
        old_ = Bytes(folder_.Path() / "Mis Colores.log");
        ASSERT_EQ(old_.size(), 3120u);
        FavoriteColors[0][0].color = 0x00020202;
        FavoritesModified = 1;
    }
    void TearDown() override {
        SetFavoritesPrompt(previous_);
        FavoritesFolder.clear();
    }

    int Files() const {
        return static_cast<int>(std::distance(fs::directory_iterator(folder_.Path()), {}));
    }

    testing_support::TempFolder folder_;
    std::vector<char> old_;
    PromptFunction previous_ = nullptr;
};

TEST_F(FavoritesStoreWin, HeldOpenElsewhereKeepsTheOldFile) {
    const std::filesystem::path path = FavoritesFilePath();
    HANDLE other = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    const bool archived = ArchiveFavorites();
    CloseHandle(other);
    EXPECT_FALSE(archived);
    ASSERT_EQ(shown.size(), 1u) << "one message, and no word of success";
    EXPECT_EQ(shown[0], "Err:  70 Permission denied");
    EXPECT_EQ(Bytes(folder_.Path() / "Mis Colores.log"), old_);
    EXPECT_EQ(Files(), 1) << "nothing is left behind";
    EXPECT_EQ(FavoritesModified, 1);

    // Once the other program lets go, the archive goes through.
    shown.clear();
    EXPECT_TRUE(ArchiveFavorites());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Mis Colores Favoritos han sido Archivados");
    LoadFavorites();
    EXPECT_EQ(FavoriteColors[0][0].color, 0x00020202);
}

TEST_F(FavoritesStoreWin, ReadOnlyOrHiddenFileIsArchivedOverStillHidden) {
    const std::wstring wide = (folder_.Path() / "Mis Colores.log").wstring();
    ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    EXPECT_TRUE(ArchiveFavorites());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Mis Colores Favoritos han sido Archivados");
    EXPECT_EQ(GetFileAttributesW(wide.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
              DWORD{FILE_ATTRIBUTE_HIDDEN});
    LoadFavorites();
    EXPECT_EQ(FavoriteColors[0][0].color, 0x00020202);
    EXPECT_EQ(Files(), 1);

    // A reset clears the attributes and deletes the file all the same.
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    RemoveFavoritesFile();
    EXPECT_EQ(GetFileAttributesW(wide.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FavoritesStoreWin, AFileOfAnotherProgramWhereTheNewFileWouldGoIsLeftAlone) {
    const std::filesystem::path theirs = runtime::ReplacementName(FavoritesFilePath(), 0);
    HANDLE other = CreateFileW(theirs.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(other, "theirs", 6, &written, nullptr);
    EXPECT_TRUE(ArchiveFavorites());
    CloseHandle(other);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Mis Colores Favoritos han sido Archivados");
    EXPECT_EQ(Bytes(theirs), std::vector<char>({'t', 'h', 'e', 'i', 'r', 's'}));
    EXPECT_EQ(Files(), 2);
}

}  // namespace

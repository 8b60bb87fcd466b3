// The favourite colours' file on Windows: a palette file that another program holds open keeps
// its content, and the user hears of it once; a read-only or hidden one is archived over, and
// files of others beside it are left alone.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "favorites/favorites_store_test_support.h"
#include "runtime/files/replacement_file.h"
#include "support/held_file_win.h"

namespace {

using namespace favorites;
using testing_support::HoldOpen;

// A palette on file, and a change of it not archived yet.
class FavoritesStoreWin : public test::StoreInFolder {
  protected:
    void SetUp() override {
        StoreInFolder::SetUp();
        ResetFavorites();
        FavoriteColors[0][0].color = 0x00010101;
        ASSERT_TRUE(SaveFavorites());
        old_ = FileBytes();
        ASSERT_EQ(old_.size(), 3120u);
        FavoriteColors[0][0].color = 0x00020202;
        FavoritesModified = 1;
    }

    std::vector<std::uint8_t> old_;
};

TEST_F(FavoritesStoreWin, HeldOpenElsewhereKeepsTheOldFile) {
    testing_support::HeldFile other = HoldOpen(FavoritesFilePath(), 0, GENERIC_READ);
    ASSERT_TRUE(other);
    const bool archived = ArchiveFavorites();
    other = {};
    EXPECT_FALSE(archived);
    ASSERT_EQ(messages.size(), 1u) << "one message, and no word of success";
    EXPECT_EQ(messages[0].text, "Err:  70 Permission denied");
    EXPECT_EQ(FileBytes(), old_);
    EXPECT_EQ(Entries(), 1) << "nothing is left behind";
    EXPECT_EQ(FavoritesModified, 1);

    // Once the other program lets go, the archive goes through.
    messages.clear();
    EXPECT_TRUE(ArchiveFavorites());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Mis Colores Favoritos han sido Archivados");
    LoadFavorites();
    EXPECT_EQ(FavoriteColors[0][0].color, 0x00020202);
}

TEST_F(FavoritesStoreWin, ReadOnlyOrHiddenFileIsArchivedOverStillHidden) {
    const std::wstring wide = File().wstring();
    ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    EXPECT_TRUE(ArchiveFavorites());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Mis Colores Favoritos han sido Archivados");
    EXPECT_EQ(GetFileAttributesW(wide.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
              DWORD{FILE_ATTRIBUTE_HIDDEN});
    LoadFavorites();
    EXPECT_EQ(FavoriteColors[0][0].color, 0x00020202);
    EXPECT_EQ(Entries(), 1);

    // A reset clears the attributes and deletes the file all the same.
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    RemoveFavoritesFile();
    EXPECT_EQ(GetFileAttributesW(wide.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FavoritesStoreWin, AFileOfAnotherProgramWhereTheNewFileWouldGoIsLeftAlone) {
    const std::filesystem::path theirs = runtime::ReplacementName(FavoritesFilePath(), 0);
    testing_support::HeldFile other = HoldOpen(theirs, 0, GENERIC_WRITE, CREATE_NEW);
    ASSERT_TRUE(other);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(other.Get(), "theirs", 6, &written, nullptr));
    EXPECT_TRUE(ArchiveFavorites());
    other = {};
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Mis Colores Favoritos han sido Archivados");
    EXPECT_EQ(testing_support::FileText(theirs), "theirs");
    EXPECT_EQ(Entries(), 2);
}

}  // namespace

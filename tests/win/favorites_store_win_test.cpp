// The palette file on the real platform: held open by another program it keeps its content,
// and the user is told once.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "favorites/favorites_store.h"
#include "support/temp_folder.h"

namespace {

std::vector<std::string> shown;
int Record(const std::string& text, int) {
    shown.push_back(text);
    return 0;
}

TEST(FavoritesStoreWin, AFileHeldOpenElsewhereKeepsItsOldPalette) {
    testing_support::TempFolder folder;
    favorites::FavoritesFolder = folder.Path().string() + "\\";
    favorites::SetMessageFunction(Record);
    shown.clear();
    const std::string path = favorites::FavoritesPath();
    std::ofstream(path, std::ios::binary) << std::string(72, 'x');
    HANDLE other = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    favorites::SetDefaultGeometry();
    favorites::ResetFavorites();
    EXPECT_FALSE(favorites::ArchiveFavorites());
    CloseHandle(other);
    favorites::SetMessageFunction(nullptr);
    ASSERT_EQ(shown.size(), 1u) << "one message, and no success message";
    EXPECT_EQ(shown[0], "Err:  70 Permission denied");
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), std::string(72, 'x'));
    EXPECT_FALSE(favorites::FileExists(path + ".nuevo")) << "the new file is gone";
}

}  // namespace

#include "runtime/files/replacement_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/temp_folder.h"

namespace runtime {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(ReplacementFile, OnlyACommittedFileTakesTheTargetsPlace) {
    testing_support::TempFolder folder;
    const std::string target = folder.File("data.bin");
    std::ofstream(target) << "old";
    {
        ReplacementFile file(target);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("new content", 11));
        EXPECT_EQ(Read(target), "old") << "not before the commit";
    }
    EXPECT_EQ(Read(target), "old") << "an abandoned replacement changes nothing";
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 1);

    ReplacementFile file(target);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("new", 3));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(Read(target), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 1);
    EXPECT_FALSE(file.Write("more", 4)) << "a committed file takes no more bytes";
}

TEST(ReplacementFile, RefusesReadOnlyTargetsFoldersAndMissingFolders) {
    testing_support::TempFolder folder;
    const std::string target = folder.File("locked.bin");
    std::ofstream(target) << "keep";
    fs::permissions(target, fs::perms::owner_read);
    EXPECT_FALSE(ReplacementFile(target).Open());
    fs::permissions(target, fs::perms::owner_all);

    ReplacementFile late(target);
    ASSERT_TRUE(late.Open());
    ASSERT_TRUE(late.Write("x", 1));
    fs::permissions(target, fs::perms::owner_read);  // made read-only while we wrote
    EXPECT_FALSE(late.Commit());
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::owner_write, fs::perms::none)
        << "still read-only";
    fs::permissions(target, fs::perms::owner_all);
    EXPECT_EQ(Read(target), "keep");

    fs::create_directory(folder.Path() / "sub");
    ReplacementFile onFolder(folder.File("sub"));
    ASSERT_TRUE(onFolder.Open());
    EXPECT_FALSE(onFolder.Commit()) << "a folder";
    EXPECT_FALSE(ReplacementFile(folder.File("no/such/file")).Open());
    EXPECT_FALSE(ReplacementFile("").Open());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 2) << "nothing left behind";
}

// The new file takes a name no file has, never longer than the target's, and leaves every
// other file alone.
TEST(ReplacementFile, NewNamesAreAsLongAsTheTargetsAndNeverTaken) {
    EXPECT_EQ(ReplacementName("C:\\p\\Mis Colores.log", 0), "C:\\p\\Mis Colores.~00");
    EXPECT_EQ(ReplacementName("C:\\p\\Mis Colores.log", 37), "C:\\p\\Mis Colores.~11");
    EXPECT_EQ(ReplacementName("d/ab", 35), "d/0z");
    EXPECT_EQ(ReplacementName("d/a", 2), "d/2");
    EXPECT_EQ(ReplacementName("d/abc", 36 * 36), "") << "past the last name";
    EXPECT_EQ(ReplacementName("d/", 0), "") << "no name to replace";

    testing_support::TempFolder folder;
    const std::string target = folder.File("data.bin");
    std::ofstream(ReplacementName(target, 0)) << "mine";
    fs::create_directory(ReplacementName(target, 1));
    ReplacementFile file(target);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("new", 3));
    EXPECT_EQ(file.HandOver(), ReplacementName(target, 2));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(Read(target), "new");
    EXPECT_EQ(Read(ReplacementName(target, 0)), "mine");
    EXPECT_TRUE(fs::is_directory(ReplacementName(target, 1)));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 3);
}

TEST(ReplacementFile, ClearingTakesAReadOnlyTarget) {
    testing_support::TempFolder folder;
    const std::string target = folder.File("palette");
    std::ofstream(target) << "old";
    fs::permissions(target, fs::perms::owner_read);
    ReplacementFile file(target, ReadOnlyTarget::Clear);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("new", 3));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(Read(target), "new");
    EXPECT_NE(fs::status(target).permissions() & fs::perms::owner_write, fs::perms::none);
}

}  // namespace
}  // namespace runtime

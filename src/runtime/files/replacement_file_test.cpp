#include "runtime/files/replacement_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "support/files.h"
#include "support/temp_folder.h"

namespace runtime {
namespace {

using testing_support::FileText;

namespace fs = std::filesystem;

TEST(ReplacementFile, OnlyACommittedFileTakesTheTargetsPlace) {
    testing_support::TempFolder folder;
    const std::string target = folder.Write("data.bin", "old");
    {
        ReplacementFile file(target);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("new content", 11));
        EXPECT_EQ(FileText(target), "old") << "not before the commit";
    }
    EXPECT_EQ(FileText(target), "old") << "an abandoned replacement changes nothing";
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 1);

    ReplacementFile file(target);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("new", 3));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(FileText(target), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 1);
    EXPECT_FALSE(file.Write("more", 4)) << "a committed file takes no more bytes";
}

TEST(ReplacementFile, RefusesReadOnlyTargetsFoldersAndMissingFolders) {
    testing_support::TempFolder folder;
    const std::string target = folder.Write("locked.bin", "keep");
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
    EXPECT_EQ(FileText(target), "keep");

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
    std::ofstream(ReplacementName(target, 2)) << "kept";
    fs::permissions(ReplacementName(target, 2), fs::perms::owner_read);  // a read-only leftover
    ReplacementFile file(target);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("new", 3));
    EXPECT_EQ(file.HandOver(), ReplacementName(target, 3));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(FileText(target), "new");
    EXPECT_EQ(FileText(ReplacementName(target, 0)), "mine");
    EXPECT_TRUE(fs::is_directory(ReplacementName(target, 1)));
    EXPECT_EQ(FileText(ReplacementName(target, 2)), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 4);
    fs::permissions(ReplacementName(target, 2), fs::perms::owner_all);
}

// Another program refusing steps of a replacement, each for the given number of tries.
std::map<std::string, int> refusing;
int refusals = 0;
std::uint32_t Refuse(const char* step, int attempt) {
    const auto found = refusing.find(step);
    if (found == refusing.end() || attempt > found->second) return 0;
    ++refusals;
    return 32;  // a sharing violation
}

// A step refused for a moment is tried again; a target that cannot be replaced is written in
// place; either way nothing is left behind.
TEST(ReplacementFile, StepsRefusedForAMomentAreTriedAgain) {
    testing_support::TempFolder folder;
    const std::string target = folder.File("Configuracion.ini");
    const TryRefusal before = SetTryRefusal(Refuse);
    constexpr int kAlways = 1000;
    const struct {
        std::map<std::string, int> refusing;
        bool replaced;
        int refusals;
    } cases[] = {
        {{{"flush", 2}}, true, 2},
        {{{"replace", 2}}, true, 2},
        {{{"replace", kAlways}, {"in place", 2}, {"remove", 2}}, true, 14},
        {{{"replace", kAlways}, {"in place", kAlways}}, false, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refusals);
        std::ofstream(target) << "old";
        refusing = c.refusing;
        refusals = 0;
        ReplacementFile file(target);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("new", 3));
        file.HandOver();
        EXPECT_EQ(file.Commit(), c.replaced);
        EXPECT_EQ(FileText(target), c.replaced ? "new" : "old");
        EXPECT_EQ(refusals, c.refusals);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 1);
    }
    SetTryRefusal(before);
}

TEST(ReplacementFile, ClearingTakesAReadOnlyTarget) {
    testing_support::TempFolder folder;
    const std::string target = folder.Write("palette", "old");
    fs::permissions(target, fs::perms::owner_read);
    ReplacementFile file(target, ReadOnlyTarget::Clear);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("new", 3));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(FileText(target), "new");
    EXPECT_NE(fs::status(target).permissions() & fs::perms::owner_write, fs::perms::none);
}

}  // namespace
}  // namespace runtime

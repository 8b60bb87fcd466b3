#include "runtime/files/record_file.h"
#include "runtime/files/record_file_platform.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "runtime/files/error_number.h"
#include "support/temp_folder.h"

namespace runtime {
namespace {

namespace fs = std::filesystem;
using Record = std::array<std::uint8_t, 24>;

Record Filled(std::uint8_t value) {
    Record r;
    r.fill(value);
    return r;
}

// Opens and returns the file number, or fails the test with the error number.
int Open(const std::string& path, RecordAccess access, int length = 24) {
    ProcedureError error;
    const int n = FreeFileNumber();
    OpenRecordFile(n, path, length, access);
    EXPECT_EQ(ErrorNumber(), 0) << "opening " << path;
    return n;
}

int OpenError(int fileNumber, const std::string& path, int length, RecordAccess access) {
    ProcedureError error;
    OpenRecordFile(fileNumber, path, length, access);
    const int result = ErrorNumber();
    if (result == 0) CloseFile(fileNumber);
    return result;
}

TEST(RecordFile, OpeningErrors) {
    testing_support::TempFolder folder;
    const std::string path = folder.File("colores.log");
    const int n = FreeFileNumber();
    EXPECT_EQ(OpenError(-1, path, 24, RecordAccess::ReadOnly), 52);
    EXPECT_EQ(OpenError(n, path, 0, RecordAccess::ReadOnly), 5);
    EXPECT_EQ(OpenError(n, path, 32769, RecordAccess::ReadOnly), 5);
    EXPECT_EQ(OpenError(n, path, 32768, RecordAccess::ReadOnly), 0);
    EXPECT_EQ(OpenError(n, path, 1, RecordAccess::WriteOnly), 0);
    EXPECT_EQ(OpenError(n, "", 24, RecordAccess::ReadOnly), 64);
    EXPECT_EQ(OpenError(n, folder.File("*.log"), 24, RecordAccess::WriteOnly), 64);
    EXPECT_EQ(OpenError(n, folder.File("a?.log"), 24, RecordAccess::ReadOnly), 64);
    EXPECT_EQ(OpenError(n, folder.File("no folder/colores.log"), 24, RecordAccess::WriteOnly), 76);
    EXPECT_EQ(OpenError(n, folder.File("no folder/colores.log"), 24, RecordAccess::ReadOnly), 76);
    EXPECT_FALSE(fs::exists(folder.Path() / "no folder"));

    const int held = Open(path, RecordAccess::ReadOnly);
    EXPECT_EQ(OpenError(held, folder.File("other.log"), 24, RecordAccess::ReadOnly), 55);
    EXPECT_EQ(OpenError(FreeFileNumber(), path, 24, RecordAccess::ReadOnly), 70)
        << "opened exclusively";
    EXPECT_EQ(OpenError(FreeFileNumber(), path, 24, RecordAccess::WriteOnly), 70);
    CloseFile(held);
    EXPECT_EQ(OpenError(FreeFileNumber(), path, 24, RecordAccess::WriteOnly), 0)
        << "free after closing";

    ProcedureError error;
    ChangeFileAttributes(path, kAttributeReadOnly);
    ASSERT_EQ(ErrorNumber(), 0);
    EXPECT_EQ(OpenError(FreeFileNumber(), path, 24, RecordAccess::WriteOnly), 70) << "read-only";
    EXPECT_EQ(OpenError(FreeFileNumber(), path, 24, RecordAccess::ReadOnly), 0);
    ChangeFileAttributes(path, 0);
    EXPECT_EQ(OpenError(FreeFileNumber(), path, 24, RecordAccess::WriteOnly), 0);
}

// A cut name would be another file, perhaps one of the user's.
TEST(RecordFile, LongPathsAreOpenedByTheirWholeName) {
    testing_support::TempFolder folder;
    const std::string base = folder.File("");
    ASSERT_LT(base.size(), 200u);
    const std::string cut = base + std::string(255 - base.size(), 'x');
    const int n = Open(cut + "yyyy.log", RecordAccess::WriteOnly);
    CloseFile(n);
    EXPECT_TRUE(fs::exists(cut + "yyyy.log"));
    EXPECT_FALSE(fs::exists(cut));
}

TEST(RecordFile, RecordsSitEndToEnd) {
    testing_support::TempFolder folder;
    const std::string path = folder.File("colores.log");
    ProcedureError error;

    int n = Open(path, RecordAccess::WriteOnly);
    EXPECT_EQ(FileLength(n), 0) << "created empty";
    const Record three = Filled(3);
    WriteRecord(n, 3, three);
    EXPECT_EQ(FileLength(n), 72);
    WriteRecord(n, 1, Filled(1));
    EXPECT_EQ(FileLength(n), 72);
    CloseFile(n);
    EXPECT_EQ(ErrorNumber(), 0);
    EXPECT_EQ(fs::file_size(path), 72u) << "as other programs see it";

    n = Open(path, RecordAccess::WriteOnly);
    EXPECT_EQ(FileLength(n), 72) << "an existing file keeps its contents";
    CloseFile(n);

    n = Open(path, RecordAccess::ReadOnly);
    Record got = Filled(0xEE);
    ReadRecord(n, 1, got);
    EXPECT_EQ(got, Filled(1));
    ReadRecord(n, 3, got);
    EXPECT_EQ(got, three);
    got = Filled(0xEE);
    ReadRecord(n, 2, got);
    EXPECT_EQ(got, Filled(0)) << "the gap";
    got = Filled(0xEE);
    ReadRecord(n, 9, got);
    EXPECT_EQ(got, Filled(0)) << "past the end";
    EXPECT_EQ(ErrorNumber(), 0);
    CloseFile(n);

    // A file that ends inside a record.
    std::ofstream(path, std::ios::binary | std::ios::trunc) << std::string(30, '\x7');
    n = Open(path, RecordAccess::ReadOnly);
    got = Filled(0xEE);
    ReadRecord(n, 2, got);
    Record expected = Filled(0);
    std::fill(expected.begin(), expected.begin() + 6, 7);
    EXPECT_EQ(got, expected);
    EXPECT_EQ(ErrorNumber(), 0);
    CloseFile(n);

    // Record lengths at both ends.
    n = Open(path, RecordAccess::WriteOnly, kLongestRecord);
    std::vector<std::uint8_t> big(kLongestRecord, 0x5A);
    WriteRecord(n, 2, big);
    EXPECT_EQ(FileLength(n), 2 * kLongestRecord);
    CloseFile(n);
    n = Open(path, RecordAccess::ReadOnly, 1);
    std::uint8_t one[1] = {0};
    ReadRecord(n, 2 * kLongestRecord, one);
    EXPECT_EQ(one[0], 0x5A);
    ReadRecord(n, 2 * kLongestRecord + 1, one);
    EXPECT_EQ(one[0], 0);
    CloseFile(n);
    EXPECT_EQ(ErrorNumber(), 0);
}

TEST(RecordFile, ReadingAnEmptyFileGivesZeros) {
    testing_support::TempFolder folder;
    ProcedureError error;
    const int n = Open(folder.File("vacio.log"), RecordAccess::ReadOnly);
    Record got = Filled(0xEE);
    ReadRecord(n, 1, got);
    EXPECT_EQ(got, Filled(0));
    EXPECT_EQ(ErrorNumber(), 0);
    CloseFile(n);
    EXPECT_EQ(fs::file_size(folder.File("vacio.log")), 0u) << "a reading opening creates it empty";
}

TEST(RecordFile, RecordOperationErrors) {
    testing_support::TempFolder folder;
    ProcedureError error;
    const int closed = FreeFileNumber();
    Record r = Filled(1);

    EXPECT_EQ(FileLength(closed), 0);
    EXPECT_EQ(ClearError(), 52);
    WriteRecord(closed, 1, r);
    EXPECT_EQ(ClearError(), 52);
    ReadRecord(closed, 1, r);
    EXPECT_EQ(ClearError(), 52);

    const int w = Open(folder.File("w.log"), RecordAccess::WriteOnly);
    WriteRecord(w, 0, r);
    EXPECT_EQ(ClearError(), 63);
    WriteRecord(w, -5, r);
    EXPECT_EQ(ClearError(), 63);
    WriteRecord(w, std::int64_t{1} << 62, r);
    EXPECT_EQ(ClearError(), 63) << "its offset does not exist";
    std::array<std::uint8_t, 23> shortBuffer{};
    WriteRecord(w, 1, shortBuffer);
    EXPECT_EQ(ClearError(), 5);
    ReadRecord(w, 1, r);
    EXPECT_EQ(ClearError(), 70) << "written only";
    EXPECT_EQ(FileLength(w), 0) << "nothing was written by the failures";
    CloseFile(w);

    const int rd = Open(folder.File("w.log"), RecordAccess::ReadOnly);
    WriteRecord(rd, 1, r);
    EXPECT_EQ(ClearError(), 70) << "read only";
    std::array<std::uint8_t, 25> longBuffer{};
    ReadRecord(rd, 1, longBuffer);
    EXPECT_EQ(ClearError(), 5);
    CloseFile(rd);
    EXPECT_EQ(ErrorNumber(), 0);
}

TEST(RecordFile, ClosingAnUnopenedNumberChangesNothing) {
    ProcedureError error;
    const int n = FreeFileNumber();
    CloseFile(n);
    EXPECT_EQ(ErrorNumber(), 0);
    RecordError(62);
    CloseFile(n);
    CloseFile(-3);
    EXPECT_EQ(ErrorNumber(), 62);
}

TEST(RecordFile, FileNumbersIncreaseWrapAndSkipThoseInUse) {
    testing_support::TempFolder folder;
    const int a = FreeFileNumber();
    const int b = FreeFileNumber();
    EXPECT_EQ(b, a % 32767 + 1) << "handed out in turn, even unused";
    ProcedureError error;
    const int held = b % 32767 + 1;
    OpenRecordFile(held, folder.File("held.log"), 24, RecordAccess::ReadOnly);
    ASSERT_EQ(ErrorNumber(), 0);
    EXPECT_EQ(FreeFileNumber(), held % 32767 + 1) << "the open number is skipped";

    bool wrapped = false;
    int previous = FreeFileNumber();
    for (int i = 0; i < 32767; ++i) {
        const int next = FreeFileNumber();
        ASSERT_GE(next, 1);
        ASSERT_LE(next, 32767);
        ASSERT_NE(next, held);
        if (next < previous) {
            EXPECT_EQ(previous, 32767);
            EXPECT_EQ(next, held == 1 ? 2 : 1);
            wrapped = true;
        }
        previous = next;
    }
    EXPECT_TRUE(wrapped);
    CloseFile(held);
}

TEST(FileAttributes, ReadAndChange) {
    testing_support::TempFolder folder;
    const std::string path = folder.Write("a.txt", "a");
    ProcedureError error;

    EXPECT_EQ(FileAttributes(path) & (kAttributeReadOnly | kAttributeFolder), 0u);
    EXPECT_EQ(FileAttributes(folder.File("")) & kAttributeFolder, kAttributeFolder);
    ChangeFileAttributes(path, 0xFF);  // only the four changeable bits take
    const std::uint32_t set = FileAttributes(path);
    EXPECT_EQ(set & kAttributeReadOnly, kAttributeReadOnly);
    EXPECT_EQ(set & (kAttributeFolder | kAttributeVolume), 0u);
    ChangeFileAttributes(path, 0);
    EXPECT_EQ(FileAttributes(path) & kAttributeReadOnly, 0u);
    EXPECT_EQ(ErrorNumber(), 0);

    EXPECT_EQ(FileAttributes(folder.File("missing.txt")), 0u);
    EXPECT_EQ(ClearError(), 53);
    EXPECT_EQ(FileAttributes(folder.File("no folder/a.txt")), 0u);
    EXPECT_EQ(ClearError(), 53);
    FileAttributes(folder.File("a*.txt"));
    EXPECT_EQ(ClearError(), 64);
    ChangeFileAttributes(folder.File("a?.txt"), 0);
    EXPECT_EQ(ClearError(), 64);
    ChangeFileAttributes(folder.File("missing.txt"), kAttributeReadOnly);
    EXPECT_EQ(ClearError(), 53);
}

TEST(DeleteFiles, DeletesWhatMatches) {
    testing_support::TempFolder folder;
    for (const char* name : {"a.log", "b.LOG", "c.txt", "ab.log"}) folder.Write(name, name);
    fs::create_directory(folder.Path() / "sub.log");
    ProcedureError error;

    DeleteFiles(folder.File("?.log"));
    EXPECT_EQ(ErrorNumber(), 0);
    EXPECT_FALSE(fs::exists(folder.File("a.log")));
    EXPECT_FALSE(fs::exists(folder.File("b.LOG"))) << "names match in either case";
    EXPECT_TRUE(fs::exists(folder.File("ab.log")));

    DeleteFiles(folder.File("*.log"));
    EXPECT_EQ(ErrorNumber(), 0);
    EXPECT_FALSE(fs::exists(folder.File("ab.log")));
    EXPECT_TRUE(fs::is_directory(folder.Path() / "sub.log")) << "folders are left alone";
    EXPECT_TRUE(fs::exists(folder.File("c.txt")));

    DeleteFiles(folder.File("*.log"));
    EXPECT_EQ(ClearError(), 53) << "only a folder matches";
    DeleteFiles(folder.File("no folder/*.*"));
    EXPECT_EQ(ClearError(), 53);

    DeleteFiles(folder.File(""));  // the folder itself: every file in it
    EXPECT_EQ(ErrorNumber(), 0);
    EXPECT_FALSE(fs::exists(folder.File("c.txt")));
    EXPECT_TRUE(fs::is_directory(folder.Path() / "sub.log"));
}

TEST(MoveReplacing, ReplacesInOneStepOrLeavesBothAlone) {
    testing_support::TempFolder folder;
    const std::string from = folder.File("nuevo"), to = folder.File("viejo");
    folder.Write("nuevo", "new");
    folder.Write("viejo", "old");

    EXPECT_EQ(platform::MoveReplacing(from, to), 0u);
    EXPECT_FALSE(fs::exists(folder.Path() / "nuevo"));
    std::string text;
    std::ifstream(folder.Path() / "viejo") >> text;
    EXPECT_EQ(text, "new");
    EXPECT_EQ(platform::MoveReplacing(from, to), platform::kErrorFileNotFound) << "nothing to move";

    // A read-only target or a folder refuses, and both files stay as they were.
    ProcedureError error;
    folder.Write("nuevo", "newer");
    ChangeFileAttributes(to, kAttributeReadOnly);
    EXPECT_EQ(platform::MoveReplacing(from, to), platform::kErrorAccessDenied);
    ChangeFileAttributes(to, kAttributeArchive);
    std::ifstream(folder.Path() / "viejo") >> text;
    EXPECT_EQ(text, "new");
    EXPECT_TRUE(fs::exists(folder.Path() / "nuevo"));
    fs::create_directory(folder.Path() / "carpeta");
    EXPECT_EQ(platform::MoveReplacing(from, folder.File("carpeta")), platform::kErrorAccessDenied);
    EXPECT_TRUE(fs::exists(folder.Path() / "nuevo"));
    EXPECT_EQ(error.Number(), 0);
}

}  // namespace
}  // namespace runtime

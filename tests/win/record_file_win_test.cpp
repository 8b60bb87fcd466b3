// What only Windows shows of record files: what another program sees of a file we hold, what we
// see of one it holds, devices, and the attributes only Windows keeps. The rules every platform
// follows are in record_file_test.cpp, which runs under Wine too.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <fstream>

#include "runtime/files/error_number.h"
#include "runtime/files/record_file.h"
#include "support/held_file_win.h"
#include "support/temp_folder.h"

namespace {

using namespace runtime;

// A file opened by "another program" for reading and writing, sharing nothing; made when missing.
testing_support::HeldFile HeldOpen(const std::string& path) {
    return testing_support::HoldOpen(path, 0, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
}

TEST(RecordFileWin, ExclusiveBothWays) {
    testing_support::TempFolder folder;
    const std::string path = folder.File("Mis Colores.log");
    ProcedureError error;
    {
        const auto other = HeldOpen(path);
        ASSERT_TRUE(other);
        OpenRecordFile(FreeFileNumber(), path, 24, RecordAccess::ReadOnly);
        EXPECT_EQ(ClearError(), 70) << "held open elsewhere";
        OpenRecordFile(FreeFileNumber(), path, 24, RecordAccess::WriteOnly);
        EXPECT_EQ(ClearError(), 70);
    }
    for (const RecordAccess access : {RecordAccess::ReadOnly, RecordAccess::WriteOnly}) {
        const int n = FreeFileNumber();
        OpenRecordFile(n, path, 24, access);
        ASSERT_EQ(ErrorNumber(), 0);
        SetLastError(0xdeadbeef);
        const auto other = HeldOpen(path);
        EXPECT_FALSE(other) << "another opener must be refused";
        EXPECT_EQ(GetLastError(), DWORD{ERROR_SHARING_VIOLATION});
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(DeleteFileA(path.c_str()));
        EXPECT_EQ(GetLastError(), DWORD{ERROR_SHARING_VIOLATION});
        CloseFile(n);
    }
}

TEST(RecordFileWin, ADeviceIsNoRecordFile) {
    ProcedureError error;
    const int n = FreeFileNumber();
    OpenRecordFile(n, "NUL", 24, RecordAccess::WriteOnly);
    ASSERT_EQ(ErrorNumber(), 0);
    EXPECT_EQ(FileLength(n), 0);
    EXPECT_EQ(ErrorNumber(), 0);
    std::array<std::uint8_t, 24> record{};
    WriteRecord(n, 1, record);
    EXPECT_EQ(ClearError(), 54);
    ReadRecord(n, 1, record);
    EXPECT_EQ(ClearError(), 54);
    CloseFile(n);
}

TEST(RecordFileWin, AttributesAsWindowsKeepsThem) {
    testing_support::TempFolder folder;
    const std::string path = folder.Write("a.txt", "a");
    ProcedureError error;
    ChangeFileAttributes(path, 0xFF);
    EXPECT_EQ(ErrorNumber(), 0);
    EXPECT_EQ(GetFileAttributesA(path.c_str()), DWORD{0x27});
    EXPECT_EQ(FileAttributes(path), 0x27u);
    // Wine reports every plain file as archived, whatever was set: the archive bit is not
    // looked at from here on.
    ChangeFileAttributes(path, kAttributeHidden);
    EXPECT_EQ(FileAttributes(path) & ~kAttributeArchive, kAttributeHidden);
    ChangeFileAttributes(path, 0);
    EXPECT_EQ(FileAttributes(path) & 0x07u, 0u);
    EXPECT_EQ(ErrorNumber(), 0);
}

TEST(DeleteFilesWin, LeavesHiddenAndSystemFilesAlone) {
    testing_support::TempFolder folder;
    for (const char* name : {"plain.log", "hidden.log", "system.log"}) folder.Write(name, name);
    ASSERT_TRUE(SetFileAttributesA(folder.File("hidden.log").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(SetFileAttributesA(folder.File("system.log").c_str(), FILE_ATTRIBUTE_SYSTEM));
    ProcedureError error;

    DeleteFiles(folder.File("*.log"));
    EXPECT_EQ(ClearError(), 0);
    EXPECT_EQ(GetFileAttributesA(folder.File("plain.log").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA(folder.File("hidden.log").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA(folder.File("system.log").c_str()), INVALID_FILE_ATTRIBUTES);

    DeleteFiles(folder.File("*.log"));
    EXPECT_EQ(ClearError(), 53) << "only hidden and system files match";
    DeleteFiles(folder.File("hidden.log"));
    EXPECT_EQ(ClearError(), 53);
    DeleteFiles(folder.File("nothing*.*"));
    EXPECT_EQ(ClearError(), 53);

    SetFileAttributesA(folder.File("hidden.log").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA(folder.File("system.log").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(DeleteFilesWin, AFailedDeletionStopsWithItsError) {
    testing_support::TempFolder folder;
    folder.Write("busy.log", "busy");
    const auto other = HeldOpen(folder.File("busy.log"));
    ASSERT_TRUE(other);
    ProcedureError error;
    DeleteFiles(folder.File("busy.log"));
    EXPECT_EQ(ClearError(), 70);
    EXPECT_NE(GetFileAttributesA(folder.File("busy.log").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(DeleteFilesWin, AReadOnlyFileIsNotDeleted) {
    testing_support::TempFolder folder;
    const std::string path = folder.Write("ro.log", "ro");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    ProcedureError error;
    DeleteFiles(path);
    EXPECT_EQ(ClearError(), 70);
    EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace

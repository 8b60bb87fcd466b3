// What only Windows shows of replacing a file whole: files held open elsewhere, names Windows
// refuses and names in any language. The rules every platform follows are in
// replacement_file_test.cpp, which runs under Wine too.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "runtime/bmp/bmp_writer.h"
#include "runtime/canvas/drawing_targets.h"
#include "runtime/files/replacement_file.h"
#include "support/files.h"
#include "support/held_file_win.h"
#include "support/temp_folder.h"

namespace {

using testing_support::EntryCount;
using testing_support::FileText;
using testing_support::HoldOpen;

namespace fs = std::filesystem;
using runtime::ReplacementFile;

// A black 4 x 4 picture saved as `file`, as "Grabar Imagen" saves the canvas.
bool SaveBlackPicture(const std::string& file) {
    const runtime::TargetHandle b = runtime::NewBitmap(4, 4);
    runtime::AttachTarget(b, 0, 0);
    runtime::ClearTarget(0, 0);
    const bool saved = runtime::SaveBmp(file);
    runtime::EndBitmap();
    return saved;
}

TEST(ReplacementFileWin, AFileHeldOpenElsewhereKeepsItsContent) {
    testing_support::TempFolder folder;
    const std::string target = folder.Write("busy.bmp", "busy");
    testing_support::HeldFile other = HoldOpen(target);
    ASSERT_TRUE(other);

    EXPECT_FALSE(SaveBlackPicture(target));
    EXPECT_EQ(EntryCount(folder.Path()), 1) << "the new picture was removed";
    other = {};
    EXPECT_EQ(FileText(target), "busy");
}

// An image viewer holding the picture, sharing reading and writing: it is written in place.
TEST(ReplacementFileWin, AFileHeldOpenWithWritingSharedIsWrittenInPlace) {
    testing_support::TempFolder folder;
    const std::string target = folder.Write("poligono 3.bmp", std::string(500, 'x'));
    testing_support::HeldFile other = HoldOpen(target, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(other);
    EXPECT_TRUE(SaveBlackPicture(target));
    other = {};
    EXPECT_EQ(FileText(target).substr(0, 2), "BM");
    EXPECT_EQ(FileText(target).size(), 54u + 4 * 12) << "cut to the new picture";
    EXPECT_EQ(EntryCount(folder.Path()), 1);
}

// The attributes the user set on the file pass to the new content. (Its creation time is
// kept too, but Wine keeps none on a Linux disk to show it.)
TEST(ReplacementFileWin, WhatTheUserSetOnTheFileSurvives) {
    testing_support::TempFolder folder;
    const std::string target = folder.Write("Configuracion.ini", "old");
    const DWORD set = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    ASSERT_TRUE(SetFileAttributesA(target.c_str(), set));
    ReplacementFile file(target);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("new", 3));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(GetFileAttributesA(target.c_str()), set);
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(FileText(target), "new");
}

TEST(ReplacementFileWin, BadNamesAndMissingFoldersCreateNothing) {
    testing_support::TempFolder folder;
    EXPECT_FALSE(ReplacementFile(folder.File("no such folder\\p.bmp")).Open());
    EXPECT_FALSE(ReplacementFile(folder.File("what?.bmp")).Open());
    EXPECT_FALSE(ReplacementFile(folder.File("star*.bmp")).Open());
    EXPECT_EQ(EntryCount(folder.Path()), 0);
}

// A name no single-byte code page holds is the file's own: the new file beside it and the
// replacement are made under wide names.
TEST(ReplacementFileWin, NamesInAnyLanguageAreTheirOwn) {
    testing_support::TempFolder folder;
    const fs::path name = folder.Path() / L"pol\u00EDgono \u0141\u00F3d\u017A \U0001F600.bmp";
    ReplacementFile file(name);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("x", 1));
    ASSERT_TRUE(file.Commit());
    EXPECT_TRUE(fs::exists(name));
    EXPECT_EQ(EntryCount(folder.Path()), 1);

    // "\\?\" in front takes the path as it stands: no pattern.
    ReplacementFile prefixed(L"\\\\?\\" + fs::absolute(name).wstring());
    ASSERT_TRUE(prefixed.Open());
    ASSERT_TRUE(prefixed.Write("y", 1));
    ASSERT_TRUE(prefixed.Commit());
    EXPECT_EQ(EntryCount(folder.Path()), 1);
    EXPECT_EQ(FileText(name), "y");
}

}  // namespace

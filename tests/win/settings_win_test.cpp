// What only a real settings file shows: the platform's in-place layout, other programs holding
// the file, damaged contents and long folders. The rules every store follows are in
// settings_test.cpp, run there over this store too.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <random>

#include "runtime/files/error_number.h"
#include "runtime/files/program_folder.h"
#include "runtime/files/replacement_file.h"
#include "settings/settings.h"
#include "support/files.h"
#include "support/held_file_win.h"
#include "support/temp_folder.h"

namespace {

using testing_support::EntryCount;
using testing_support::FileText;
using testing_support::HoldOpen;

using settings::Settings;
using settings::SettingsFile;
using settings::SettingsRecord;

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

class SettingsWin : public testing::Test {
  protected:
    void SetUp() override { Settings = SettingsRecord{}; }
    void Get() { SettingsFile("get", settings::PlatformProfileStore(), folder_); }
    void Save() { SettingsFile("save", settings::PlatformProfileStore(), folder_); }
    // Loads a file of the given text and gives back the settings it yields.
    SettingsRecord Load(const std::string& text) {
        WriteFile(path_, text);
        Settings = SettingsRecord{};
        Get();
        return Settings;
    }

    testing_support::TempFolder temp_;
    std::string folder_ = temp_.File("");
    std::string path_ = temp_.File("Configuracion.ini");
};

TEST_F(SettingsWin, OtherSectionsAndKeysSurviveASave) {
    const std::string handMade =
        "; hecho a mano\r\n[Otra]\r\nclave=valor\r\n[Colores]\r\nExtra=1\r\nBorde=3\r\n[Punta]"
        "\r\nGrosor=2\r\n";
    WriteFile(path_, handMade);
    Get();
    EXPECT_EQ(Settings.Borde, 3);
    Settings.Borde = 255;
    Settings.Grosor = 7;
    Save();
    const std::string text = FileText(path_);
    EXPECT_NE(text.find("; hecho a mano"), std::string::npos) << text;
    EXPECT_NE(text.find("[Otra]\r\nclave=valor\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Extra=1\r\nBorde=255\r\n"), std::string::npos)
        << "replaced in place: " << text;
    EXPECT_NE(text.find("[Punta]\r\nGrosor=7\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Borde=3"), std::string::npos) << text;

    // Line for line what the profile functions give when they change the file in place.
    const std::string inPlace = temp_.File("en sitio.ini");
    WriteFile(inPlace, handMade);
    for (const auto& [section, key, value] : {std::array<const char*, 3>{"Colores", "Borde", "255"},
                                              {"Colores", "Relleno", "16777215"},
                                              {"Colores", "Papel", "16711935"},
                                              {"Punta", "Grosor", "7"}})
        WritePrivateProfileStringA(section, key, value, inPlace.c_str());
    EXPECT_EQ(text, FileText(inPlace));
}

// A store that ends after the copy was written, before it took the file's place, leaves the
// file as it was and no copy behind: here another program keeps reading it meanwhile.
TEST_F(SettingsWin, AStoreThatCannotReplaceTheFileLeavesItWhole) {
    const std::string before = "[Colores]\r\nBorde=3\r\n";
    WriteFile(path_, before);
    testing_support::HeldFile reader = HoldOpen(path_, FILE_SHARE_READ, GENERIC_READ);
    ASSERT_TRUE(reader);
    Settings = SettingsRecord{11, 12, 13, 4};
    runtime::ProcedureError error;
    Save();
    reader = {};
    EXPECT_EQ(runtime::ErrorNumber(), 0) << "silently";
    EXPECT_EQ(FileText(path_), before);
    EXPECT_EQ(EntryCount(folder_), 1) << "no copy left behind";
}

TEST_F(SettingsWin, AFileHeldOpenElsewhereIsLeftAsItWas) {
    const std::string before = "[Colores]\r\nBorde=3\r\n";
    WriteFile(path_, before);
    testing_support::HeldFile other = HoldOpen(path_);
    ASSERT_TRUE(other);
    Settings = SettingsRecord{11, 12, 13, 4};
    runtime::ProcedureError error;
    Get();
    EXPECT_EQ(Settings.Borde, 0) << "unreadable: the defaults, as for a missing file";
    Settings = SettingsRecord{11, 12, 13, 4};
    Save();
    EXPECT_EQ(runtime::ErrorNumber(), 0);
    EXPECT_EQ(Settings.Borde, 11) << "memory keeps the values";
    other = {};
    EXPECT_EQ(FileText(path_), before);
}

// A scanner opening the fresh copy just as it is to be flushed, twice, then letting go.
int flushRefusals = 0;
std::uint32_t RefuseTheFlushTwice(const char* step, int attempt) {
    if (std::string(step) != "flush" || attempt > 2) return 0;
    ++flushRefusals;
    return ERROR_SHARING_VIOLATION;
}

TEST_F(SettingsWin, AFlushRefusedForAMomentStillStores) {
    WriteFile(path_, "[Punta]\r\nGrosor=2\r\n");
    Settings = SettingsRecord{11, 12, 13, 4};
    const runtime::TryRefusal before = runtime::SetTryRefusal(RefuseTheFlushTwice);
    Save();
    runtime::SetTryRefusal(before);
    EXPECT_EQ(flushRefusals, 2);
    Settings = SettingsRecord{};
    Get();
    EXPECT_EQ(Settings.Grosor, 4);
    EXPECT_EQ(EntryCount(folder_), 1);
}

TEST_F(SettingsWin, BadFilesLoadWithoutHarm) {
    // Binary garbage without a section header: every key has its default.
    std::mt19937 random(3);
    std::string garbage(20000, '\0');
    for (char& c : garbage) {
        c = static_cast<char>(random() % 256);
        if (c == '[') c = ']';
    }
    SettingsRecord s = Load(garbage);
    EXPECT_EQ(s.Borde, 0);
    EXPECT_EQ(s.Relleno, 16777215);
    EXPECT_EQ(s.Papel, 16711935);
    EXPECT_EQ(s.Grosor, 1);

    // Lines of 100 000 characters: a value is read as its first 259.
    s = Load(std::string(100000, 'x') + "\r\n[Colores]\r\nBorde=" + std::string(100000, '1') +
             "\r\nRelleno=5" + std::string(100000, ' ') + "\r\nPapel=" + std::string(100000, '0') +
             "\r\n");
    EXPECT_EQ(s.Borde, INT32_MIN) << "259 ones are far out of range";
    EXPECT_EQ(s.Relleno, 5);
    EXPECT_EQ(s.Papel, 0);

    s = Load(
        "[Colores]\r\nBorde=1e999\r\nRelleno=-\r\nPapel=&HFFFFFFFFFFFFFFFFF\r\n[Punta]\r\nGrosor=-"
        "1e999\r\n");
    EXPECT_EQ(s.Borde, INT32_MIN);
    EXPECT_EQ(s.Relleno, 0);
    EXPECT_EQ(s.Papel, 0);
    EXPECT_EQ(s.Grosor, -32768);

    s = Load("[Colores]\r\nBorde=1\r\nBorde=2\r\n[Punta]\r\nGrosor=3\r\n[Punta]\r\nGrosor=4\r\n");
    EXPECT_EQ(s.Borde, 1) << "the first of repeated keys";
    EXPECT_TRUE(s.Grosor == 3 || s.Grosor == 4) << s.Grosor;

    // Saving over such a file still leaves a file that loads what was saved.
    Settings = SettingsRecord{21, 22, 23, 5};
    Save();
    Settings = SettingsRecord{};
    Get();
    EXPECT_EQ(Settings.Borde, 21);
    EXPECT_EQ(Settings.Papel, 23);
}

TEST_F(SettingsWin, LongFolderNamesAreCutTo259) {
    // A folder whose settings path is 5 characters too long: the file is the cut name.
    const std::size_t room = 259 + 5 - std::string("Configuracion.ini").size();
    std::string folder = folder_;
    while (folder.size() + 2 < room) {
        const std::size_t part = std::min<std::size_t>(room - folder.size() - 1, 100);
        folder += std::string(part, 'd') + "\\";
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS)
            << folder;
    }
    const std::string cut = settings::SettingsPath(folder).string();
    ASSERT_EQ(cut.size(), 259u);
    ASSERT_EQ(cut, (folder + "Configuracion.ini").substr(0, 259));
    Settings = SettingsRecord{1, 2, 3, 4};
    SettingsFile("save", settings::PlatformProfileStore(), folder);
    EXPECT_NE(FileText(cut).find("Grosor=4"), std::string::npos);
    Settings = SettingsRecord{};
    SettingsFile("get", settings::PlatformProfileStore(), folder);
    EXPECT_EQ(Settings.Grosor, 4);
    std::filesystem::remove(cut);
}

TEST(ExecutableFolderWin, IsTheFolderOfThisProgram) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    ASSERT_GT(length, 0u);
    std::wstring full(path, length);
    const std::wstring folder = runtime::ExecutableFolder().native();
    EXPECT_EQ(folder, full.substr(0, full.find_last_of(L'\\') + 1));
    EXPECT_EQ(settings::SettingsPath(folder).native(), folder + L"Configuracion.ini");

    // Loading through the program's own entry point creates nothing beside it.
    const bool existed = std::filesystem::exists(folder + L"Configuracion.ini");
    SettingsFile("get");
    EXPECT_EQ(std::filesystem::exists(folder + L"Configuracion.ini"), existed);
}

}  // namespace

#include "settings/settings.h"

#include <gtest/gtest.h>

#include "runtime/files/error_number.h"

namespace settings {
namespace {

const std::string kFolder = "C:\\Programas\\Poligonos\\";
const std::string kPath = kFolder + "Configuracion.ini";

// Remembers every call, in order, and answers from a memory store.
class RecordingStore : public MemoryProfileStore {
  public:
    std::string Read(const std::string& section, const std::string& key,
                     const std::string& fallback, const std::filesystem::path& path) override {
        calls.push_back("read " + section + "/" + key + " [" + fallback + "] " + path.string());
        return MemoryProfileStore::Read(section, key, fallback, path);
    }
    void Write(const std::string& section, const std::string& key, const std::string& value,
               const std::filesystem::path& path) override {
        calls.push_back("write " + section + "/" + key + " [" + value + "] " + path.string());
        MemoryProfileStore::Write(section, key, value, path);
    }
    std::vector<std::string> calls;
};

void Reset() {
    Settings = SettingsRecord{};
}

TEST(SettingsFile, FirstRunLoadsDefaultsAndSavesThemInOrder) {
    Reset();
    RecordingStore store;
    SettingsFile("get", store, kFolder);
    EXPECT_EQ(Settings.Borde, 0);
    EXPECT_EQ(Settings.Relleno, 16777215);
    EXPECT_EQ(Settings.Papel, 16711935);
    EXPECT_EQ(Settings.Grosor, 1);
    EXPECT_FALSE(store.HasFile(kPath)) << "a load creates no file";

    SettingsFile("save", store, kFolder);
    const std::vector<std::string> expected = {
        "read Colores/Borde [0] " + kPath,          "read Colores/Relleno [16777215] " + kPath,
        "read Colores/Papel [16711935] " + kPath,   "read Punta/Grosor [1] " + kPath,
        "write Colores/Borde [ 0] " + kPath,        "write Colores/Relleno [ 16777215] " + kPath,
        "write Colores/Papel [ 16711935] " + kPath, "write Punta/Grosor [ 1] " + kPath,
    };
    EXPECT_EQ(store.calls, expected);
    EXPECT_EQ(
        store.Contents(kPath),
        "[Colores]\r\nBorde=0\r\nRelleno=16777215\r\nPapel=16711935\r\n[Punta]\r\nGrosor=1\r\n");
}

TEST(SettingsFile, EachValueByTheNumberRules) {
    struct Case {
        const char* section;
        const char* key;
        const char* text;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"Colores", "Borde", "", 0},  // present but empty: not the default
        {"Colores", "Borde", "255", 255},
        {"Colores", "Borde", "  16711680  ", 16711680},
        {"Colores", "Borde", "12abc", 12},
        {"Colores", "Borde", "abc", 0},
        {"Colores", "Borde", "-", 0},
        {"Colores", "Borde", "&HFF", 255},
        {"Colores", "Borde", "&HFFFFFFFFFFFFFFFFF", 0},
        {"Colores", "Borde", "1e999", INT32_MIN},
        {"Colores", "Borde", "-1", -1},
        {"Colores", "Relleno", "2.5", 2},
        {"Colores", "Papel", "4294967295", INT32_MIN},
        {"Colores", "Papel", "2147483647", 2147483647},
        {"Colores", "Papel", "-2147483648", INT32_MIN},
        {"Punta", "Grosor", "2.5", 2},
        {"Punta", "Grosor", "3.5", 4},
        {"Punta", "Grosor", "70000", -32768},
        {"Punta", "Grosor", "-32768", -32768},
        {"Punta", "Grosor", "32767", 32767},
        {"Punta", "Grosor", "1e999", -32768},
        {"Punta", "Grosor", "\"7\"", 7},
    };
    for (const Case& c : cases) {
        Reset();
        MemoryProfileStore store;
        store.Write(c.section, c.key, c.text, kPath);
        SettingsFile("get", store, kFolder);
        const std::string key = c.key;
        const std::int32_t got = key == "Borde"     ? Settings.Borde
                                 : key == "Relleno" ? Settings.Relleno
                                 : key == "Papel"   ? Settings.Papel
                                                    : Settings.Grosor;
        EXPECT_EQ(got, c.expected) << c.key << "=" << c.text;
    }
}

TEST(SettingsFile, GrosorIsReadFromPuntaOnly) {
    Reset();
    MemoryProfileStore store;
    store.Write("Colores", "Grosor", "9", kPath);
    SettingsFile("get", store, kFolder);
    EXPECT_EQ(Settings.Grosor, 1);
    store.Write("punta", "GROSOR", "4", kPath);
    SettingsFile("get", store, kFolder);
    EXPECT_EQ(Settings.Grosor, 4) << "names in either case, as the platform reads them";
}

TEST(SettingsFile, SavedValuesComeBack) {
    MemoryProfileStore store;
    Settings = SettingsRecord{255, -1, 16711680, -32768};
    SettingsFile("save", store, kFolder);
    EXPECT_EQ(store.Read("Colores", "Relleno", "x", kPath), "-1");
    Reset();
    SettingsFile("get", store, kFolder);
    EXPECT_EQ(Settings.Borde, 255);
    EXPECT_EQ(Settings.Relleno, -1);
    EXPECT_EQ(Settings.Papel, 16711680);
    EXPECT_EQ(Settings.Grosor, -32768);
}

TEST(SettingsFile, OtherActionsDoNothing) {
    RecordingStore store;
    store.Write("Colores", "Borde", "5", kPath);
    store.calls.clear();
    Settings = SettingsRecord{1, 2, 3, 4};
    for (const char* action : {"Get", "GET", "Save", "save ", " get", "", "load"}) {
        SettingsFile(action, store, kFolder);
    }
    EXPECT_TRUE(store.calls.empty());
    EXPECT_EQ(Settings.Borde, 1);
    EXPECT_EQ(Settings.Grosor, 4);
    EXPECT_EQ(store.Contents(kPath), "[Colores]\r\nBorde=5\r\n");
}

TEST(SettingsFile, AStoreThatCannotWriteChangesNothing) {
    MemoryProfileStore store;
    Settings = SettingsRecord{7, 8, 9, 3};
    SettingsFile("save", store, kFolder);
    store.RefuseWrites(true);
    Settings = SettingsRecord{70, 80, 90, 6};
    runtime::ProcedureError error;
    SettingsFile("save", store, kFolder);
    EXPECT_EQ(runtime::ErrorNumber(), 0) << "nothing is reported";
    EXPECT_EQ(Settings.Borde, 70) << "the values stay in memory";
    EXPECT_EQ(Settings.Grosor, 6);
    SettingsFile("get", store, kFolder);
    EXPECT_EQ(Settings.Borde, 7) << "the file kept the old values";
    EXPECT_EQ(Settings.Grosor, 3);
}

TEST(SettingsFile, LongFolderNamesAreCutTo259) {
    const std::string folder = "C:\\" + std::string(250, 'c') + "\\";
    const std::string cut = (folder + "Configuracion.ini").substr(0, 259);
    EXPECT_EQ(SettingsPath(folder), cut);
    EXPECT_EQ(SettingsPath(kFolder), kPath);
    RecordingStore store;
    Settings.Borde = 33;
    SettingsFile("save", store, folder);
    ASSERT_FALSE(store.calls.empty());
    EXPECT_EQ(store.calls[0], "write Colores/Borde [ 33] " + cut);
    EXPECT_TRUE(store.HasFile(cut));
}

}  // namespace
}  // namespace settings

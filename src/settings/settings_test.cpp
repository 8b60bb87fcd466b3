#include "settings/settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "runtime/files/error_number.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace settings {
namespace {

namespace fs = std::filesystem;

// Where a settings file lives for one test: its store, its folder, and what is on file.
class Backend {
  public:
    virtual ~Backend() = default;
    virtual ProfileStore& Store() = 0;
    virtual fs::path Folder() const = 0;
    fs::path File() const { return SettingsPath(Folder()); }
    // The file byte for byte, and whether there is one.
    virtual std::string Text() const = 0;
    virtual bool Exists() const = 0;
    // From now on the file cannot be written.
    virtual void RefuseWrites() = 0;
};

class MemoryBackend : public Backend {
  public:
    ProfileStore& Store() override { return store_; }
    fs::path Folder() const override { return "C:\\Programas\\Poligonos\\"; }
    std::string Text() const override { return store_.Contents(File()); }
    bool Exists() const override { return store_.HasFile(File()); }
    void RefuseWrites() override { store_.RefuseWrites(true); }

  private:
    MemoryProfileStore store_;
};

// The program's own store on a real file; a read-only file is one that cannot be written.
class PlatformBackend : public Backend {
  public:
    ~PlatformBackend() override {
        if (Exists()) fs::permissions(File(), fs::perms::owner_all);
    }
    ProfileStore& Store() override { return PlatformProfileStore(); }
    fs::path Folder() const override { return temp_.Path() / ""; }
    std::string Text() const override { return testing_support::FileText(File()); }
    bool Exists() const override { return fs::exists(File()); }
    void RefuseWrites() override { fs::permissions(File(), fs::perms::owner_read); }

  private:
    testing_support::TempFolder temp_;
};

struct NamedBackend {
    const char* name;
    std::function<std::unique_ptr<Backend>()> make;
};
void PrintTo(const NamedBackend& backend, std::ostream* out) {
    *out << backend.name;
}

// The same rules hold over every store the program can have.
class SettingsFileRules : public testing::TestWithParam<NamedBackend> {
  protected:
    void SetUp() override { Settings = SettingsRecord{}; }
    void Get() { SettingsFile("get", backend_->Store(), backend_->Folder()); }
    void Save() { SettingsFile("save", backend_->Store(), backend_->Folder()); }
    void Write(const char* section, const char* key, const std::string& value) {
        backend_->Store().Write(section, key, value, backend_->File());
    }

    std::unique_ptr<Backend> backend_ = GetParam().make();
};

TEST_P(SettingsFileRules, FirstRunLoadsDefaultsAndSavesThemInOrder) {
    Get();
    EXPECT_EQ(Settings.Borde, 0);
    EXPECT_EQ(Settings.Relleno, 16777215);
    EXPECT_EQ(Settings.Papel, 16711935);
    EXPECT_EQ(Settings.Grosor, 1);
    EXPECT_FALSE(backend_->Exists()) << "a load creates no file";
    Save();
    EXPECT_EQ(
        backend_->Text(),
        "[Colores]\r\nBorde=0\r\nRelleno=16777215\r\nPapel=16711935\r\n[Punta]\r\nGrosor=1\r\n");
}

TEST_P(SettingsFileRules, EachValueByTheNumberRules) {
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
        {"Colores", "Papel", "  \"77\"  ", 77},  // blanks and quotes go
        {"Punta", "Grosor", "2.5", 2},
        {"Punta", "Grosor", "3.5", 4},
        {"Punta", "Grosor", "70000", -32768},
        {"Punta", "Grosor", "-32768", -32768},
        {"Punta", "Grosor", "32767", 32767},
        {"Punta", "Grosor", "1e999", -32768},
        {"Punta", "Grosor", "\"7\"", 7},
    };
    for (const Case& c : cases) {
        Write(c.section, c.key, c.text);
        Get();
        const std::string key = c.key;
        const std::int32_t got = key == "Borde"     ? Settings.Borde
                                 : key == "Relleno" ? Settings.Relleno
                                 : key == "Papel"   ? Settings.Papel
                                                    : Settings.Grosor;
        EXPECT_EQ(got, c.expected) << c.key << "=" << c.text;
    }
}

TEST_P(SettingsFileRules, EachKeyIsReadFromItsOwnSection) {
    Write("Colores", "Grosor", "9");
    Write("Punta", "Borde", "5");
    Get();
    EXPECT_EQ(Settings.Grosor, 1);
    EXPECT_EQ(Settings.Borde, 0);
    Write("punta", "GROSOR", "4");
    Get();
    EXPECT_EQ(Settings.Grosor, 4) << "names in either case, as the platform reads them";
}

TEST_P(SettingsFileRules, SavedValuesComeBack) {
    Settings = SettingsRecord{255, -1, 16711680, -32768};
    Save();
    EXPECT_EQ(backend_->Store().Read("Colores", "Relleno", "x", backend_->File()), "-1");
    Settings = SettingsRecord{};
    Get();
    EXPECT_EQ(Settings.Borde, 255);
    EXPECT_EQ(Settings.Relleno, -1);
    EXPECT_EQ(Settings.Papel, 16711680);
    EXPECT_EQ(Settings.Grosor, -32768);
}

TEST_P(SettingsFileRules, OtherActionsDoNothing) {
    Write("Colores", "Borde", "5");
    const std::string before = backend_->Text();
    Settings = SettingsRecord{1, 2, 3, 4};
    for (const char* action : {"Get", "GET", "Save", "save ", " get", "", "load"})
        SettingsFile(action, backend_->Store(), backend_->Folder());
    EXPECT_EQ(Settings.Borde, 1) << "nothing loaded";
    EXPECT_EQ(Settings.Grosor, 4);
    EXPECT_EQ(backend_->Text(), before) << "nothing saved";
}

TEST_P(SettingsFileRules, AFileThatCannotBeWrittenKeepsItsValues) {
    Settings = SettingsRecord{7, 8, 9, 3};
    Save();
    const std::string before = backend_->Text();
    backend_->RefuseWrites();
    Settings = SettingsRecord{70, 80, 90, 6};
    runtime::ProcedureError error;
    Save();
    EXPECT_EQ(runtime::ErrorNumber(), 0) << "nothing is reported";
    EXPECT_EQ(Settings.Borde, 70) << "the values stay in memory";
    EXPECT_EQ(Settings.Grosor, 6);
    EXPECT_EQ(backend_->Text(), before);
    Get();
    EXPECT_EQ(Settings.Borde, 7) << "still readable";
    EXPECT_EQ(Settings.Grosor, 3);
}

const NamedBackend kBackends[] = {
    {"Memory", [] { return std::make_unique<MemoryBackend>(); }},
#ifdef _WIN32
    // Elsewhere the platform's store is the one in memory again.
    {"Platform", [] { return std::make_unique<PlatformBackend>(); }},
#endif
};
INSTANTIATE_TEST_SUITE_P(Stores, SettingsFileRules, testing::ValuesIn(kBackends),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsFile, LongFolderNamesAreCutTo259) {
    const std::string folder = "C:\\" + std::string(250, 'c') + "\\";
    const std::string cut = (folder + "Configuracion.ini").substr(0, 259);
    EXPECT_EQ(SettingsPath(folder), cut);
    EXPECT_EQ(SettingsPath("C:\\p\\"), "C:\\p\\Configuracion.ini");
    MemoryProfileStore store;
    Settings.Borde = 33;
    SettingsFile("save", store, folder);
    EXPECT_EQ(store.Read("Colores", "Borde", "", cut), "33");
}

}  // namespace
}  // namespace settings

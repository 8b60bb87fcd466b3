#include "settings/settings.h"

#include "runtime/files/number_text.h"
#include "runtime/files/program_folder.h"

namespace settings {

SettingsRecord Settings;

namespace {

constexpr runtime::COLORREF kMagenta = 0x00FF00FF;  // red 255, green 0, blue 255

std::int32_t ReadInt32(ProfileStore& store, const char* section, const char* key,
                       const std::string& fallback, const std::filesystem::path& path) {
    return runtime::StoreInt32(runtime::TextToNumber(store.Read(section, key, fallback, path)));
}

ProfileStore::Value NumberValue(const char* section, const char* key, runtime::Number value) {
    // The leading blank of a positive number is dropped by the store.
    return {section, key, runtime::NumberToText(value).substr(0, kLongestProfileText)};
}

}  // namespace

std::filesystem::path SettingsPath(const std::filesystem::path& programFolder) {
    std::filesystem::path path = programFolder;
    path += "Configuracion.ini";
    return path.native().substr(0, kLongestProfileText);
}

void SettingsFile(const std::string& action, ProfileStore& store,
                  const std::filesystem::path& programFolder) {
    const std::filesystem::path path = SettingsPath(programFolder);
    if (action == "get") {
        Settings.Borde = ReadInt32(store, "Colores", "Borde", runtime::NumberToTextTrim(0), path);
        Settings.Relleno = ReadInt32(store, "Colores", "Relleno",
                                     runtime::NumberToTextTrim(runtime::kWhite), path);
        Settings.Papel =
            ReadInt32(store, "Colores", "Papel", runtime::NumberToTextTrim(kMagenta), path);
        Settings.Grosor =
            runtime::StoreInt16(runtime::TextToNumber(store.Read("Punta", "Grosor", "1", path)));
    } else if (action == "save") {
        store.WriteAll({NumberValue("Colores", "Borde", Settings.Borde),
                        NumberValue("Colores", "Relleno", Settings.Relleno),
                        NumberValue("Colores", "Papel", Settings.Papel),
                        NumberValue("Punta", "Grosor", Settings.Grosor)},
                       path);
    }
}

void SettingsFile(const std::string& action) {
    SettingsFile(action, PlatformProfileStore(), runtime::ExecutableFolder());
}

}  // namespace settings

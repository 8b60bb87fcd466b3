#pragma once
// The four user settings, kept in memory for the whole run and stored in the settings file.

#include <cstdint>
#include <filesystem>
#include <string>

#include "runtime/canvas/colors.h"
#include "settings/profile_store.h"

namespace settings {

struct SettingsRecord {
    runtime::COLORREF Borde = 0;    // border colour of the painted polygon
    runtime::COLORREF Relleno = 0;  // its fill colour
    runtime::COLORREF Papel = 0;    // paper colour every clearing of the canvas uses
    std::int16_t Grosor = 0;        // border width in pixels
};

// Zero until the first load.
extern SettingsRecord Settings;

// "get" loads Settings from "Configuracion.ini" beside the executable, "save" stores them
// there; any other action does nothing. Nothing is ever reported: a missing file gives the
// defaults, a file that cannot be written keeps the old values on disk.
void SettingsFile(const std::string& action);

// The same over any store, with the file in `programFolder` (which ends in its separator).
void SettingsFile(const std::string& action, ProfileStore& store,
                  const std::filesystem::path& programFolder);

// The settings file's name in `programFolder`, cut to 259 characters.
std::filesystem::path SettingsPath(const std::filesystem::path& programFolder);

}  // namespace settings

#pragma once
// The four user settings, kept in memory for the whole run and stored in the settings file.

#include <cstdint>

#include "runtime/canvas/colors.h"

namespace app {

struct SettingsRecord {
    runtime::COLORREF Borde = 0;    // border colour of the painted polygon
    runtime::COLORREF Relleno = 0;  // its fill colour
    runtime::COLORREF Papel = 0;    // paper colour every clearing of the canvas uses
    std::int16_t Grosor = 0;        // border width in pixels
};

// Zero until the first load.
extern SettingsRecord Settings;

}  // namespace app

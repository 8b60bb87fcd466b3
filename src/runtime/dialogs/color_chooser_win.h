#pragma once
// The platform's colour chooser.

#include <windows.h>

#include <cstdint>

namespace runtime {

// The chosen colour, or -1 when the user cancels. `customColors` holds 16 colours and is
// updated in place.
std::int32_t PickColor(HWND owner, std::int32_t initial, ::COLORREF* customColors, DWORD flags,
                       std::int32_t x, std::int32_t y);

}  // namespace runtime

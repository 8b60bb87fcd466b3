#pragma once
// The platform's colour chooser.

#include <windows.h>

#include <cstdint>

namespace runtime {

// What PickColor gives when the user cancels: no colour has that value.
constexpr std::int32_t kChooserCancelled = -1;

// The chosen colour, or kChooserCancelled. `customColors` holds 16 colours and is
// updated in place.
std::int32_t PickColor(HWND owner, std::int32_t initial, ::COLORREF* customColors, DWORD flags,
                       std::int32_t x, std::int32_t y);

}  // namespace runtime

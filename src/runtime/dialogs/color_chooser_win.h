#pragma once
// The platform's colour chooser.

#include <windows.h>

#include <cstdint>

namespace runtime {

// As x and y, with an owner: the chooser opens 30 pixels right of and below the owner's top
// left corner.
constexpr std::int32_t kBesideOwner = static_cast<std::int32_t>(0x80000000u);

// What PickColor gives when the user cancels: no colour has that value.
constexpr std::int32_t kChooserCancelled = -1;

// The chosen colour, or kChooserCancelled. `customColors` holds 16 colours and is
// updated in place.
std::int32_t PickColor(HWND owner, std::int32_t initial, ::COLORREF* customColors, DWORD flags,
                       std::int32_t x, std::int32_t y);

}  // namespace runtime

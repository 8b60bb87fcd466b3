#pragma once
// The picture the program should save, drawn in this process by the same drawing code (which
// the GDI comparison holds to GDI's pixels), as the bytes of a BMP file.

#include <cstdint>
#include <functional>
#include <vector>

#include "settings/settings.h"

namespace e2e {

// Loads the template for `sides` with `settings`, runs `change` (a paint, a drag...), and
// returns the Canvas as a BMP file.
std::vector<std::uint8_t> ExpectedPicture(int sides, const settings::SettingsRecord& settings,
                                          const std::function<void()>& change = {});

settings::SettingsRecord DefaultSettings();

// A change for ExpectedPicture: vertex `k` put at (x, y) and the mesh drawn again.
std::function<void()> VertexMovedTo(int k, int x, int y);

}  // namespace e2e

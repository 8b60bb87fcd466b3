#pragma once
// The menu bar of the program as the probe inside it describes it, one line per item:
//   depth, position, kind (P popup, I item, S separator), command id, state (hex),
//   check-mark bitmap size ("16x16" or "-"), its pixel at (7, 7) as 0xRRGGBB (or "-"), text
// separated by tabs. Depth 0 is the bar, 1 the items of the popup above.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct MenuItem {
    int position = 0;
    char kind = 'I';
    int id = 0;
    unsigned state = 0;
    int bitmapWidth = 0, bitmapHeight = 0;  // 0 when the item has no picture
    std::optional<std::uint32_t> bitmapCentre;
    std::wstring text;
    std::vector<MenuItem> items;  // a popup's items

    bool Greyed() const { return (state & 0x3) != 0; }  // MFS_GRAYED
};

struct MenuBar {
    std::vector<MenuItem> menus;

    const MenuItem* FindById(int id) const;
};

// Fails on a line it cannot read.
MenuBar ParseMenuDescription(const std::wstring& description);

}  // namespace e2e

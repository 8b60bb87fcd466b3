#include "runtime/dialogs/control_room_win.h"

#include <algorithm>

#include "runtime/canvas/gdi_objects_win.h"
#include "runtime/files/platform_text.h"

namespace runtime {

Size MeasureText(HFONT font, const std::string& text) {
    const MemoryDc dc;
    if (!dc) return {};
    const Selection selected(dc.Get(), font ? font : GetStockObject(SYSTEM_FONT));
    const std::wstring wide = WideFromText(text);
    SIZE extent{};
    if (!GetTextExtentPoint32W(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &extent))
        return {};
    return {extent.cx, extent.cy};
}

// A button's caption sits inside its raised edge, with an edge's width more on either side
// for the focus rectangle.
Size ButtonRoom(HFONT font, const std::string& caption) {
    const Size text = MeasureText(font, caption);
    const int edgeX = GetSystemMetrics(SM_CXEDGE), edgeY = GetSystemMetrics(SM_CYEDGE);
    return {text.width + 4 * edgeX, text.height + 2 * edgeY};
}

// A list's rows are a line of its font each; the scroll bar and the sunken edge come round
// them, and an item's text starts a pixel or two in from the left.
Size ListRoom(HFONT font, const std::vector<std::string>& items, int rows) {
    int widest = 0, line = MeasureText(font, "0").height;
    for (const std::string& item : items) widest = std::max(widest, MeasureText(font, item).width);
    const int edgeX = GetSystemMetrics(SM_CXEDGE), edgeY = GetSystemMetrics(SM_CYEDGE);
    return {widest + 2 * edgeX + GetSystemMetrics(SM_CXVSCROLL) + 2 * edgeX,
            rows * line + 2 * edgeY};
}

}  // namespace runtime

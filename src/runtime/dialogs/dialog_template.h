#pragma once
// The in-memory extended dialog template every dialog is created from, and the style rules
// applied before it is made.

#include <cstdint>
#include <string>
#include <vector>

namespace runtime {

constexpr std::int32_t kCentred = static_cast<std::int32_t>(0x80000000u);

struct DialogFont {
    std::uint16_t pointSize = 8;
    std::uint16_t weight = 700;
    bool italic = false;
    std::uint8_t charset = 0;
    std::u16string face = u"MS Sans Serif";
};

// Style 0 stands for a captioned modal frame; every dialog gets DS_SETFONT, DS_NOFAILCREATE
// and DS_3DLOOK and loses WS_VISIBLE and DS_SYSMODAL (it stays hidden until shown); a centred
// one gets DS_CENTER.
std::uint32_t AdjustDialogStyle(std::uint32_t style, bool centred);

// A DLGTEMPLATEEX with no items: version 1, signature 0xFFFF, the styles, the geometry as
// 16-bit values, no menu, the default class, the title " " and the font. The words are
// little-endian; the buffer is meant to be DWORD-aligned when handed to the platform.
std::vector<std::uint8_t> BuildDialogTemplate(std::uint32_t style, std::uint32_t extendedStyle,
                                              std::int32_t x, std::int32_t y, std::int32_t width,
                                              std::int32_t height, const DialogFont& font);

// Where a window of the given outer size sits centred in the work area: each coordinate 0
// when the window is larger.
struct CentredPlace {
    int x, y;
};
CentredPlace CentreInWorkArea(int left, int top, int right, int bottom, int outerWidth,
                              int outerHeight);

}  // namespace runtime

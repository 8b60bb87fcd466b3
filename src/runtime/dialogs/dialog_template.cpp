#include "runtime/dialogs/dialog_template.h"

namespace runtime {

namespace {

constexpr std::uint32_t kDefaultStyle = 0x80C000D4;  // WS_POPUP WS_CAPTION DS_MODALFRAME DS_SETFONT DS_NOFAILCREATE DS_3DLOOK
constexpr std::uint32_t kAlwaysAdded = 0x54;         // DS_SETFONT DS_NOFAILCREATE DS_3DLOOK
constexpr std::uint32_t kNeverShown = 0x10000002;    // WS_VISIBLE DS_SYSMODAL
constexpr std::uint32_t kDsCenter = 0x800;

void Word(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Dword(std::vector<std::uint8_t>& b, std::uint32_t v) {
    Word(b, v);
    Word(b, v >> 16);
}

}  // namespace

std::uint32_t AdjustDialogStyle(std::uint32_t style, bool centred) {
    if (style == 0) style = kDefaultStyle;
    style = (style | kAlwaysAdded) & ~kNeverShown;
    if (centred) style |= kDsCenter;
    return style;
}

std::vector<std::uint8_t> BuildDialogTemplate(std::uint32_t style, std::uint32_t extendedStyle,
                                              std::int32_t x, std::int32_t y, std::int32_t width,
                                              std::int32_t height, const DialogFont& font) {
    std::vector<std::uint8_t> b;
    Word(b, 1);       // dlgVer
    Word(b, 0xFFFF);  // signature: extended template
    Dword(b, 0);      // helpID
    Dword(b, extendedStyle);
    Dword(b, style);
    Word(b, 0);  // cDlgItems: controls are added one by one afterwards
    Word(b, static_cast<std::uint16_t>(x));
    Word(b, static_cast<std::uint16_t>(y));
    Word(b, static_cast<std::uint16_t>(width));
    Word(b, static_cast<std::uint16_t>(height));
    Word(b, 0);  // no menu
    Word(b, 0);  // the default dialog class
    Word(b, u' ');
    Word(b, 0);  // title " "
    Word(b, font.pointSize);
    Word(b, font.weight);
    b.push_back(font.italic ? 1 : 0);
    b.push_back(font.charset);
    for (char16_t c : font.face) Word(b, c);
    Word(b, 0);
    return b;
}

CentredPlace CentreInWorkArea(int left, int top, int right, int bottom, int outerWidth, int outerHeight) {
    const int x = (left + right - outerWidth) / 2;
    const int y = (top + bottom - outerHeight) / 2;
    return {x < 0 ? 0 : x, y < 0 ? 0 : y};
}

}  // namespace runtime

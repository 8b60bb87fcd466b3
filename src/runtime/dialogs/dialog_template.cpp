#include "runtime/dialogs/dialog_template.h"

#include "runtime/files/little_endian.h"

namespace runtime {

namespace {

constexpr std::uint32_t kDefaultStyle =
    0x80C000D4;  // WS_POPUP WS_CAPTION DS_MODALFRAME DS_SETFONT DS_NOFAILCREATE DS_3DLOOK
constexpr std::uint32_t kAlwaysAdded = 0x54;       // DS_SETFONT DS_NOFAILCREATE DS_3DLOOK
constexpr std::uint32_t kNeverShown = 0x10000002;  // WS_VISIBLE DS_SYSMODAL
constexpr std::uint32_t kDsCenter = 0x800;

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
    AppendLittleEndian16(b, 1);       // dlgVer
    AppendLittleEndian16(b, 0xFFFF);  // signature: extended template
    AppendLittleEndian32(b, 0);       // helpID
    AppendLittleEndian32(b, extendedStyle);
    AppendLittleEndian32(b, style);
    AppendLittleEndian16(b, 0);  // cDlgItems: controls are added one by one afterwards
    AppendLittleEndian16(b, static_cast<std::uint16_t>(x));
    AppendLittleEndian16(b, static_cast<std::uint16_t>(y));
    AppendLittleEndian16(b, static_cast<std::uint16_t>(width));
    AppendLittleEndian16(b, static_cast<std::uint16_t>(height));
    AppendLittleEndian16(b, 0);  // no menu
    AppendLittleEndian16(b, 0);  // the default dialog class
    AppendLittleEndian16(b, u' ');
    AppendLittleEndian16(b, 0);  // title " "
    AppendLittleEndian16(b, font.pointSize);
    AppendLittleEndian16(b, font.weight);
    b.push_back(font.italic ? 1 : 0);
    b.push_back(font.charset);
    for (char16_t c : font.face) AppendLittleEndian16(b, c);
    AppendLittleEndian16(b, 0);
    return b;
}

CentredPlace CentreInWorkArea(int left, int top, int right, int bottom, int outerWidth,
                              int outerHeight) {
    const int x = (left + right - outerWidth) / 2;
    const int y = (top + bottom - outerHeight) / 2;
    return {x < 0 ? 0 : x, y < 0 ? 0 : y};
}

}  // namespace runtime

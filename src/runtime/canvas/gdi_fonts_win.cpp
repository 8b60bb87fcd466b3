#include "runtime/canvas/gdi_fonts_win.h"

namespace runtime {

int ScreenDpiY() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

Font MakeFont(const std::string& face, int pixels, int styleBits, int charset) {
    LOGFONTA description{};
    description.lfHeight = -pixels;
    description.lfWeight = (styleBits & kBold) ? FW_BOLD : FW_NORMAL;
    description.lfItalic = (styleBits & kItalic) ? TRUE : FALSE;
    description.lfUnderline = (styleBits & kUnderline) ? TRUE : FALSE;
    description.lfStrikeOut = (styleBits & kStrikeOut) ? TRUE : FALSE;
    description.lfCharSet = static_cast<BYTE>(charset);
    lstrcpynA(description.lfFaceName, face.c_str(), LF_FACESIZE);
    return Font(CreateFontIndirectA(&description));
}

}  // namespace runtime

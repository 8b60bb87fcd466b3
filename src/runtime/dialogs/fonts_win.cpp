#include "runtime/dialogs/fonts_win.h"

#include <cmath>
#include <map>

#include "runtime/canvas/canvas_text_win.h"
#include "runtime/canvas/gdi_objects_win.h"

namespace runtime {

namespace {

struct FontRecord {
    std::string face;
    int points = 8;
    int styleBits = 0;
    int charset = 0;
    Font platform;
};

std::map<int, FontRecord> fonts;
int lastFontId = 3;  // 1 to 3 are the built-in canvas fonts

int ScreenDpiY() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

int NewFont(const std::string& face, int points, int styleBits, int charset) {
    FontRecord f;
    f.face = face.substr(0, 31);
    f.points = points == 0 ? 8 : points;
    f.styleBits = styleBits;
    f.charset = charset;
    const int id = ++lastFontId;
    fonts.emplace(id, std::move(f));
    SetCanvasFontSource(FontHandle);  // text on canvas controls may use it too
    return id;
}

void EndFont(int font) {
    fonts.erase(font);
}

HFONT FontHandle(int font) {
    auto it = fonts.find(font);
    if (it == fonts.end()) return nullptr;
    FontRecord& f = it->second;
    if (!f.platform) {
        LOGFONTA description{};
        description.lfHeight = -static_cast<LONG>(std::nearbyint(ScreenDpiY() * f.points / 72.0));
        description.lfWeight = (f.styleBits & 1) ? FW_BOLD : FW_NORMAL;
        description.lfItalic = (f.styleBits & 2) ? TRUE : FALSE;
        description.lfUnderline = (f.styleBits & 4) ? TRUE : FALSE;
        description.lfStrikeOut = (f.styleBits & 8) ? TRUE : FALSE;
        description.lfCharSet = static_cast<BYTE>(f.charset);
        lstrcpynA(description.lfFaceName, f.face.c_str(), LF_FACESIZE);
        f.platform = Font(CreateFontIndirectA(&description));
    }
    return f.platform.Get();
}

void SetControlFont(HWND dialog, int id, int font) {
    HWND c = GetDlgItem(dialog, id);
    HFONT f = FontHandle(font);
    if (c && f) SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(f), TRUE);
}

}  // namespace runtime

#include "runtime/dialogs/fonts_win.h"

#include <map>

#include "runtime/canvas/canvas_text.h"
#include "runtime/canvas/canvas_text_win.h"
#include "runtime/canvas/gdi_fonts_win.h"
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
    if (!f.platform)
        f.platform =
            MakeFont(f.face, FontPixelHeight(f.points, ScreenDpiY()), f.styleBits, f.charset);
    return f.platform.Get();
}

void SetControlFont(HWND dialog, int id, int font) {
    HWND c = GetDlgItem(dialog, id);
    HFONT f = FontHandle(font);
    if (c && f) SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(f), TRUE);
}

}  // namespace runtime

#include "app/main_menu_win.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "ids/program_ids.h"
#include "polygon/polygon_drawing.h"
#include "runtime/canvas/drawing_targets.h"
#include "runtime/canvas/gdi_objects_win.h"
#include "runtime/canvas/raster_resample.h"
#include "runtime/dialogs/dialog_services_win.h"
#include "runtime/files/error_number.h"
#include "settings/settings.h"

namespace app {

using namespace ids;
using namespace runtime;
using settings::Settings;

HMENU MainMenu = nullptr;

namespace {

// Menus show a picture in the check-mark area, only its top-left part: 13 x 13 at 96 dpi
// (Windows and Wine alike), the size of SM_CXMENUCHECK, which grows with the dpi. The
// resource pictures are 16 x 16 with what matters in that part; the swatches are drawn with
// 3 pixels to spare likewise.
constexpr int kShownAt96Dpi = 13, kSwatchSpare = 3;

// The pictures shown in the current menu bar; released with the bar they belong to.
std::vector<Bitmap> menuPictures;

int ShownSize() {
    return std::max(kShownAt96Dpi, GetSystemMetrics(SM_CXMENUCHECK));
}

// A 24-bit DIB section of the raster's pixels: themed Windows menus read the fourth byte of a
// 32-bit picture, which is 0 in ours, as transparent.
Bitmap MenuPicture(const Raster& r) {
    BITMAPINFO info = TopDownDibInfo(r.width, r.height);
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    Bitmap picture(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!picture || !bits) return Bitmap();
    const int stride = (r.width * 3 + 3) & ~3;  // DIB rows are whole DWORDs
    for (int y = 0; y < r.height; ++y) {
        auto* out = static_cast<std::uint8_t*>(bits) + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < r.width; ++x, out += 3) std::memcpy(out, &r.At(x, y), 3);  // b, g, r
    }
    return picture;
}

// A resource picture as the menu shows it: at 96 dpi as it is, on a larger check-mark area
// its shown part stretched to fill it, without smoothing.
Bitmap ResourcePicture(int id) {
    Bitmap loaded(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const int shown = ShownSize();
    BITMAP size{};
    if (!loaded || shown == kShownAt96Dpi || !GetObjectW(loaded.Get(), sizeof size, &size))
        return loaded;
    std::vector<Pixel> pixels(static_cast<std::size_t>(size.bmWidth) * size.bmHeight);
    BITMAPINFO info = TopDownDibInfo(size.bmWidth, size.bmHeight);
    const MemoryDc dc;
    if (GetDIBits(dc.Get(), loaded.Get(), 0, static_cast<UINT>(size.bmHeight), pixels.data(), &info,
                  DIB_RGB_COLORS) != size.bmHeight)
        return loaded;  // shown small rather than not at all
    const Raster source{pixels.data(), size.bmWidth, size.bmHeight};
    const PixelRect part{0, 0, std::min<int>(kShownAt96Dpi, size.bmWidth),
                         std::min<int>(kShownAt96Dpi, size.bmHeight)};
    std::vector<Pixel> stretched = Resample(source, part, shown, shown);
    return MenuPicture(Raster{stretched.data(), shown, shown});
}

// The swatch of a colour, drawn with the program's own box at the size the menu shows:
// white ground, a rounded box with a black outline filled in the colour.
Bitmap MakeColorSwatch(runtime::COLORREF color) {
    ProcedureError unread;
    const int shown = ShownSize(), size = shown + kSwatchSpare;
    // Released on leaving, once its pixels are copied into the picture.
    const OwnedBitmap swatch(NewBitmap(size, size));
    if (swatch.Get() == 0) return Bitmap();
    polygon::ClearToWhite(swatch.Get());
    DrawBox(0, 0, static_cast<float>(shown), static_cast<float>(shown), 15, kBlack, color, 0);
    Bitmap picture;
    WithCurrentRaster([&](const Raster& r, void*) { picture = MenuPicture(r); });
    return picture;
}

void AttachPicture(HMENU menu, int position, Bitmap picture, std::vector<Bitmap>& keep) {
    if (!picture) return;  // the item works without its picture
    SetMenuItemBitmaps(menu, static_cast<UINT>(position), MF_BYPOSITION, picture.Get(),
                       picture.Get());
    keep.push_back(std::move(picture));
}

HMENU AddPopup(HMENU bar, const char* title) {
    ProcedureError unread;
    HMENU popup = NewMenu(MenuKind::Popup);
    AddMenuItem(bar, title, 0, 0, popup);
    return popup;
}

}  // namespace

HMENU BuildMainMenu(HWND window) {
    ProcedureError unread;
    HMENU previous = GetMenu(window);
    std::vector<Bitmap> pictures;
    HMENU bar = NewMenu(MenuKind::Bar);

    HMENU files = AddPopup(bar, "Archivos");
    AddMenuItem(files, "Grabar Imagen", kSavePicture, 0, nullptr);
    AddMenuItem(files, "-", 0, 0, nullptr);
    AddMenuItem(files, "Autor", kAuthor, 0, nullptr);
    AddMenuItem(files, "-", 0, 0, nullptr);
    AddMenuItem(files, "Salir", kQuit, 0, nullptr);
    AttachPicture(files, 0, ResourcePicture(ids::kMonitorPicture), pictures);
    AttachPicture(files, 2, ResourcePicture(ids::kPersonPicture), pictures);
    AttachPicture(files, 4, ResourcePicture(ids::kDoorPicture), pictures);

    HMENU settings = AddPopup(bar, "Ajustes");
    AddMenuItem(settings, "Propiedades coordenadas", kVertexProperties, 0, nullptr);
    AttachPicture(settings, 0, ResourcePicture(ids::kPinPicture), pictures);

    HMENU colors = AddPopup(bar, "Colores");
    AddMenuItem(colors, "Colores Favoritos", kFavoriteColors, 0, nullptr);
    AddMenuItem(colors, "-", 0, 0, nullptr);
    AddMenuItem(colors, "Color Borde", kBorderColor, 0, nullptr);
    AddMenuItem(colors, "Color Relleno", kFillColor, 0, nullptr);
    AddMenuItem(colors, "Color Papel", kPaperColor, 0, nullptr);
    AttachPicture(colors, 0, ResourcePicture(ids::kGreenPlusPicture), pictures);
    AttachPicture(colors, 2, MakeColorSwatch(Settings.Borde), pictures);
    AttachPicture(colors, 3, MakeColorSwatch(Settings.Relleno), pictures);
    AttachPicture(colors, 4, MakeColorSwatch(Settings.Papel), pictures);

    if (previous) {
        // A rebuild keeps what the user could and could not do.
        for (int id : {kSavePicture, kVertexProperties}) {
            const int state = MenuItemState(previous, id);
            if (state != kNoMenuItem)
                SetMenuItemState(bar, id, (state & MFS_GRAYED) ? MFS_GRAYED : 0);
        }
    }
    AttachMenu(window, bar);
    MainMenu = bar;
    if (previous) DestroyMenu(previous);
    menuPictures = std::move(pictures);  // the old bar's pictures go with it
    return bar;
}

void ReleaseMenuPictures() {
    menuPictures.clear();
}

}  // namespace app

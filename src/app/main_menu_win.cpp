#include "app/main_menu_win.h"

#include <cstring>
#include <vector>

#include "ids/program_ids.h"
#include "polygon/polygon_drawing.h"
#include "runtime/canvas/drawing_targets.h"
#include "runtime/canvas/gdi_objects_win.h"
#include "runtime/dialogs/dialog_services_win.h"
#include "settings/settings.h"

namespace app {

using namespace ids;
using namespace runtime;
using settings::Settings;

HMENU MainMenu = nullptr;

namespace {

constexpr int kSwatchSize = 16;

// The pictures shown in the current menu bar; released with the bar they belong to.
std::vector<Bitmap> menuPictures;

Bitmap ResourcePicture(int id) {
    return Bitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

// The 16 x 16 swatch of a colour, drawn with the program's own box and handed to the menu as
// a bitmap in memory: white ground, a rounded box with a black outline filled in the colour.
// Menus show only the top-left 13 x 13 of a check-mark picture (Windows and Wine alike), so
// the box fits there; and they are 24-bit, since themed Windows menus read a fourth byte of 0
// as transparent.
Bitmap MakeColorSwatch(runtime::COLORREF color) {
    constexpr int kShown = 13;
    // Released on leaving, once its pixels are copied into the picture.
    const OwnedBitmap swatch(NewBitmap(kSwatchSize, kSwatchSize));
    if (swatch.Get() == 0) return Bitmap();
    polygon::ClearToWhite(swatch.Get());
    DrawBox(0, 0, kShown, kShown, 15, kBlack, color, 0);
    BITMAPINFO info = TopDownDibInfo(kSwatchSize, kSwatchSize);
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    Bitmap picture(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (picture && bits)
        WithCurrentRaster([&](const Raster& r, void*) {
            auto* out = static_cast<std::uint8_t*>(bits);  // rows of 16 x 3 bytes need no padding
            for (int i = 0; i < kSwatchSize * kSwatchSize; ++i, out += 3)
                std::memcpy(out, &r.pixels[i], 3);  // blue, green, red
        });
    return picture;
}

void AttachPicture(HMENU menu, int position, Bitmap picture, std::vector<Bitmap>& keep) {
    if (!picture) return;  // the item works without its picture
    SetMenuItemBitmaps(menu, static_cast<UINT>(position), MF_BYPOSITION, picture.Get(),
                       picture.Get());
    keep.push_back(std::move(picture));
}

HMENU AddPopup(HMENU bar, const char* title) {
    HMENU popup = NewMenu(MenuKind::Popup);
    AddMenuItem(bar, title, 0, 0, popup);
    return popup;
}

}  // namespace

HMENU BuildMainMenu(HWND window) {
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

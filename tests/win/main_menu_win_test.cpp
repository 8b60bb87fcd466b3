// The main window's menu bar, built in this process: its menus, items, pictures and swatches,
// and what a rebuild keeps and releases.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/main_menu_win.h"
#include "runtime/dialogs/dialog_services_win.h"
#include "settings/settings.h"

namespace {

using namespace runtime;

std::wstring ItemText(HMENU menu, int position) {
    wchar_t text[64]{};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return text;
}

HBITMAP Picture(HMENU menu, int position) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_CHECKMARKS;
    GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item);
    return item.hbmpUnchecked;
}

// The colour of a swatch's pixel, as 0x00BBGGRR; all ones for a swatch that is not a 24-bit
// DIB section (themed Windows menus would draw a 32-bit one with a zero fourth byte as nothing).
std::uint32_t SwatchPixel(HBITMAP swatch, int x, int y) {
    DIBSECTION dib{};
    if (GetObjectW(swatch, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits ||
        dib.dsBm.bmBitsPixel != 24)
        return 0xFFFFFFFF;
    const auto* row = static_cast<const std::uint8_t*>(dib.dsBm.bmBits) + y * dib.dsBm.bmWidthBytes;
    return row[3 * x + 2] | row[3 * x + 1] << 8 | row[3 * x] << 16;
}

struct MainMenu : ::testing::Test {
    HWND window = nullptr;
    void SetUp() override {
        settings::Settings = {0x000000FF, 0x0000FF00, 0x00FF0000, 1};
        window = NewDialog(nullptr, "", kCentred, kCentred, 300, 200, 0, 0, DialogMode::Pixels);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        DestroyWindow(window);
        app::ReleaseMenuPictures();
    }
};

TEST_F(MainMenu, ThreeMenusWithTheirItemsPicturesAndSwatches) {
    HMENU bar = app::BuildMainMenu(window);
    ASSERT_EQ(GetMenu(window), bar);
    EXPECT_EQ(app::MainMenu, bar);
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    EXPECT_EQ(ItemText(bar, 0), L"Archivos");
    EXPECT_EQ(ItemText(bar, 1), L"Ajustes");
    EXPECT_EQ(ItemText(bar, 2), L"Colores");

    HMENU files = GetSubMenu(bar, 0), settings = GetSubMenu(bar, 1), colors = GetSubMenu(bar, 2);
    struct Item {
        HMENU menu;
        int position;
        const wchar_t* text;
        int id;
        bool picture;
    };
    const Item items[] = {
        {files, 0, L"Grabar Imagen", 1010, true},
        {files, 1, L"", 0, false},
        {files, 2, L"Autor", 1011, true},
        {files, 3, L"", 0, false},
        {files, 4, L"Salir", 1012, true},
        {settings, 0, L"Propiedades coordenadas", 1017, true},
        {colors, 0, L"Colores Favoritos", 1016, true},
        {colors, 1, L"", 0, false},
        {colors, 2, L"Color Borde", 1013, true},
        {colors, 3, L"Color Relleno", 1014, true},
        {colors, 4, L"Color Papel", 1015, true},
    };
    EXPECT_EQ(GetMenuItemCount(files), 5);
    EXPECT_EQ(GetMenuItemCount(settings), 1);
    EXPECT_EQ(GetMenuItemCount(colors), 5);
    for (const Item& i : items) {
        SCOPED_TRACE(i.text);
        EXPECT_EQ(ItemText(i.menu, i.position), i.text);
        EXPECT_EQ(static_cast<int>(GetMenuItemID(i.menu, i.position)), i.id);
        EXPECT_EQ(Picture(i.menu, i.position) != nullptr, i.picture);
        BITMAP size{};
        if (i.picture && GetObjectW(Picture(i.menu, i.position), sizeof size, &size)) {
            EXPECT_EQ(size.bmWidth, 16) << "a 16 x 16 picture";
            EXPECT_EQ(size.bmHeight, 16);
        }
        if (i.id) {
            EXPECT_EQ(MenuItemState(bar, i.id), 0) << "enabled";
        }
    }
    // Swatches: white ground, and the colour inside a black outline that ends at the 13th
    // column and row, the last a menu shows.
    EXPECT_EQ(SwatchPixel(Picture(colors, 2), 5, 5), 0x000000FFu);
    EXPECT_EQ(SwatchPixel(Picture(colors, 3), 5, 5), 0x0000FF00u);
    EXPECT_EQ(SwatchPixel(Picture(colors, 4), 5, 5), 0x00FF0000u);
    EXPECT_EQ(SwatchPixel(Picture(colors, 4), 6, 0), 0u);
    EXPECT_EQ(SwatchPixel(Picture(colors, 4), 12, 6), 0u);
    EXPECT_EQ(SwatchPixel(Picture(colors, 4), 6, 12), 0u);
    EXPECT_EQ(SwatchPixel(Picture(colors, 4), 13, 6), 0x00FFFFFFu);
    EXPECT_EQ(SwatchPixel(Picture(colors, 4), 15, 15), 0x00FFFFFFu);
}

TEST_F(MainMenu, ARebuildKeepsTheStatesAndReleasesTheOldBar) {
    HMENU first = app::BuildMainMenu(window);
    SetMenuItemState(first, 1017, MFS_GRAYED);
    SetMenuItemState(first, 1010, MFS_GRAYED);
    settings::Settings.Papel = 0x00123456;
    HMENU second = app::BuildMainMenu(window);
    EXPECT_NE(second, first);
    EXPECT_FALSE(IsMenu(first)) << "the old bar is gone";
    EXPECT_EQ(MenuItemState(second, 1017), MFS_GRAYED);
    EXPECT_EQ(MenuItemState(second, 1010), MFS_GRAYED);
    EXPECT_EQ(SwatchPixel(Picture(GetSubMenu(second, 2), 4), 5, 5), 0x00123456u);
    EXPECT_EQ(SwatchPixel(Picture(GetSubMenu(second, 2), 2), 5, 5), 0x000000FFu)
        << "the others unchanged";

    HMENU previous = second;
    for (int i = 0; i < 1000; ++i) {
        HMENU next = app::BuildMainMenu(window);
        ASSERT_FALSE(IsMenu(previous)) << "rebuild " << i;
        previous = next;
    }
    EXPECT_EQ(MenuItemState(previous, 1017), MFS_GRAYED);
}

}  // namespace

#include "runtime/dialogs/menus_win.h"

#include "runtime/files/platform_text.h"

namespace runtime {

HMENU NewMenu(MenuKind kind) {
    return kind == MenuKind::Bar ? CreateMenu() : CreatePopupMenu();
}

void AddMenuItem(HMENU menu, const std::string& text, int commandId, int state, HMENU submenu) {
    if (!menu) return;
    const std::wstring wide = WideFromText(text);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    if (text == "-") {
        item.fMask = MIIM_FTYPE;
        item.fType = MFT_SEPARATOR;
    } else {
        item.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_STATE | MIIM_ID | MIIM_DATA |
                     (submenu ? MIIM_SUBMENU : 0);
        item.fType = MFT_STRING;
        item.fState = static_cast<UINT>(state);
        item.wID = static_cast<UINT>(commandId);
        item.hSubMenu = submenu;
        item.dwTypeData = const_cast<wchar_t*>(wide.c_str());
    }
    InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

void AttachMenu(HWND window, HMENU menu) {
    SetMenu(window, menu);
}

void SetMenuItemState(HMENU menu, int commandId, int state) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STATE;
    item.fState = static_cast<UINT>(state);
    SetMenuItemInfoW(menu, static_cast<UINT>(commandId), FALSE, &item);
}

int MenuItemState(HMENU menu, int commandId) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STATE;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(commandId), FALSE, &item)) return kNoMenuItem;
    return static_cast<int>(item.fState);
}

}  // namespace runtime

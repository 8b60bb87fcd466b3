#pragma once
// Menu bars and popups: items added by text, found and greyed by command id.

#include <windows.h>

#include <string>

namespace runtime {

enum class MenuKind { Bar, Popup };
HMENU NewMenu(MenuKind kind);
void AddMenuItem(HMENU menu, const std::string& text, int commandId, int state, HMENU submenu);
void AttachMenu(HWND window, HMENU menu);
void SetMenuItemState(HMENU menu, int commandId, int state);  // 0 enabled, 3 greyed
int MenuItemState(HMENU menu, int commandId);                 // -1 when there is no such item

}  // namespace runtime

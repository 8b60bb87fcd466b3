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
constexpr int kNoMenuItem = -1;                // the state of a command no item of the menu has
int MenuItemState(HMENU menu, int commandId);  // or kNoMenuItem

}  // namespace runtime

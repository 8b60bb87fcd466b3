#pragma once
// Dialogs built at run time from in-memory templates, their controls, the modal loop, and the
// text, list, combo, font, menu, message box and colour chooser services the windows of the
// program use. Texts are the program's Windows-1252 strings; they become UTF-16 only here.

#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/dialogs/control_kinds.h"
#include "runtime/dialogs/dialog_template.h"
#include "runtime/dialogs/subclass_win.h"

namespace runtime {

enum class DialogMode {
    Pixels,       // geometry in pixels, the size being the client area
    DialogUnits,  // geometry in units of the dialog font, placed by the platform
};

// A dialog callback sees every message of its dialog and the notifications of its controls.
// Returning 0 leaves the message to the services' default handling.
using DialogCallback = INT_PTR (*)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

HWND NewDialog(HWND owner, const std::string& title, std::int32_t x, std::int32_t y, std::int32_t width,
               std::int32_t height, std::uint32_t style, std::uint32_t extendedStyle, DialogMode mode);
void SetDialogIcon(HWND dialog, const wchar_t* iconResource);
void AddControl(ControlKind kind, HWND dialog, int id, const std::string& text, int x, int y,
                int width, int height, std::uint32_t style, std::uint32_t extendedStyle);
INT_PTR ShowDialogModal(HWND dialog, DialogCallback callback);
void FinishDialog(HWND dialog, INT_PTR result);

void SetText(HWND window, const std::string& text);
std::string GetText(HWND window);
void EnableControl(HWND dialog, int id, bool enable);
LRESULT SendToControl(HWND dialog, int id, UINT message);
int ComboAdd(HWND dialog, int id, const std::string& text);
std::string ComboGetText(HWND dialog, int id);
int ListAdd(HWND dialog, int id, const std::string& text);
void ListSelect(HWND dialog, int id, int item);  // 1-based
std::string ListGetText(HWND dialog, int id);

// Fonts are named by ids; 1 to 3 are kept for the built-in canvas fonts. Style bits: 1 bold,
// 2 italic, 4 underline, 8 strike-out. The platform font is made when first used.
int NewFont(const std::string& face, int points, int styleBits, int charset);
void EndFont(int font);
HFONT FontHandle(int font);  // makes the platform font on first use; null if it cannot be made
void SetControlFont(HWND dialog, int id, int font);

enum class MenuKind { Bar, Popup };
HMENU NewMenu(MenuKind kind);
void AddMenuItem(HMENU menu, const std::string& text, int commandId, int state, HMENU submenu);
void AttachMenu(HWND window, HMENU menu);
void SetMenuItemState(HMENU menu, int commandId, int state);  // 0 enabled, 3 greyed
int MenuItemState(HMENU menu, int commandId);                   // -1 when there is no such item

// WM_NCACTIVATE: losing activation remembers the focused control in `saved`; regaining it
// gives that control the focus back.
void KeepFocusAcrossActivation(WPARAM activating, HWND& saved);

int MessagePrompt(const std::string& text, UINT style, const std::string& title);
// The chosen colour, or -1 when the user cancels. `customColors` holds 16 colours and is
// updated in place.
std::int32_t PickColor(HWND owner, std::int32_t initial, ::COLORREF* customColors, DWORD flags,
                       std::int32_t x, std::int32_t y);

}  // namespace runtime

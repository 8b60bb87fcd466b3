#pragma once
// The texts of windows and controls, the items of list and combo boxes, and enabling
// controls. Texts are the program's Windows-1252 strings; they become UTF-16 only here.

#include <windows.h>

#include <string>

namespace runtime {

void SetText(HWND window, const std::string& text);
std::string GetText(HWND window);
void EnableControl(HWND dialog, int id, bool enable);
LRESULT SendToControl(HWND dialog, int id, UINT message);
int ComboAdd(HWND dialog, int id, const std::string& text);
std::string ComboGetText(HWND dialog, int id);
int ListAdd(HWND dialog, int id, const std::string& text);
void ListSelect(HWND dialog, int id, int item);  // 1-based
std::string ListGetText(HWND dialog, int id);

}  // namespace runtime

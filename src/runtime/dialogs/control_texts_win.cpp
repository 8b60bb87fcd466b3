#include "runtime/dialogs/control_texts_win.h"

#include "runtime/files/platform_text.h"

namespace runtime {

void SetText(HWND window, const std::string& text) {
    if (window) SetWindowTextW(window, WideFromText(text).c_str());
}

std::string GetText(HWND window) {
    if (!window) return {};
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return TextFromWide(text);
}

void EnableControl(HWND dialog, int id, bool enable) {
    if (HWND c = GetDlgItem(dialog, id)) EnableWindow(c, enable ? TRUE : FALSE);
}

LRESULT SendToControl(HWND dialog, int id, UINT message) {
    HWND c = GetDlgItem(dialog, id);
    return c ? SendMessageA(c, message, 0, 0) : 0;
}

namespace {

std::string ItemText(HWND control, UINT getSelection, UINT getLength, UINT getText) {
    if (!control) return {};
    const LRESULT index = SendMessageW(control, getSelection, 0, 0);
    if (index < 0) return {};
    const LRESULT length = SendMessageW(control, getLength, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(control, getText, static_cast<WPARAM>(index),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return TextFromWide(text);
}

int AddItem(HWND control, UINT message, const std::string& text) {
    if (!control) return 0;
    const std::wstring wide = WideFromText(text);
    const LRESULT at = SendMessageW(control, message, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    return at < 0 ? 0 : static_cast<int>(at) + 1;
}

}  // namespace

int ComboAdd(HWND dialog, int id, const std::string& text) {
    return AddItem(GetDlgItem(dialog, id), CB_ADDSTRING, text);
}

std::string ComboGetText(HWND dialog, int id) {
    return ItemText(GetDlgItem(dialog, id), CB_GETCURSEL, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int ListAdd(HWND dialog, int id, const std::string& text) {
    return AddItem(GetDlgItem(dialog, id), LB_ADDSTRING, text);
}

void ListSelect(HWND dialog, int id, int item) {
    if (HWND c = GetDlgItem(dialog, id))
        SendMessageW(c, LB_SETCURSEL, static_cast<WPARAM>(item - 1), 0);
}

std::string ListGetText(HWND dialog, int id) {
    return ItemText(GetDlgItem(dialog, id), LB_GETCURSEL, LB_GETTEXTLEN, LB_GETTEXT);
}

}  // namespace runtime

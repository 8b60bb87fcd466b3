#include "runtime/dialogs/dialog_controls_win.h"

#include "runtime/dialogs/canvas_control_win.h"
#include "runtime/dialogs/dialog_records_win.h"
#include "runtime/files/platform_text.h"

namespace runtime {

void AddControl(ControlKind kind, HWND dialog, int id, const std::string& text, int x, int y,
                int width, int height, std::uint32_t style, std::uint32_t extendedStyle) {
    DialogRecord* d = FindDialog(dialog);
    const wchar_t* className = ControlClassName(kind);
    if (!d || !className) return;
    if (d->mode == DialogMode::DialogUnits) {
        RECT r{x, y, x + width, y + height};
        MapDialogRect(dialog, &r);
        x = r.left;
        y = r.top;
        width = r.right - r.left;
        height = r.bottom - r.top;
    }
    const ControlStyle final = ResolveControlStyle(kind, style, extendedStyle);
    HWND control =
        CreateWindowExW(final.extendedStyle, className, WideFromText(text).c_str(), final.style, x,
                        y, width, height, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleW(nullptr), nullptr);
    if (!control) return;
    d->controls.push_back({control, id, kind});
    SendMessageW(control, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), TRUE);
    if (kind == ControlKind::Canvas) MakeCanvasControl(dialog, control, id, width, height);
}

}  // namespace runtime

#pragma once
// The record of every dialog NewDialog made and of the controls AddControl put on it, kept
// from the dialog's creation to its WM_NCDESTROY. For the dialog services themselves.

#include <windows.h>

#include <memory>
#include <vector>

#include "runtime/canvas/gdi_objects_win.h"
#include "runtime/dialogs/control_kinds.h"
#include "runtime/dialogs/dialog_window_win.h"
#include "runtime/dialogs/modal_dialog_win.h"

namespace runtime {

struct ControlRecord {
    HWND window = nullptr;
    int id = 0;
    ControlKind kind = ControlKind::Label;
};

struct DialogRecord {
    HWND window = nullptr;
    DialogMode mode = DialogMode::Pixels;
    HWND owner = nullptr;
    int showCommand = SW_SHOW;
    DialogCallback callback = nullptr;
    INT_PTR* result = nullptr;
    std::vector<ControlRecord> controls;
    Icon bigIcon, smallIcon;
};

void KeepDialog(std::unique_ptr<DialogRecord> record);  // under its window
void ForgetDialog(HWND dialog);
DialogRecord* FindDialog(HWND dialog);  // null once the dialog is gone
const ControlRecord* FindControl(const DialogRecord& d, int id);

}  // namespace runtime

#include "runtime/dialogs/dialog_records_win.h"

#include <unordered_map>

namespace runtime {

namespace {

std::unordered_map<HWND, std::unique_ptr<DialogRecord>> dialogs;

}  // namespace

void KeepDialog(std::unique_ptr<DialogRecord> record) {
    const HWND dialog = record->window;
    dialogs[dialog] = std::move(record);
}

void ForgetDialog(HWND dialog) {
    dialogs.erase(dialog);
}

DialogRecord* FindDialog(HWND dialog) {
    auto it = dialogs.find(dialog);
    return it == dialogs.end() ? nullptr : it->second.get();
}

const ControlRecord* FindControl(const DialogRecord& d, int id) {
    for (const ControlRecord& c : d.controls)
        if (c.id == id) return &c;
    return nullptr;
}

}  // namespace runtime

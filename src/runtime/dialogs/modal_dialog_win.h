#pragma once
// A dialog run modally: its callback sees the dialog's messages and its controls'
// notifications, its owner is disabled meanwhile, and FinishDialog ends it with a result.

#include <windows.h>

namespace runtime {

// A dialog callback sees every message of its dialog and the notifications of its controls.
// Returning 0 leaves the message to the services' default handling.
using DialogCallback = INT_PTR (*)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

INT_PTR ShowDialogModal(HWND dialog, DialogCallback callback);
void FinishDialog(HWND dialog, INT_PTR result);

// WM_NCACTIVATE: losing activation remembers the focused control in `saved`; regaining it
// gives that control the focus back.
void KeepFocusAcrossActivation(WPARAM activating, HWND& saved);

}  // namespace runtime

#include "runtime/dialogs/modal_dialog_win.h"

#include "runtime/dialogs/dialog_records_win.h"

namespace runtime {

INT_PTR ShowDialogModal(HWND dialog, DialogCallback callback) {
    DialogRecord* d = FindDialog(dialog);
    if (!d) return 0;
    INT_PTR result = 0;
    SetForegroundWindow(dialog);
    callback(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(dialog), 0);
    RECT client{};
    GetClientRect(dialog, &client);
    const WPARAM sizeKind = d->showCommand == SW_MAXIMIZE          ? SIZE_MAXIMIZED
                            : d->showCommand == SW_SHOWMINNOACTIVE ? SIZE_MINIMIZED
                                                                   : SIZE_RESTORED;
    callback(dialog, WM_SIZE, sizeKind, MAKELPARAM(client.right, client.bottom));
    d = FindDialog(dialog);  // the callback may have ended the dialog already
    if (!d) return result;
    d->callback = callback;
    d->result = &result;
    const HWND owner = d->owner;
    if (owner) {
        SendMessageW(owner, WM_CANCELMODE, 0, 0);
        EnableWindow(owner, FALSE);
    }
    ShowWindow(dialog, d->showCommand);
    UpdateWindow(dialog);  // painted before it takes any input, not when the queue next empties

    // Messages for every window of the thread go through here while the dialog lives; when
    // the queue is empty the thread sleeps in the platform's wait rather than polling.
    MSG message;
    while (IsWindow(dialog)) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            // A message sent from another thread is handled inside PeekMessageW and may have
            // ended the dialog: waiting now would wait for ever.
            if (!IsWindow(dialog)) break;
            if (owner && !(GetWindowLongW(dialog, GWL_STYLE) & DS_NOIDLEMSG))
                SendMessageW(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
            WaitMessage();
            continue;
        }
        // A quit ends every loop, innermost first, while its dialog still exists: posted again,
        // it reaches the loops outside this one too, and the program ends as it was asked.
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (IsWindow(dialog) && IsDialogMessageW(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (owner) SetFocus(owner);
    if (DialogRecord* still = FindDialog(dialog)) still->result = nullptr;
    return result;
}

void FinishDialog(HWND dialog, INT_PTR result) {
    DialogRecord* d = FindDialog(dialog);
    if (!d) return;
    if (d->result) *d->result = result;
    const HWND owner = d->owner;
    SendMessageW(dialog, WM_CLOSE, 0, 0);
    if (owner) EnableWindow(owner, TRUE);
    DestroyWindow(dialog);
}

void KeepFocusAcrossActivation(WPARAM activating, HWND& saved) {
    if (activating == 0) {
        saved = GetFocus();
    } else if (saved) {
        SetFocus(saved);
        saved = nullptr;
    }
}

}  // namespace runtime

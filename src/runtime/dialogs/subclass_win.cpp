#include "runtime/dialogs/subclass_win.h"

// after windows.h, which it needs
#include <commctrl.h>

#include "runtime/files/invariant.h"

namespace runtime {

namespace {

// One installation: the window's subclass data (dwRefData) points at it, and it goes with the
// window's last message.
struct Installed {
    SubclassProcedure procedure;
    std::unique_ptr<SubclassState> state;
    int running = 0;  // calls of the procedure under way, nested ones included
    bool windowGone = false;
};

UINT_PTR IdOf(SubclassProcedure procedure) {
    return reinterpret_cast<UINT_PTR>(procedure);
}

LRESULT CALLBACK Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                         DWORD_PTR data) {
    auto* installed = reinterpret_cast<Installed*>(data);
    POLIGONOS_INVARIANT(installed && IdOf(installed->procedure) == id && !installed->windowGone);
    ++installed->running;
    const LRESULT result =
        installed->procedure(window, message, wParam, lParam, installed->state.get());
    --installed->running;
    // A subclass must be gone before its window is. A procedure that destroyed its own window
    // is still running further out: the last of its calls to return frees the state.
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, Forward, id);
        installed->windowGone = true;
    }
    if (installed->windowGone && installed->running == 0) delete installed;
    return result;
}

}  // namespace

bool InstallSubclass(HWND window, SubclassProcedure procedure,
                     std::unique_ptr<SubclassState> state) {
    if (!procedure || !IsWindow(window)) return false;
    auto installed = std::make_unique<Installed>(Installed{procedure, std::move(state)});
    if (!SetWindowSubclass(window, Forward, IdOf(procedure),
                           reinterpret_cast<DWORD_PTR>(installed.get())))
        return false;     // another thread's or process's window, for one
    installed.release();  // the window's subclass data now
    return true;
}

LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace runtime

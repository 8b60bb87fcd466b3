#include "runtime/dialogs/subclass_win.h"

// after windows.h, which it needs
#include <commctrl.h>

#include <vector>

namespace runtime {

namespace {

LRESULT CALLBACK Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                         DWORD_PTR data);

// One installation: the window's subclass data (dwRefData) points at it. It goes once the
// subclass is removed and no call of its procedure is under way.
struct Installed {
    HWND window;
    SubclassProcedure procedure;
    std::unique_ptr<SubclassState> state;
    int running = 0;
    bool removed = false;
};

// The installations not yet removed, so that RemoveSubclass finds its own (the import
// libraries have no GetWindowSubclass). The user-interface thread's only.
std::vector<Installed*> installations;

UINT_PTR IdOf(SubclassProcedure procedure) {
    return reinterpret_cast<UINT_PTR>(procedure);
}

Installed* Find(HWND window, SubclassProcedure procedure) {
    for (Installed* i : installations)
        if (i->window == window && i->procedure == procedure) return i;
    return nullptr;
}

void Remove(Installed* installed) {
    RemoveWindowSubclass(installed->window, Forward, IdOf(installed->procedure));
    installed->removed = true;
    std::erase(installations, installed);
}

LRESULT CALLBACK Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                         DWORD_PTR data) {
    auto* installed = reinterpret_cast<Installed*>(data);
    ++installed->running;
    const LRESULT result =
        installed->procedure(window, message, wParam, lParam, installed->state.get());
    --installed->running;
    // A subclass must be gone before its window is: it goes with the window's last message.
    if (message == WM_NCDESTROY && !installed->removed) Remove(installed);
    if (installed->removed && installed->running == 0) delete installed;
    return result;
}

}  // namespace

bool InstallSubclass(HWND window, SubclassProcedure procedure,
                     std::unique_ptr<SubclassState> state) {
    if (!procedure || !IsWindow(window) || Find(window, procedure)) return false;
    auto installed = std::make_unique<Installed>(Installed{window, procedure, std::move(state)});
    if (!SetWindowSubclass(window, Forward, IdOf(procedure),
                           reinterpret_cast<DWORD_PTR>(installed.get())))
        return false;                              // another thread's or process's window, for one
    installations.push_back(installed.release());  // the window's subclass data now
    return true;
}

void RemoveSubclass(HWND window, SubclassProcedure procedure) {
    Installed* installed = Find(window, procedure);
    if (!installed) return;
    Remove(installed);
    if (installed->running == 0) delete installed;
}

LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace runtime

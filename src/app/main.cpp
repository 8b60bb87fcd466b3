// Poligonos: prepares the common controls, loads the settings, runs the main window until it
// is closed, and stores the settings again.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "app/main_window_win.h"
#include "settings/settings.h"

namespace {

void InitialiseCommonControls() {
    HMODULE library = LoadLibraryA("COMCTL32.DLL");
    if (!library) return;  // the plain controls we use are there anyway
    using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    auto initEx = reinterpret_cast<InitEx>(
        reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
    if (initEx) {
        INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), 0x9FF};
        initEx(&classes);
    } else {
        InitCommonControls();
    }
    FreeLibrary(library);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitialiseCommonControls();
    settings::SettingsFile("get");
    app::CreateMainWindow(nullptr);
    settings::SettingsFile("save");
    return 0;
}

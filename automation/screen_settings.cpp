#include "automation/screen_settings.h"

#include <string>

#include "automation/failure.h"

namespace e2e {

ScreenDpi::ScreenDpi(DWORD dpi) {
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr) != 0)
        Fail("cannot open HKCU\\Control Panel\\Desktop");
    DWORD size = sizeof old_;
    had_ = RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old_),
                            &size) == 0;
    Set(dpi);
}

ScreenDpi::~ScreenDpi() {
    if (had_)
        Set(old_);
    else
        RegDeleteValueW(key_, L"LogPixels");
    RegCloseKey(key_);
}

void ScreenDpi::Set(DWORD dpi) {
    if (RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                       sizeof dpi) != 0)
        Fail("cannot set LogPixels");
}

namespace {

LONG ChangeMode(LONG width, LONG height) {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    return ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
}

}  // namespace

ScreenMode::ScreenMode(int width, int height) {
    DEVMODEW now{};
    now.dmSize = sizeof now;
    if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &now))
        Fail("cannot read the display mode");
    old_ = {static_cast<LONG>(now.dmPelsWidth), static_cast<LONG>(now.dmPelsHeight)};
    const LONG result = ChangeMode(width, height);
    if (result != DISP_CHANGE_SUCCESSFUL)
        Fail("the desktop did not take the mode " + std::to_string(width) + " x " +
             std::to_string(height) + " (" + std::to_string(result) +
             "; the X screen must be as large)");
}

ScreenMode::~ScreenMode() {
    ChangeMode(old_.cx, old_.cy);
}

TaskBar::TaskBar(int height) {
    WNDCLASSW kind{};
    kind.lpfnWndProc = DefWindowProcW;
    kind.hInstance = GetModuleHandleW(nullptr);
    kind.lpszClassName = L"Shell_TrayWnd";
    RegisterClassW(&kind);  // fails harmlessly when a task bar was made before
    const int width = GetSystemMetrics(SM_CXSCREEN), bottom = GetSystemMetrics(SM_CYSCREEN);
    window_ =
        CreateWindowExW(WS_EX_TOOLWINDOW, L"Shell_TrayWnd", L"", WS_POPUP | WS_VISIBLE, 0,
                        bottom - height, width, height, nullptr, nullptr, kind.hInstance, nullptr);
    if (!window_) Fail("cannot make a task bar: error " + std::to_string(GetLastError()));
}

TaskBar::~TaskBar() {
    DestroyWindow(window_);
}

}  // namespace e2e

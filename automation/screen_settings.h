#pragma once
// The screen the programs started from now on are shown, as Wine shows it: a dpi (LogPixels,
// which Wine gives every program started after it is set, as Windows gives a DPI-aware one),
// a display mode of the virtual desktop, and a task bar (Wine has none, but takes the work
// area of the programs started while a visible window of the task bar's class shows from that
// window). Each is put back when its owner goes, whatever the test's result.

#include <windows.h>

namespace e2e {

class ScreenDpi {
  public:
    explicit ScreenDpi(DWORD dpi);
    ~ScreenDpi();
    ScreenDpi(const ScreenDpi&) = delete;
    ScreenDpi& operator=(const ScreenDpi&) = delete;

  private:
    void Set(DWORD dpi);
    HKEY key_ = nullptr;
    DWORD old_ = 0;
    bool had_ = false;
};

class ScreenMode {
  public:
    ScreenMode(int width, int height);
    ~ScreenMode();
    ScreenMode(const ScreenMode&) = delete;
    ScreenMode& operator=(const ScreenMode&) = delete;

  private:
    SIZE old_{};
};

// Along the bottom of the screen, `height` pixels high.
class TaskBar {
  public:
    explicit TaskBar(int height);
    ~TaskBar();
    TaskBar(const TaskBar&) = delete;
    TaskBar& operator=(const TaskBar&) = delete;

  private:
    HWND window_ = nullptr;
};

}  // namespace e2e

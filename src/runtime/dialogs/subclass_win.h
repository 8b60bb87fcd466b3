#pragma once
// The one way a procedure of ours goes in front of a window's own: the common controls'
// SetWindowSubclass, with what the procedure keeps for its window in the subclass data. Each
// installed procedure sees a message before the ones installed earlier and before the window's
// class procedure, and passes it on with CallPrevious or answers it itself. A subclass lasts
// as long as its window: it still sees WM_NCDESTROY, and the state it keeps goes after that.
// Windows of the calling thread only; the program needs common controls 6 for this (its manifest
// asks for them, and so do the test programs').

#include <windows.h>

#include <memory>

namespace runtime {

// What a subclass keeps for its window.
class SubclassState {
  public:
    virtual ~SubclassState() = default;
};

using SubclassProcedure = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      SubclassState* state);

// Once per window and procedure, where the window is made. False when the window is gone or
// will not take the procedure; `state` is released then.
bool InstallSubclass(HWND window, SubclassProcedure procedure,
                     std::unique_ptr<SubclassState> state = nullptr);
// From inside a subclass procedure: the message to what stood in front of the window before it.
LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace runtime

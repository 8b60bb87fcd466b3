#pragma once
// The one way a procedure of ours goes in front of a window's own: the common controls'
// SetWindowSubclass, with what the procedure keeps for its window in the subclass data. Each
// installed procedure sees a message before the ones installed earlier and before the window's
// class procedure, and passes it on with CallPrevious or answers it itself. A subclass lasts
// until it is removed or its window is destroyed (it still sees WM_NCDESTROY); the state it
// keeps goes with it. Windows of the calling thread only; the program needs common controls 6
// for this (its manifest asks for them, and so do the test programs').

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

// False when the window is gone, will not take the procedure, or has it already; `state` is
// released then.
bool InstallSubclass(HWND window, SubclassProcedure procedure,
                     std::unique_ptr<SubclassState> state = nullptr);
// Takes `procedure` out and releases its state (once the procedure has returned, when it
// removes itself). With none left the window gets its own procedure back.
void RemoveSubclass(HWND window, SubclassProcedure procedure);
// From inside a subclass procedure: the message to what stood in front of the window before it.
LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace runtime

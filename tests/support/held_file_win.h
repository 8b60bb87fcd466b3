#pragma once
// A file held open by "another program", as an editor, a viewer or a sync client holds one.

#include <windows.h>

#include <filesystem>

#include "runtime/files/owned_handle.h"

namespace testing_support {

struct CloseFileHandle {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
using HeldFile = runtime::OwnedHandle<HANDLE, CloseFileHandle>;

// `file` opened for `access`, sharing with others what `sharing` says (0: nothing), and made
// first only when `disposition` says so. Empty when it cannot be opened; GetLastError says why.
HeldFile HoldOpen(const std::filesystem::path& file, DWORD sharing = 0,
                  DWORD access = GENERIC_READ | GENERIC_WRITE, DWORD disposition = OPEN_EXISTING);

}  // namespace testing_support

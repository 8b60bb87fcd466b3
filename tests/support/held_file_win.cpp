#include "support/held_file_win.h"

namespace testing_support {

HeldFile HoldOpen(const std::filesystem::path& file, DWORD sharing, DWORD access,
                  DWORD disposition) {
    HANDLE h = CreateFileW(file.c_str(), access, sharing, nullptr, disposition,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    return HeldFile(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

}  // namespace testing_support

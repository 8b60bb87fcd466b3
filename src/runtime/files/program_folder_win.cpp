#include <windows.h>

#include "runtime/files/program_folder.h"

namespace runtime {

std::filesystem::path ExecutableFolder() {
    // A path that does not fit comes back cut, and a cut path names another folder: the
    // buffer grows until the whole path fits.
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(full.size());
        const DWORD length = GetModuleFileNameW(nullptr, full.data(), size);
        if (length == 0) return {};
        if (length < size) {
            full.resize(length);
            break;
        }
        if (full.size() >= 32768) return {};
        full.resize(full.size() * 2);
    }
    const std::size_t cut = full.find_last_of(L'\\');
    if (cut == std::wstring::npos) return {};
    return full.substr(0, cut + 1);
}

}  // namespace runtime

#include <windows.h>

#include "runtime/files/platform_text.h"
#include "runtime/files/program_folder.h"

namespace runtime {

std::string ExecutableFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0) return {};
    // A longer path comes back cut (and unterminated on older systems): take what fits.
    std::wstring full(path, length < MAX_PATH ? length : MAX_PATH);
    const std::size_t cut = full.find_last_of(L'\\');
    if (cut == std::wstring::npos) return {};
    return AnsiFromWide(full.substr(0, cut + 1));
}

}  // namespace runtime

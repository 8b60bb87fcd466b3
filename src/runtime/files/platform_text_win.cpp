#include "runtime/files/platform_text.h"

#include <windows.h>

namespace runtime {

namespace {
constexpr UINT kWindows1252 = 1252;
}

// No flags: MB_PRECOMPOSED is refused by some code pages (UTF-8 among them), and 1252 has
// nothing to compose anyway.
std::wstring WideFromText(const std::string& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(kWindows1252, 0, text.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kWindows1252, 0, text.data(), size, wide.data(), length);
    return wide;
}

// Best fit, so that digits and signs from other scripts and input methods read as numbers.
std::string TextFromWide(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(kWindows1252, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string single(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kWindows1252, 0, text.data(), size, single.data(), length, nullptr,
                        nullptr);
    return single;
}

}  // namespace runtime

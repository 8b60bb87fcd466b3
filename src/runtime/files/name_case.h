#pragma once
// Windows takes names (of files, profile sections and keys) in either case. Only ASCII letters
// are folded: the names the program compares are its own, and differ, if at all, in those.

#include <algorithm>

namespace runtime {

template <typename Char>
constexpr Char LowerAscii(Char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<Char>(c - 'A' + 'a') : c;
}

template <typename Text>
bool SameIgnoringCase(const Text& a, const Text& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](auto x, auto y) { return LowerAscii(x) == LowerAscii(y); });
}

}  // namespace runtime

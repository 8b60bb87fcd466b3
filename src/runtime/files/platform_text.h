#pragma once
// The program's texts are single-byte Windows-1252 strings; the platform speaks UTF-16.
// They are converted here, at the boundary, with the system's ANSI code page.

#include <string>

namespace runtime {

std::wstring WideFromAnsi(const std::string& text);
std::string AnsiFromWide(const std::wstring& text);

}  // namespace runtime

#pragma once
// The program's texts are single-byte Windows-1252 strings; the platform speaks UTF-16. They
// are converted here, at the boundary, as code page 1252 whatever the system's code page, so
// "º" is "º" on every Windows. A character 1252 lacks becomes "?", never a look-alike.

#include <string>

namespace runtime {

std::wstring WideFromText(const std::string& text);
std::string TextFromWide(const std::wstring& text);

}  // namespace runtime

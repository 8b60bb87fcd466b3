#pragma once
// The program's texts are single-byte Windows-1252 strings; the platform speaks UTF-16. They
// are converted here, at the boundary, as code page 1252 whatever the system's code page, so
// "º" is "º" on every Windows. Read back, a character 1252 lacks becomes the platform's best
// fit ("２５０" reads "250", "−40" "-40") or "?": these are texts typed or shown, never the
// names of files, which reach the platform as UTF-16 and never pass through here.

#include <string>

namespace runtime {

std::wstring WideFromText(const std::string& text);
std::string TextFromWide(const std::wstring& text);

}  // namespace runtime

#pragma once
// Message boxes: a text, a title and the platform's MB_ style; the button chosen comes back.

#include <windows.h>

#include <string>

namespace runtime {

int MessagePrompt(const std::string& text, UINT style, const std::string& title);

}  // namespace runtime

#include "runtime/dialogs/message_prompt_win.h"

#include "runtime/files/platform_text.h"

namespace runtime {

int MessagePrompt(const std::string& text, UINT style, const std::string& title) {
    Sleep(5);
    return MessageBoxW(nullptr, WideFromText(text).c_str(), WideFromText(title).c_str(), style);
}

}  // namespace runtime

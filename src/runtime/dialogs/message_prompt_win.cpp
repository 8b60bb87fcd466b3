#include "runtime/dialogs/message_prompt_win.h"

#include "runtime/files/platform_text.h"

namespace runtime {

int MessagePrompt(const std::string& text, UINT style, const std::string& title) {
    // The program has always paused here: the press that asked is let go before the box takes
    // over the thread's messages.
    Sleep(5);
    return MessageBoxW(nullptr, WideFromText(text).c_str(), WideFromText(title).c_str(), style);
}

}  // namespace runtime

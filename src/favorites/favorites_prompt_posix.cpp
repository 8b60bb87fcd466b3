// Without a windowing system the messages go to the standard error stream, and every
// question is answered No, so nothing is deleted or written on a guess.
#include <cstdio>

#include "favorites/favorites_store.h"

namespace favorites {

int PlatformPrompt(const std::string& text, int style, const std::string& title) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    return style == kPromptYesNo ? kAnswerNo : kAnswerOk;
}

}  // namespace favorites

// The favourite colours speak to the user through the program's message boxes.
#include "favorites/favorites_store.h"
#include "runtime/dialogs/dialog_services_win.h"

namespace favorites {

int PlatformPrompt(const std::string& text, int style, const std::string& title) {
    return runtime::MessagePrompt(text, static_cast<UINT>(style), title);
}

}  // namespace favorites

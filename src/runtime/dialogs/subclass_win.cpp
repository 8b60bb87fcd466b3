#include "runtime/dialogs/subclass_win.h"

#include <unordered_map>
#include <vector>

namespace runtime {

namespace {

struct Link {
    SubclassProcedure procedure = nullptr;  // null once removed while the chain was running
    std::unique_ptr<SubclassState> state;
};

// The subclasses of one window, earliest first, and the procedure they stand in front of.
struct Chain {
    WNDPROC original = nullptr;
    std::vector<Link> links;
    std::size_t below = 0;  // while a link runs: how many links lie under it
    int running = 0;        // messages of this window under way, nested ones included
    bool removals = false;  // links were removed while it ran
    bool destroyed = false;
};

// Owned here only; a chain is freed when no call of it is under way any more.
std::unordered_map<HWND, std::unique_ptr<Chain>> chains;

LRESULT CALLBACK ChainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Links removed while the chain ran go now; a chain with none left, or whose window is
// gone, gives the window its own procedure back and goes too.
void Tidy(HWND window) {
    const auto it = chains.find(window);
    Chain& chain = *it->second;
    std::erase_if(chain.links, [](const Link& link) { return link.procedure == nullptr; });
    chain.removals = false;
    if (!chain.links.empty() && !chain.destroyed) return;
    // A procedure put over ours by other means still calls ours: then the chain stays, empty.
    const bool ours =
        GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(ChainProcedure);
    if (!ours && !chain.destroyed) return;
    if (ours) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain.original));
    chains.erase(it);
}

// The message to the link `level` from the bottom, skipping removed ones; level 0 is the
// window's own procedure.
LRESULT Pass(HWND window, Chain& chain, std::size_t level, UINT message, WPARAM wParam,
             LPARAM lParam) {
    while (level > 0 && chain.links[level - 1].procedure == nullptr) --level;
    if (level == 0) return CallWindowProcW(chain.original, window, message, wParam, lParam);
    // Copies: a procedure may install more links, which can move the vector.
    const SubclassProcedure procedure = chain.links[level - 1].procedure;
    SubclassState* const state = chain.links[level - 1].state.get();
    const std::size_t outer = chain.below;
    chain.below = level - 1;
    const LRESULT result = procedure(window, message, wParam, lParam, state);
    chain.below = outer;
    return result;
}

LRESULT CALLBACK ChainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto it = chains.find(window);
    if (it == chains.end()) return DefWindowProcW(window, message, wParam, lParam);
    Chain& chain = *it->second;
    ++chain.running;
    const LRESULT result = Pass(window, chain, chain.links.size(), message, wParam, lParam);
    --chain.running;
    if (message == WM_NCDESTROY) chain.destroyed = true;
    if (chain.running == 0 && (chain.removals || chain.destroyed)) Tidy(window);
    return result;
}

}  // namespace

bool InstallSubclass(HWND window, SubclassProcedure procedure,
                     std::unique_ptr<SubclassState> state) {
    if (!procedure || !IsWindow(window)) return false;
    auto it = chains.find(window);
    if (it == chains.end()) {
        auto chain = std::make_unique<Chain>();
        chain->original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChainProcedure)));
        if (!chain->original) return false;  // another process's window, for one
        it = chains.emplace(window, std::move(chain)).first;
    }
    it->second->links.push_back({procedure, std::move(state)});
    return true;
}

void RemoveSubclass(HWND window, SubclassProcedure procedure) {
    const auto it = chains.find(window);
    if (it == chains.end()) return;
    Chain& chain = *it->second;
    for (auto link = chain.links.rbegin(); link != chain.links.rend(); ++link) {
        if (link->procedure == procedure) {
            link->procedure = nullptr;
            chain.removals = true;
            break;
        }
    }
    if (chain.running == 0 && chain.removals) Tidy(window);
}

LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto it = chains.find(window);
    if (it == chains.end()) return DefWindowProcW(window, message, wParam, lParam);
    return Pass(window, *it->second, it->second->below, message, wParam, lParam);
}

}  // namespace runtime

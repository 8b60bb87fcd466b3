// Subclasses on a real window: the order procedures see a message in, what passes it on and
// what stops it, and the state that goes with the window.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "runtime/dialogs/subclass_win.h"

namespace {

using namespace runtime;

constexpr UINT kProbe = WM_APP + 7;
std::string path;  // who saw kProbe, in order

LRESULT CALLBACK OwnProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kProbe) return DefWindowProcW(window, message, wParam, lParam);
    path += "own";
    return 7;
}

LRESULT First(HWND window, UINT message, WPARAM wParam, LPARAM lParam, SubclassState*) {
    if (message == kProbe) path += "first>";
    return CallPrevious(window, message, wParam, lParam);
}

LRESULT Second(HWND window, UINT message, WPARAM wParam, LPARAM lParam, SubclassState*) {
    if (message != kProbe) return CallPrevious(window, message, wParam, lParam);
    path += "second>";
    if (wParam == 1) return 9;  // answered here: nothing under it sees the message
    return CallPrevious(window, message, wParam, lParam) + 1;
}

class Subclass : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSW type{};
        type.lpfnWndProc = OwnProcedure;
        type.hInstance = GetModuleHandleW(nullptr);
        type.lpszClassName = L"PoligonosSubclassTest";
        RegisterClassW(&type);  // fails harmlessly when an earlier test registered it
        NewWindow();
    }
    void NewWindow() {
        window_ = CreateWindowExW(0, L"PoligonosSubclassTest", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window_, nullptr) << "error " << GetLastError();
    }
    void TearDown() override {
        if (IsWindow(window_)) DestroyWindow(window_);
    }
    std::string Probe(WPARAM wParam, LRESULT expected) {
        path.clear();
        EXPECT_EQ(SendMessageW(window_, kProbe, wParam, 0), expected) << "wParam " << wParam;
        return path;
    }
    HWND window_ = nullptr;
};

TEST_F(Subclass, TheLatestSeesAMessageFirstAndEachPassesItOnOrAnswersIt) {
    ASSERT_TRUE(InstallSubclass(window_, First));
    ASSERT_TRUE(InstallSubclass(window_, Second));
    EXPECT_EQ(Probe(0, 8), "second>first>own");
    EXPECT_EQ(Probe(1, 9), "second>");
    EXPECT_FALSE(InstallSubclass(nullptr, First));
}

// A state that says when it goes and what its procedure saw before that.
struct Watched final : SubclassState {
    explicit Watched(std::string& log) : log_(log) {}
    ~Watched() override { log_ += "released"; }
    std::string& log_;
};

LRESULT Watching(HWND window, UINT message, WPARAM wParam, LPARAM lParam, SubclassState* state) {
    auto* watched = static_cast<Watched*>(state);
    if (message == WM_NCDESTROY) watched->log_ += "ncdestroy>";
    if (message == kProbe && wParam == 2) {
        DestroyWindow(window);
        watched->log_ += "destroyed its window>";  // its state is still there
        return 0;
    }
    return CallPrevious(window, message, wParam, lParam);
}

TEST_F(Subclass, TheStateGoesWithTheWindowOnceTheProcedureHasReturned) {
    std::string log;
    ASSERT_TRUE(InstallSubclass(window_, Watching, std::make_unique<Watched>(log)));
    DestroyWindow(window_);
    EXPECT_EQ(log, "ncdestroy>released");

    NewWindow();
    log.clear();
    ASSERT_TRUE(InstallSubclass(window_, Watching, std::make_unique<Watched>(log)));
    EXPECT_EQ(Probe(2, 0), "");
    EXPECT_EQ(log, "ncdestroy>destroyed its window>released");
}

}  // namespace

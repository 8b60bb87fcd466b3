#pragma once
// The favourites store in a folder of its own for each test, with the messages it would show
// collected instead, for the store's suites on every platform.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "favorites/favorites_store.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace favorites::test {

struct Message {
    std::string text;
    int style;
    std::string title;
};

class StoreInFolder : public ::testing::Test {
  protected:
    static constexpr int kYes = 6;  // IDYES
    static constexpr int kNo = 7;   // IDNO

    void SetUp() override {
        previous_ = SetFavoritesPrompt(Collect);
        messages.clear();
        answer = kNo;
        FavoritesFolder = folder_.File("");
        FavoritesModified = 0;
    }
    void TearDown() override {
        SetFavoritesPrompt(previous_);
        FavoritesFolder.clear();
    }

    std::filesystem::path File() const { return folder_.Path() / "Mis Colores.log"; }
    std::vector<std::uint8_t> FileBytes() const { return testing_support::FileBytes(File()); }
    int Entries() const { return testing_support::EntryCount(folder_.Path()); }

    // What was shown, and the answer a Yes/No question gets (an OK box gets IDOK).
    static inline std::vector<Message> messages;
    static inline int answer = kNo;

    testing_support::TempFolder folder_;

  private:
    static int Collect(const std::string& text, int style, const std::string& title) {
        messages.push_back({text, style, title});
        return style == kPromptYesNo ? answer : 1;
    }

    PromptFunction previous_ = nullptr;
};

}  // namespace favorites::test

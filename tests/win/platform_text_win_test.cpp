// Texts cross to the platform as Windows-1252 whatever the system's code page: Wine cannot be
// set to UTF-8 as the ANSI code page, so the conversion itself is checked here.
#include <gtest/gtest.h>

#include "runtime/files/platform_text.h"

namespace runtime {
namespace {

TEST(PlatformText, IsWindows1252BothWaysAndReadsDigitsOfOtherScripts) {
    EXPECT_EQ(WideFromText("01\xBA vertice"), L"01\u00BA vertice");
    EXPECT_EQ(TextFromWide(L"01\u00BA vertice"), "01\xBA vertice");
    // Every byte comes back as it went.
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::wstring wide = WideFromText(one);
        ASSERT_EQ(wide.size(), 1u) << b;
        EXPECT_EQ(TextFromWide(wide), one) << b;
    }
    // Typed or pasted, full-width digits and the minus sign read as the number they show;
    // what has no fit at all is "?".
    EXPECT_EQ(TextFromWide(L"\uFF12\uFF15\uFF10 \u2212"
                           L"40"),
              "250 -40");
    EXPECT_EQ(TextFromWide(L"\u4E2D").find_first_not_of('?'), std::string::npos);
}

}  // namespace
}  // namespace runtime

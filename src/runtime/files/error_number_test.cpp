#include "runtime/files/error_number.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace runtime {
namespace {

TEST(ErrorNumber, BelongsToTheInnermostProcedure) {
    ProcedureError outer;
    RecordError(52);
    {
        ProcedureError inner;
        EXPECT_EQ(ErrorNumber(), 0) << "a procedure starts with 0";
        RecordError(70);
        RecordError(76);
        EXPECT_EQ(ErrorNumber(), 76) << "the last failure wins";
    }
    EXPECT_EQ(ErrorNumber(), 52) << "the caller's number is not touched by the callee's";
    EXPECT_EQ(ClearError(), 52);
    EXPECT_EQ(ErrorNumber(), 0);
}

TEST(ErrorNumber, WithoutAProcedureIsDropped) {
    RecordError(5);
    EXPECT_EQ(ErrorNumber(), 0);
    EXPECT_EQ(ClearError(), 0);
}

TEST(ErrorNumberDeathTest, FatalNumbersEndTheProcessWith255) {
#ifdef _WIN32
    GTEST_SKIP() << "death tests re-run the program, which hangs under Wine; checked natively";
#endif
    EXPECT_EXIT(
        {
            ProcedureError e;
            RecordError(241);
        },
        testing::ExitedWithCode(255), "");
}

}  // namespace
}  // namespace runtime

namespace runtime {
namespace {

TEST(ErrorText, TextsOfTheTable) {
    const std::pair<int, const char*> texts[] = {
        {0, "No Error"},
        {5, "Illegal function call"},
        {9, "Subscript/Pointer out of range"},
        {52, "Bad file name or number"},
        {70, "Permission denied"},
        {75, "Path/file access error"},
        {98, "XPrint Preview error"},
        {242, "String space corrupt"},
        {10, ""},
        {255, ""},
        {-1, ""},
        {256, "No Error"},  // above 255 reads as 0
        {100000, "No Error"},
    };
    for (const auto& [number, text] : texts) EXPECT_EQ(ErrorText(number), text) << number;

    int withText = 0;
    for (int n = 0; n <= 255; ++n) withText += !ErrorText(n).empty();
    EXPECT_EQ(withText, 31);
}

TEST(ErrorText, PlatformCodesTranslate) {
    // Each error number with the Win32 codes that give it.
    const std::pair<int, std::vector<std::uint32_t>> rows[] = {
        {5, {87}},
        {7, {8, 14}},
        {51, {11, 12, 13, 22, 24}},
        {53, {2, 18}},
        {57, {6}},
        {61, {39, 112}},
        {62, {38}},
        {67, {4}},
        {68, {15, 20}},
        {70, {5, 19, 32, 33, 36}},
        {71, {21}},
        {72, {23, 25, 26, 27, 28, 29, 30, 31, 34, 35}},
        {74, {17}},
        {76, {3}},
        {241, {7, 9, 10}},
    };
    std::vector<bool> listed(200, false);
    for (const auto& [number, codes] : rows) {
        for (std::uint32_t code : codes) {
            EXPECT_EQ(ErrorFromPlatform(code), number) << "code " << code;
            listed[code] = true;
        }
    }
    for (std::uint32_t code = 0; code < listed.size(); ++code) {
        if (listed[code]) continue;
        EXPECT_EQ(ErrorFromPlatform(code), 75) << "code " << code;
    }
    EXPECT_EQ(ErrorFromPlatform(0xFFFFFFFFu), 75);

    ProcedureError error;
    RecordPlatformError(32);
    EXPECT_EQ(ErrorNumber(), 70) << "a sharing violation";
}

}  // namespace
}  // namespace runtime

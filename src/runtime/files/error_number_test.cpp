#include "runtime/files/error_number.h"

#include <gtest/gtest.h>

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

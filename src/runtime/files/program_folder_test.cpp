#include "runtime/files/program_folder.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

TEST(ProgramFolder, IsKeptToTwoHundredAndFiftyFourCharacters) {
    EXPECT_EQ(KeptProgramFolder(std::string(300, 'a')).size(), 254u);
    EXPECT_EQ(KeptProgramFolder("C:\\p\\"), "C:\\p\\");
}

}  // namespace
}  // namespace runtime

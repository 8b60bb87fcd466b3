// The runner: poligonos_e2e --program=PATH --probe=PATH --crash-fixture=PATH [gtest options].
// Paths may be given as Linux paths; they are reached through Wine's drive Z:.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "program_driver.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    e2e::Binaries binaries;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--program=", 10) == 0) binaries.program = e2e::PathFromArgument(argv[i] + 10);
        if (std::strncmp(argv[i], "--probe=", 8) == 0) binaries.probe = e2e::PathFromArgument(argv[i] + 8);
        if (std::strncmp(argv[i], "--crash-fixture=", 16) == 0) binaries.crashFixture = e2e::PathFromArgument(argv[i] + 16);
    }
    if (binaries.program.empty() || binaries.probe.empty()) {
        std::fprintf(stderr, "usage: poligonos_e2e --program=poligonos.exe --probe=menu_probe.dll\n");
        return 2;
    }
    e2e::SetBinaries(binaries);
    return RUN_ALL_TESTS();
}

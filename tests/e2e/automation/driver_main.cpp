// The end-to-end runner: poligonos_e2e --program=PATH --probe=PATH [--artifacts=DIR]
// [--pending=feature,...] [gtest options]. Paths may be given as Linux paths; they are reached
// through Wine's drive Z:.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "program_driver.h"
#include "test_options.h"


namespace e2e {
TestOptions& Options() {
    static TestOptions options;
    return options;
}
}  // namespace e2e

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    e2e::Binaries binaries;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--program=", 10) == 0) binaries.program = e2e::PathFromArgument(argv[i] + 10);
        if (std::strncmp(argv[i], "--probe=", 8) == 0) binaries.probe = e2e::PathFromArgument(argv[i] + 8);
        if (std::strncmp(argv[i], "--crash-fixture=", 16) == 0) binaries.crashFixture = e2e::PathFromArgument(argv[i] + 16);
        if (std::strncmp(argv[i], "--artifacts=", 12) == 0) e2e::Options().artifacts = e2e::PathFromArgument(argv[i] + 12);
        if (std::strncmp(argv[i], "--pending=", 10) == 0) {
            std::string list = argv[i] + 10;
            for (size_t start = 0; start <= list.size();) {
                const size_t comma = std::min(list.find(',', start), list.size());
                if (comma > start) e2e::Options().pending.insert(list.substr(start, comma - start));
                start = comma + 1;
            }
        }
    }
    if (binaries.program.empty() || binaries.probe.empty()) {
        fprintf(stderr, "usage: poligonos_e2e --program=poligonos.exe --probe=menu_probe.dll\n");
        return 2;
    }
    e2e::SetBinaries(binaries);
    return RUN_ALL_TESTS();
}

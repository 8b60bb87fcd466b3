// The end-to-end runner: poligonos_e2e_tests [gtest flags] poligonos.exe probe.dll
// crash-fixture.exe. Linux paths, as CMake gives them, are reached through Wine's drive Z:.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "program_probe.h"

namespace e2e {
extern fs::path CrashFixturePath;
}

namespace {

e2e::fs::path FromArgument(std::string path) {
    if (!path.empty() && path[0] == '/') {
        for (char& c : path)
            if (c == '/') c = '\\';
        path = "Z:" + path;
    }
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: poligonos_e2e_tests [gtest flags] poligonos.exe menu_probe.dll "
                     "crash_fixture.exe\n");
        return 2;
    }
    e2e::ProgramPath = FromArgument(argv[1]);
    e2e::ProbePath = FromArgument(argv[2]);
    e2e::CrashFixturePath = FromArgument(argv[3]);
    return RUN_ALL_TESTS();
}

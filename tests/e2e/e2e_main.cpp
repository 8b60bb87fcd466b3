// The end-to-end tests take the program to drive as their one argument besides GoogleTest's.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "program_driver.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: poligonos_e2e_tests [gtest flags] path/to/poligonos.exe\n");
        return 2;
    }
    std::string path = argv[1];
    if (!path.empty() && path[0] == '/') {  // a Linux path, as CMake gives it: Wine's Z: drive
        for (char& c : path)
            if (c == '/') c = '\\';
        path = "Z:" + path;
    }
    e2e::ProgramPath = path;
    return RUN_ALL_TESTS();
}

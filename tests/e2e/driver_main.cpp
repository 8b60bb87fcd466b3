// The end-to-end runner: poligonos_e2e --program=PATH --probe=PATH [gtest options]. Paths may
// be given as Linux paths; they are reached through Wine's drive Z:.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "program_driver.h"

namespace {

std::filesystem::path WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string converted = "Z:" + path;
    for (char& c : converted)
        if (c == '/') c = '\\';
    return converted;
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    e2e::Binaries binaries;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--program=", 10) == 0) binaries.program = WindowsPath(argv[i] + 10);
        if (std::strncmp(argv[i], "--probe=", 8) == 0) binaries.probe = WindowsPath(argv[i] + 8);
    }
    if (binaries.program.empty() || binaries.probe.empty()) {
        fprintf(stderr, "usage: poligonos_e2e --program=poligonos.exe --probe=menu_probe.dll\n");
        return 2;
    }
    e2e::SetBinaries(binaries);
    return RUN_ALL_TESTS();
}

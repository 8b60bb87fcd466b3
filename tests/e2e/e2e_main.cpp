// The end-to-end runner: poligonos_e2e_tests [gtest flags] poligonos.exe probe.dll
// crash-fixture.exe.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "program_probe.h"

namespace e2e {
extern fs::path CrashFixturePath;
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: poligonos_e2e_tests [gtest flags] poligonos.exe menu_probe.dll "
                     "crash_fixture.exe\n");
        return 2;
    }
    e2e::ProgramPath = e2e::FromArgument(argv[1]);
    e2e::ProbePath = e2e::FromArgument(argv[2]);
    e2e::CrashFixturePath = e2e::FromArgument(argv[3]);
    // A run that was stopped while a test had raised the screen's DPI leaves it raised in the
    // prefix: every program starts at 96 unless a test says otherwise.
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels");
    // Likewise a display mode a test switched to: the desktop goes back to its own.
    ChangeDisplaySettingsExW(nullptr, nullptr, nullptr, 0, nullptr);
    e2e::WatchDriverSteps();
    return RUN_ALL_TESTS();
}

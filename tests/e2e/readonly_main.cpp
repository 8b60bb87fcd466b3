// Runs the program where it was installed, in a folder it may not write to: it must start,
// draw, and end with 0, its settings store failing silently.
#include <cstdio>
#include <string>

#include "program_driver.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: poligonos_readonly installed\\poligonos.exe work-folder\n");
        return 2;
    }
    e2e::Program p{e2e::fs::path(argv[1]), e2e::fs::path(argv[2])};
    if (!p.Started()) {
        std::printf("read-only folder: the program did not start\n");
        return 1;
    }
    p.ChooseListItem(509, 4);
    p.ChooseListItem(510, 5);
    const auto items = e2e::ListItems(p.Control(509));
    p.Post(1012);
    DWORD code = 99;
    const bool ended = p.WaitForExit(&code);
    std::printf("[ E2E      ] read-only program folder, run as an unprivileged user: %zu side counts listed, ended %s with %lu\n", items.size(),
                ended ? "by itself" : "NOT", code);
    return ended && code == 0 && items.size() == 30 ? 0 : 1;
}

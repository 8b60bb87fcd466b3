#pragma once
// What only the program's own process can see, read through the probe DLL loaded into it:
// whether an old menu still lives (menus are private to their process under Wine), the fonts
// and screen it sees, and its live GDI objects (GetGuiResources gives 0 under Wine). The probe
// changes nothing. Each call throws a Failure when the probe cannot be loaded or run.

#include <cstdint>

#include "automation/program_driver.h"

namespace e2e {

// Where the probe DLL was built; set from the command line by main().
extern fs::path ProbePath;

bool MenuAlive(const Program& p, HMENU menu);
// The height (lfHeight) of the font a window of the program shows its text in; 0 for none.
int FontHeight(const Program& p, HWND window);
// The room the text of a window of the program takes in the font the program shows it in: a
// button's caption, a list's widest item; the height is the font's line.
struct TextRoom {
    int width, height;
};
TextRoom TextRoomIn(const Program& p, HWND window);
// What the program sees of the machine it runs on.
struct MachineView {
    int screenDpi;          // LOGPIXELSY of the screen
    unsigned ansiCodePage;  // GetACP()
};
MachineView SeenByProgram(const Program& p);

// What the program holds. Memory is summed over the committed private regions of its address
// space, since the private-usage counter is another figure Wine leaves at 0.
struct ResourceCounts {
    DWORD gdiObjects = 0;  // live GDI objects, stock objects not counted
    int windows = 0;       // top-level and child windows of the process
    std::uint64_t committedPrivate = 0;
    std::uint64_t workingSet = 0;
    DWORD reportedGdiObjects = 0, reportedUserObjects = 0;  // what GetGuiResources says
};
ResourceCounts Counts(const Program& p);

}  // namespace e2e

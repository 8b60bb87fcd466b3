// How fast the real program follows the pointer under Wine: 2000 moves posted to the canvas
// of the 32-gon, with nothing grabbed and with a vertex dragged, timed until the title shows
// the last one. Prints the median of several runs, each on a fresh copy of the program, and,
// given the build that works in whole frames, its rates from the same runs and the ratios.
//   poligonos_pointer_bench poligonos.exe [poligonos_whole_frames.exe [runs]]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/program_driver.h"
#include "ids/program_ids.h"

namespace {

constexpr int kMoves = 2000;

// Moves per second for `kMoves` posted moves; 0 when the program did not follow.
double PointerRate(const e2e::Program& p, bool grabbed) {
    HWND canvas = p.Control(ids::kCanvasControl);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kMoves; ++i)
        PostMessageW(canvas, WM_MOUSEMOVE, grabbed ? MK_LBUTTON : 0,
                     MAKELPARAM(300 + i % 200, 300 + i % 100));
    // Sent messages overtake posted ones, so the title of the last move tells when all ran.
    const int i = kMoves - 1;
    const std::wstring last = L"X : " + std::to_wstring(300 + i % 200) + L" Y : " +
                              std::to_wstring(300 + i % 100) + L" :: " + (grabbed ? L"32" : L"0");
    if (!e2e::WaitFor([&] { return e2e::Text(p.Main()) == last; }, 120000)) return 0;
    QueryPerformanceCounter(&end);
    return kMoves / (double(end.QuadPart - start.QuadPart) / frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Rates {
    std::vector<double> hover, drag;
};

// One run of the program at `path`: false when it did not start or did not follow.
bool Measure(const char* path, Rates& rates) {
    e2e::ProgramPath = e2e::FromArgument(path);
    e2e::Program p;
    if (!p.Started()) {
        std::fprintf(stderr, "pointer bench: %s did not start\n", path);
        return false;
    }
    p.ChooseListItem(ids::kSideList, 29);  // 32 sides: the most to redraw
    rates.hover.push_back(PointerRate(p, false));
    p.Pointer(WM_LBUTTONDOWN, 316, 375);  // vertex 32
    rates.drag.push_back(PointerRate(p, true));
    if (rates.hover.back() == 0 || rates.drag.back() == 0) {
        std::fprintf(stderr, "pointer bench: %s did not follow the moves\n", path);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: poligonos_pointer_bench poligonos.exe [whole_frames.exe [runs]]\n");
        return 2;
    }
    const bool compared = argc > 2;
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    Rates limited, whole;
    for (int run = 0; run < runs; ++run) {  // the two builds take turns, so they share the noise
        if (!Measure(argv[1], limited)) return 1;
        if (compared && !Measure(argv[2], whole)) return 1;
    }
    std::printf("pointer moves per second under Wine, median of %d runs of %d posted moves:\n",
                runs, kMoves);
    std::printf("                           %12s%s\n", "program",
                compared ? "  whole frames     ratio" : "");
    auto line = [&](const char* name, const std::vector<double>& ours,
                    const std::vector<double>& theirs) {
        std::printf("  %-24s %12.0f", name, Median(ours));
        if (compared) std::printf("  %12.0f  %8.2f", Median(theirs), Median(ours) / Median(theirs));
        std::printf("\n");
    };
    line("hover (nothing grabbed)", limited.hover, whole.hover);
    line("drag (vertex 32 of 32)", limited.drag, whole.drag);
    return 0;
}

// How fast the real program follows the pointer under Wine: 2000 moves posted to the canvas
// of the 32-gon, with nothing grabbed and with a vertex dragged, timed until the title shows
// the last one. Prints the median of several runs, each on a fresh copy of the program.
//   poligonos_pointer_bench poligonos.exe [runs]
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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: poligonos_pointer_bench poligonos.exe [runs]\n");
        return 2;
    }
    e2e::ProgramPath = e2e::FromArgument(argv[1]);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::vector<double> hover, drag;
    for (int run = 0; run < runs; ++run) {
        e2e::Program p;
        if (!p.Started()) {
            std::fprintf(stderr, "pointer bench: the program did not start\n");
            return 1;
        }
        p.ChooseListItem(ids::kSideList, 29);  // 32 sides: the most to redraw
        hover.push_back(PointerRate(p, false));
        p.Pointer(WM_LBUTTONDOWN, 316, 375);  // vertex 32
        drag.push_back(PointerRate(p, true));
        if (hover.back() == 0 || drag.back() == 0) {
            std::fprintf(stderr, "pointer bench: the program did not follow the moves\n");
            return 1;
        }
    }
    std::printf("pointer moves per second under Wine, median of %d runs of %d posted moves:\n",
                runs, kMoves);
    std::printf("  hover (nothing grabbed)  %8.0f\n", Median(hover));
    std::printf("  drag (vertex 32 of 32)   %8.0f\n", Median(drag));
    return 0;
}

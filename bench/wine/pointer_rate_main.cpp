// How fast the real program follows the pointer under Wine: batches of 2000 moves posted to
// the canvas of the 32-gon, with nothing grabbed and with a vertex dragged, each timed until
// the program has handled a message posted behind it. Beside it, in alternating rounds, each
// on a fresh copy: the build that works in whole frames, and the two floors
// (pointer_floor_main.cpp), windows like the program's that only set the title, and also copy
// a 40 x 40 area. Prints the medians and the program's rate over each of the others: first
// on the screen as it is (zoom 1), then on a 3840 x 2160 screen at 200 % (zoom 2, the whole
// frames left out), where each move is posted at twice its picture position.
//   poligonos_pointer_bench poligonos.exe whole_frames.exe floor_title.exe floor_copy.exe [rounds]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "automation/failure.h"
#include "automation/program_driver.h"
#include "automation/screen_settings.h"
#include "ids/program_ids.h"

namespace {

constexpr int kMoves = 2000;

// What the floors must share with the program's main window for the comparison to hold.
struct Geometry {
    LONG style = 0, extendedStyle = 0;
    SIZE outer{}, client{};
    RECT canvas{};  // in the window's client coordinates
    bool operator==(const Geometry& o) const {
        return style == o.style && extendedStyle == o.extendedStyle && outer.cx == o.outer.cx &&
               outer.cy == o.outer.cy && client.cx == o.client.cx && client.cy == o.client.cy &&
               EqualRect(&canvas, &o.canvas);
    }
};

Geometry GeometryOf(const e2e::Program& p) {
    Geometry g;
    g.style = GetWindowLongW(p.Main(), GWL_STYLE);
    g.extendedStyle = GetWindowLongW(p.Main(), GWL_EXSTYLE);
    RECT r{};
    GetWindowRect(p.Main(), &r);
    g.outer = {r.right - r.left, r.bottom - r.top};
    GetClientRect(p.Main(), &r);
    g.client = {r.right, r.bottom};
    GetWindowRect(p.Control(ids::kCanvasControl), &g.canvas);
    MapWindowPoints(nullptr, p.Main(), reinterpret_cast<POINT*>(&g.canvas), 2);
    return g;
}

std::string Describe(const Geometry& g) {
    char text[160];
    std::snprintf(text, sizeof text,
                  "style 0x%08lX/0x%08lX, window %ldx%ld, client %ldx%ld, canvas %ld,%ld-%ld,%ld",
                  static_cast<unsigned long>(g.style), static_cast<unsigned long>(g.extendedStyle),
                  g.outer.cx, g.outer.cy, g.client.cx, g.client.cy, g.canvas.left, g.canvas.top,
                  g.canvas.right, g.canvas.bottom);
    return text;
}

// Moves per second for `kMoves` posted moves, timed until a message posted behind them has
// been handled; 0 when the program did not get there or does not show the last move's title.
double PointerRate(const e2e::Program& p, bool grabbed, int zoom) {
    HWND canvas = p.Control(ids::kCanvasControl);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kMoves; ++i)
        PostMessageW(canvas, WM_MOUSEMOVE, grabbed ? MK_LBUTTON : 0,
                     MAKELPARAM(zoom * (300 + i % 200), zoom * (300 + i % 100)));
    if (!p.WaitForPostedMessages()) return 0;
    QueryPerformanceCounter(&end);
    const int i = kMoves - 1;
    const std::wstring last = L"X : " + std::to_wstring(300 + i % 200) + L" Y : " +
                              std::to_wstring(300 + i % 100) + L" :: " + (grabbed ? L"32" : L"0");
    const std::wstring shown = e2e::Text(p.Main());
    if (shown != last) {
        std::fprintf(stderr, "pointer bench: after the moves the title reads \"%s\", not \"%s\"\n",
                     e2e::Narrow(shown).c_str(), e2e::Narrow(last).c_str());
        return 0;
    }
    return kMoves / (double(end.QuadPart - start.QuadPart) / frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Subject {
    const char* name;
    const char* path;
    std::vector<double> hover, drag;
};

// One round of `s` on a fresh copy; false when it did not start, does not have the program's
// window (`reference`, taken from the first one measured) or did not follow the moves.
bool Measure(Subject& s, Geometry& reference, bool first, int zoom) {
    e2e::ProgramPath = e2e::FromArgument(s.path);
    e2e::Program p;
    if (!p.Started()) {
        std::fprintf(stderr, "pointer bench: %s did not start: %s\n", s.path,
                     p.StartFailure().c_str());
        return false;
    }
    const Geometry g = GeometryOf(p);
    if (first) reference = g;
    if (g.canvas.right - g.canvas.left != 800 * zoom) {
        std::fprintf(stderr, "pointer bench: %s does not show the picture at zoom %d: %s\n", s.path,
                     zoom, Describe(g).c_str());
        return false;
    }
    if (!(g == reference)) {
        std::fprintf(stderr, "pointer bench: the window of %s differs from the program's:\n",
                     s.path);
        std::fprintf(stderr, "  its      %s\n  program  %s\n", Describe(g).c_str(),
                     Describe(reference).c_str());
        return false;
    }
    p.ChooseListItem(ids::kSideList, 29);  // 32 sides: the most to redraw
    s.hover.push_back(PointerRate(p, false, zoom));
    p.Pointer(WM_LBUTTONDOWN, 316 * zoom, 375 * zoom);  // vertex 32
    s.drag.push_back(PointerRate(p, true, zoom));
    if (s.hover.back() == 0 || s.drag.back() == 0) {
        std::fprintf(stderr, "pointer bench: %s did not follow the moves\n", s.path);
        return false;
    }
    return true;
}

// The four subjects in turns, `rounds` times, at `zoom`, and what they gave.
bool Rounds(char** argv, int rounds, int zoom) {
    // Whole frames of the zoomed picture are too slow to follow 2000 moves in a wait's time:
    // at zoom 2 the program stands beside its floors only.
    std::vector<Subject> subjects{{"program", argv[1], {}, {}}};
    if (zoom == 1) subjects.push_back({"whole frames", argv[2], {}, {}});
    subjects.push_back({"floor: title", argv[3], {}, {}});
    subjects.push_back({"floor: +copy", argv[4], {}, {}});
    Geometry reference;
    for (int round = 0; round < rounds; ++round)  // taking turns, they share the noise
        for (Subject& s : subjects)
            if (!Measure(s, reference, round == 0 && &s == &subjects[0], zoom)) return false;

    std::printf(
        "pointer moves per second under Wine at zoom %d, median of %d rounds of %d posted "
        "moves:\n",
        zoom, rounds, kMoves);
    std::printf("  %-24s", "");
    for (const Subject& s : subjects) std::printf("%18s", s.name);
    std::printf("\n");
    auto rates = [&](const char* name, std::vector<double> Subject::*of) {
        std::printf("  %-24s", name);
        for (const Subject& s : subjects) std::printf("%18.0f", Median(s.*of));
        std::printf("\n");
    };
    rates("hover (nothing grabbed)", &Subject::hover);
    rates("drag (vertex 32 of 32)", &Subject::drag);
    // Within a round the subjects ran one after the other, under much the same load: the
    // program's rate over each other's in the same round, median and range over the rounds.
    std::printf("program / each, per round: median (lowest-highest)\n");
    auto ratios = [&](const char* name, std::vector<double> Subject::*of) {
        std::printf("  %-24s%18s", name, "");
        for (std::size_t k = 1; k < subjects.size(); ++k) {
            std::vector<double> r;
            for (int round = 0; round < rounds; ++round)
                r.push_back((subjects[0].*of)[round] / (subjects[k].*of)[round]);
            std::printf("  %4.2f (%4.2f-%4.2f)", Median(r), *std::min_element(r.begin(), r.end()),
                        *std::max_element(r.begin(), r.end()));
        }
        std::printf("\n");
    };
    ratios("hover (nothing grabbed)", &Subject::hover);
    ratios("drag (vertex 32 of 32)", &Subject::drag);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr,
                     "usage: poligonos_pointer_bench poligonos.exe whole_frames.exe "
                     "floor_title.exe floor_copy.exe [rounds]\n");
        return 2;
    }
    const int rounds = argc > 5 ? std::max(1, std::atoi(argv[5])) : 5;
    if (!Rounds(argv, rounds, 1)) return 1;
    try {
        const e2e::ScreenDpi dpi(192);
        const e2e::ScreenMode mode(3840, 2160);
        return Rounds(argv, rounds, 2) ? 0 : 1;
    } catch (const e2e::Failure& failure) {
        std::fprintf(stderr, "pointer bench: %s\n", failure.what());
        return 1;
    }
}

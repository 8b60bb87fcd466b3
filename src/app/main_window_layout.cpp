#include "app/main_window_layout.h"

#include <algorithm>

namespace app {

using runtime::Place;
using runtime::Scaled;
using runtime::Size;

namespace {

// The layout at 96 dpi: the canvas 5 pixels in from the top left, the bottom row 14 below
// it, and 33 under the row, of which the menu bar takes its height.
constexpr int kMargin = 5, kGapAboveRow = 14, kBelowRow = 33;
// Where margins give way on a short screen, they keep this much; the menu bar keeps what it
// takes. A view that scrolls keeps at least this many device pixels.
constexpr int kLeastMargin = 2, kLeastGap = 4, kLeastView = 100;

// The bottom row at 96 dpi, left to right, each with the gap before it.
struct RowControl {
    int gapBefore, width, height;
};
constexpr RowControl kPaint{105, 70, 18}, kMesh{21, 70, 19}, kWidthList{34, 190, 38},
    kSideList{100, 90, 38};

struct Margins {
    int left, top, right, gapAboveRow, belowRow;
};

MainWindowLayout Lay(const MainWindowScreen& s, int zoom, const Margins& m, Size view,
                     bool scrollsX, bool scrollsY) {
    const int dpi = s.screen.dpi;
    MainWindowLayout l;
    l.zoom = zoom;
    l.view = view;
    l.scrollsX = scrollsX;
    l.scrollsY = scrollsY;
    l.canvas = {m.left, m.top, view.width + (scrollsY ? s.scrollBars.width : 0),
                view.height + (scrollsX ? s.scrollBars.height : 0)};

    // The bottom row, each control as large as its scaled size or its text; the gaps scaled
    // too, but narrowed where the row would reach past the canvas.
    const RowControl* row[] = {&kPaint, &kMesh, &kWidthList, &kSideList};
    Place* places[] = {&l.paintButton, &l.meshButton, &l.widthList, &l.sideList};
    const Size least[] = {s.paintButton, s.meshButton, s.widthList, s.sideList};
    int widths = 0, gaps = 0;
    for (int i = 0; i < 4; ++i) {
        *places[i] = {0, l.canvas.Bottom() + m.gapAboveRow,
                      std::max(Scaled(row[i]->width, dpi), least[i].width),
                      std::max(Scaled(row[i]->height, dpi), least[i].height)};
        widths += places[i]->width;
        gaps += Scaled(row[i]->gapBefore, dpi);
    }
    const int room = std::max(0, l.canvas.Right() - widths);
    int x = 0, rowBottom = 0;
    for (int i = 0; i < 4; ++i) {
        const int gap = Scaled(row[i]->gapBefore, dpi);
        x += gaps > room ? gap * room / gaps : gap;
        places[i]->x = x;
        x += places[i]->width;
        rowBottom = std::max(rowBottom, places[i]->Bottom());
    }
    l.client = {std::max(l.canvas.Right() + m.right, l.sideList.Right() + Scaled(kMargin, dpi)),
                rowBottom + m.belowRow};
    return l;
}

// How many pixels the window is wider and taller than the work area (negative: to spare).
Size Excess(const MainWindowScreen& s, const MainWindowLayout& l) {
    return {l.client.width + s.screen.frame.width - s.screen.workArea.width,
            l.client.height + s.screen.frame.height - s.screen.workArea.height};
}

}  // namespace

MainWindowLayout PlanMainWindow(const MainWindowScreen& s) {
    const int dpi = s.screen.dpi;
    const int menu = s.menuBarHeight;
    const Margins full{Scaled(kMargin, dpi), Scaled(kMargin, dpi), Scaled(kMargin, dpi),
                       Scaled(kGapAboveRow, dpi),
                       std::max(Scaled(kBelowRow, dpi), menu + Scaled(kMargin, dpi))};
    const int leastMargin = Scaled(kLeastMargin, dpi);
    Margins m = full;
    // The largest zoom at which the whole picture fits, the margins given way if need be.
    for (int zoom = runtime::MostZoom(dpi); zoom >= 1; --zoom) {
        const Size picture{kPictureSize * zoom, kPictureSize * zoom};
        m = full;
        const Size excess = Excess(s, Lay(s, zoom, m, picture, false, false));
        const int overW =
            runtime::Squeeze(excess.width, {{&m.right, leastMargin}, {&m.left, leastMargin}});
        const int overH = runtime::Squeeze(excess.height, {{&m.top, leastMargin},
                                                           {&m.gapAboveRow, Scaled(kLeastGap, dpi)},
                                                           {&m.belowRow, menu + leastMargin}});
        if (overW <= 0 && overH <= 0) return Lay(s, zoom, m, picture, false, false);
    }
    // Not even at zoom 1: the canvas shows what fits and scrolls. A bar on one side may call
    // for the other, so the view is cut again until the window fits.
    Size view{kPictureSize, kPictureSize};
    bool scrollsX = false, scrollsY = false;
    for (int pass = 0; pass < 3; ++pass) {
        const Size excess = Excess(s, Lay(s, 1, m, view, scrollsX, scrollsY));
        if (excess.height > 0) {
            scrollsY = true;
            view.height = std::max(kLeastView, view.height - excess.height);
        }
        if (excess.width > 0) {
            scrollsX = true;
            view.width = std::max(kLeastView, view.width - excess.width);
        }
    }
    return Lay(s, 1, m, view, scrollsX, scrollsY);
}

}  // namespace app

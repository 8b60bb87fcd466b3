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

Place RowPlace(const RowControl& c, int after, int top, Size least, int dpi) {
    return {after + Scaled(c.gapBefore, dpi), top, std::max(Scaled(c.width, dpi), least.width),
            std::max(Scaled(c.height, dpi), least.height)};
}

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
    const int rowTop = l.canvas.Bottom() + m.gapAboveRow;
    l.paintButton = RowPlace(kPaint, 0, rowTop, s.paintButton, dpi);
    l.meshButton = RowPlace(kMesh, l.paintButton.Right(), rowTop, s.meshButton, dpi);
    l.widthList = RowPlace(kWidthList, l.meshButton.Right(), rowTop, s.widthList, dpi);
    l.sideList = RowPlace(kSideList, l.widthList.Right(), rowTop, s.sideList, dpi);
    int rowBottom = 0;
    for (const Place* p : {&l.paintButton, &l.meshButton, &l.widthList, &l.sideList})
        rowBottom = std::max(rowBottom, p->Bottom());
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

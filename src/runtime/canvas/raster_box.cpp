#include "runtime/canvas/raster_box.h"

#include <algorithm>
#include <vector>

#include "runtime/canvas/raster_lines.h"
#include "runtime/canvas/wide_pen.h"

namespace runtime {

namespace {

constexpr int kMaxCornerSize = 1 << 14;

void DrawSquareBox(const Raster& r, PixelRect box, const BoxStyle& style) {
    if (!style.border) {
        if (style.fill) FillRect(r, {box.left, box.top, box.right - 1, box.bottom - 1}, *style.fill);
        return;
    }
    if (style.fill)
        FillRect(r, {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, *style.fill);
    const PixelPoint path[4] = {{box.right - 1, box.top},
                                {box.left, box.top},
                                {box.left, box.bottom - 1},
                                {box.right - 1, box.bottom - 1}};
    if (style.penWidth > 1)
        DrawWideOutline(r, path, 4, style.penWidth, *style.border);
    else
        DrawClosedOutline(r, path, 4, *style.border);
}

// Rounded corners with a one-pixel pen: every row of the box runs from L(y) to R(y), where
// the corner rows take their ends from the quarter of the corner ellipse; the outline is the
// arcs (each row's run reaching towards the next row outwards) joined by straight sides.
void DrawRoundedBox(const Raster& r, PixelRect box, int ew, int eh, const BoxStyle& style) {
    std::vector<int> arcLeft(eh, ew);
    ForEachEllipseSpan(0, 0, ew, eh, [&](int y, int x0, int) {
        if (y >= 0 && y < eh) arcLeft[y] = std::min(arcLeft[y], x0);
    });
    const int height = box.bottom - box.top;
    const int corner = (eh + 1) / 2;
    // Offset of the row's ends from the box's sides; -1 above and below the box.
    auto inset = [&](int row) {
        if (row < 0 || row >= height) return -1;
        if (row < corner) return arcLeft[row];
        if (height - 1 - row < corner) return arcLeft[eh - height + row];
        return 0;
    };
    const int last = box.right - 1;
    const int firstRow = std::max(0, -box.top), endRow = std::min(height, r.height - box.top);
    for (int row = firstRow; row < endRow; ++row) {
        const int y = box.top + row;
        const int in = inset(row);
        if (style.fill) FillSpan(r, y, box.left + in, last - in + 1, *style.fill);
        if (!style.border) continue;
        const int towardsEdge = row < height / 2 ? inset(row - 1) : inset(row + 1);
        if (towardsEdge < 0) {  // the top and bottom rows are outline from end to end
            FillSpan(r, y, box.left + in, last - in + 1, *style.border);
            continue;
        }
        const int runEnd = std::max(in, towardsEdge - 1);
        FillSpan(r, y, box.left + in, box.left + runEnd + 1, *style.border);
        FillSpan(r, y, last - runEnd, last - in + 1, *style.border);
    }
}

}  // namespace

void DrawBoxPixels(const Raster& r, PixelRect box, const BoxStyle& style) {
    if (box.Empty()) return;
    const int ew = std::min(style.cornerWidth, box.right - box.left);
    const int eh = std::min(style.cornerHeight, box.bottom - box.top);
    // Rounded corners are drawn for one-pixel outlines only; corners too large to be seen
    // as corners on any screen are drawn square rather than traced pixel by pixel.
    if (ew <= 2 || eh <= 2 || ew > kMaxCornerSize || eh > kMaxCornerSize || style.penWidth > 1 ||
        !style.border) {
        DrawSquareBox(r, box, style);
        return;
    }
    DrawRoundedBox(r, box, ew, eh, style);
}

}  // namespace runtime

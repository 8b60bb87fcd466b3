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
        if (style.fill)
            FillRect(r, {box.left, box.top, box.right - 1, box.bottom - 1}, *style.fill);
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
    using i64 = std::int64_t;  // a box may span the whole int range
    std::vector<int> arcLeft(eh, ew);
    ForEachEllipseSpan(0, 0, ew, eh, [&](int y, int x0, int) {
        if (y >= 0 && y < eh) arcLeft[y] = std::min(arcLeft[y], x0);
    });
    const i64 height = i64{box.bottom} - box.top;
    const i64 corner = (eh + 1) / 2;
    // Offset of the row's ends from the box's sides; -1 above and below the box.
    auto inset = [&](i64 row) -> i64 {
        if (row < 0 || row >= height) return -1;
        if (row < corner) return arcLeft[row];
        if (height - 1 - row < corner) return arcLeft[eh - height + row];
        return 0;
    };
    const i64 left = box.left, last = i64{box.right} - 1;
    const PixelRect bounds = r.Bounds();
    const i64 firstRow = std::max<i64>(0, i64{bounds.top} - box.top);
    const i64 endRow = std::min<i64>(height, i64{bounds.bottom} - box.top);
    for (i64 row = firstRow; row < endRow; ++row) {
        const i64 y = box.top + row;
        const i64 in = inset(row);
        if (style.fill) FillSpan(r, y, left + in, last - in + 1, *style.fill);
        if (!style.border) continue;
        const i64 towardsEdge = row < height / 2 ? inset(row - 1) : inset(row + 1);
        if (towardsEdge < 0) {  // the top and bottom rows are outline from end to end
            FillSpan(r, y, left + in, last - in + 1, *style.border);
            continue;
        }
        const i64 runEnd = std::max(in, towardsEdge - 1);
        FillSpan(r, y, left + in, left + runEnd + 1, *style.border);
        FillSpan(r, y, last - runEnd, last - in + 1, *style.border);
    }
}

}  // namespace

void DrawBoxPixels(const Raster& r, PixelRect box, const BoxStyle& style) {
    if (box.Empty()) return;
    const std::int64_t ew =
        std::min<std::int64_t>(style.cornerWidth, std::int64_t{box.right} - box.left);
    const std::int64_t eh =
        std::min<std::int64_t>(style.cornerHeight, std::int64_t{box.bottom} - box.top);
    // Rounded corners are drawn for one-pixel outlines only. Corners above kMaxCornerSize are
    // drawn square: the trace costs the corner's size, not the visible part, and its products
    // outgrow 64 bits past 2^15. Only a box far larger than the screen has such corners.
    if (ew <= 2 || eh <= 2 || ew > kMaxCornerSize || eh > kMaxCornerSize || style.penWidth > 1 ||
        !style.border) {
        DrawSquareBox(r, box, style);
        return;
    }
    DrawRoundedBox(r, box, static_cast<int>(ew), static_cast<int>(eh), style);
}

}  // namespace runtime

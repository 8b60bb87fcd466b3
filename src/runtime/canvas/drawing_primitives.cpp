// The primitives that draw on the current target: clear, box, polygon, and reading a pixel.
#include <algorithm>
#include <array>
#include <optional>

#include "runtime/canvas/drawing_targets.h"
#include "runtime/canvas/raster_box.h"
#include "runtime/canvas/raster_fill.h"
#include "runtime/canvas/raster_lines.h"
#include "runtime/canvas/target_state.h"
#include "runtime/canvas/wide_pen.h"

namespace runtime {

using namespace targets;

namespace {

COLORREF ResolveBorder(const DrawingTarget& t, COLORREF border) {
    return border == DefaultColor ? t.foreColor : border;
}

// A fill of DefaultColor takes the (resolved) border colour; NoColor means no fill.
std::optional<Pixel> ResolveFill(COLORREF fill, COLORREF resolvedBorder) {
    if (fill == DefaultColor) fill = resolvedBorder;
    if (fill == NoColor) return std::nullopt;
    return PixelFromColor(PlainColor(fill));
}

std::optional<Pixel> BorderPixel(COLORREF resolvedBorder) {
    if (resolvedBorder == NoColor) return std::nullopt;
    return PixelFromColor(PlainColor(resolvedBorder));
}

}  // namespace

void ClearTarget(COLORREF color, int /*fillStyle: only solid is used*/) {
    CurrentTarget t;
    if (!t) return;
    if (color == DefaultColor) color = t->backColor;
    const Raster r = t->Drawable();
    if (color != NoColor) FillRect(r, r.Bounds(), PixelFromColor(PlainColor(color)));
    t->text.x = t->text.y = 0;  // text starts again at the top left
    MarkChanged(*t, r.Bounds());
}

void DrawBox(float x1, float y1, float x2, float y2, int roundness, COLORREF borderColor,
             COLORREF fillColor, int /*fillStyle*/) {
    CurrentTarget t;
    if (!t) return;
    int left = PixelCoordinate(x1), top = PixelCoordinate(y1);
    int right = PixelCoordinate(x2), bottom = PixelCoordinate(y2);
    const COLORREF border = ResolveBorder(*t, borderColor);
    roundness = std::clamp(roundness, 0, 100);
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    const std::int64_t corner =
        std::min(std::int64_t{right} - left, std::int64_t{bottom} - top) * roundness / 100;

    BoxStyle style;
    style.penWidth = t->penWidth;
    style.border = BorderPixel(border);
    style.fill = ResolveFill(fillColor, border);
    style.cornerWidth = style.cornerHeight = corner;
    const Raster r = t->Drawable();
    DrawBoxPixels(r, {left, top, right, bottom}, style);

    const int grow = std::clamp(t->penWidth, 0, kMaxPenWidth) / 2 + 1;
    MarkChanged(*t, Clip(FarRect{std::int64_t{left} - grow, std::int64_t{top} - grow,
                                 std::int64_t{right} + grow, std::int64_t{bottom} + grow},
                         r.Bounds()));
}

void DrawPolygon(const PointList& list, COLORREF borderColor, COLORREF fillColor, int /*fillStyle*/,
                 int fillMode) {
    CurrentTarget t;
    if (!t) return;
    const int n = list.count;
    if (n < 2 || n > kMaxPolygonPointCount || static_cast<std::size_t>(n) > list.points.size())
        return;
    std::array<PixelPoint, kMaxPolygonPointCount> points;
    for (int i = 0; i < n; ++i)
        points[i] = {PixelCoordinate(list.points[i].x), PixelCoordinate(list.points[i].y)};
    const COLORREF border = ResolveBorder(*t, borderColor);
    const Raster r = t->Drawable();
    if (auto fill = ResolveFill(fillColor, border))
        FillPolygon(r, points.data(), n, fillMode == 0 ? FillRule::Winding : FillRule::Alternate,
                    *fill);
    if (auto pen = BorderPixel(border)) {
        if (t->penWidth > 1)
            DrawWideOutline(r, points.data(), n, t->penWidth, *pen);
        else
            DrawClosedOutline(r, points.data(), n, *pen);
    }
    MarkChanged(*t, r.Bounds());
}

COLORREF ReadPixel(float x, float y) {
    CurrentTarget t;
    if (!t) return NoPixel;
    const int px = PixelCoordinate(x), py = PixelCoordinate(y);
    if (!t->Pixels().Contains(px, py)) return NoPixel;
    return ColorFromPixel(t->Pixels().At(px, py));
}

}  // namespace runtime

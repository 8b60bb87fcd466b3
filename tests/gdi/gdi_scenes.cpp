#include "gdi_scenes.h"

#include <windows.h>

#include <cmath>

#include "runtime/canvas/gdi_objects_win.h"

namespace gdi_test {

using namespace runtime;

Op Box(float x1, float y1, float x2, float y2, int roundness, int pen, COLORREF border,
       COLORREF fill) {
    Op op;
    op.penWidth = pen;
    op.border = border;
    op.fill = fill;
    op.box = {x1, y1, x2, y2, roundness};
    return op;
}

Op Polygon(std::vector<PointF> points, int pen, COLORREF border, COLORREF fill, int mode) {
    Op op;
    op.isBox = false;
    op.penWidth = pen;
    op.border = border;
    op.fill = fill;
    op.polygon = {std::move(points), mode};
    return op;
}

namespace {

int Round(float v) {
    return static_cast<int>(std::nearbyint(v));
}

// GDI's own calls for one operation, as a Windows program would make them.
void DrawOpWithGdi(HDC dc, const Op& op) {
    Pen pen(CreatePen(PS_SOLID, op.penWidth, static_cast<COLORREF>(op.border)));
    Brush brush(op.fill == NoColor ? nullptr : CreateSolidBrush(static_cast<COLORREF>(op.fill)));
    Selection usePen(dc, pen.Get());
    Selection useBrush(dc, brush ? static_cast<HGDIOBJ>(brush.Get()) : GetStockObject(NULL_BRUSH));
    if (op.isBox) {
        int l = Round(op.box.x1), t = Round(op.box.y1), r = Round(op.box.x2), b = Round(op.box.y2);
        if (l > r) std::swap(l, r);
        if (t > b) std::swap(t, b);
        // DrawBox takes roundness above 100 as 100.
        const auto corner = static_cast<int>(std::min(std::int64_t{r} - l, std::int64_t{b} - t) *
                                             std::min(op.box.roundness, 100) / 100);
        if (corner > 0)
            RoundRect(dc, l, t, r, b, corner, corner);
        else
            Rectangle(dc, l, t, r, b);
        return;
    }
    std::vector<POINT> pts;
    for (const PointF& p : op.polygon.points) pts.push_back({Round(p.x), Round(p.y)});
    SetPolyFillMode(dc, op.polygon.fillMode == 0 ? WINDING : ALTERNATE);
    Polygon(dc, pts.data(), static_cast<int>(pts.size()));
}

}  // namespace

Pixels DrawWithGdi(const Scene& scene) {
    const BITMAPINFO info = TopDownDibInfo(scene.width, scene.height);
    void* bits = nullptr;
    Bitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDc dc;
    if (!dib || !dc) return {};
    Selection useDib(dc.Get(), dib.Get());
    {
        Brush paper(CreateSolidBrush(static_cast<COLORREF>(scene.paper)));
        RECT all{0, 0, scene.width, scene.height};
        FillRect(dc.Get(), &all, paper.Get());
    }
    for (const Op& op : scene.ops) DrawOpWithGdi(dc.Get(), op);
    GdiFlush();
    const auto* p = static_cast<const std::uint32_t*>(bits);
    Pixels out(p, p + static_cast<std::size_t>(scene.width) * scene.height);
    for (auto& px : out) px &= 0x00FFFFFF;
    return out;
}

Pixels CurrentTargetPixels() {
    Pixels out;
    WithCurrentRaster([&](const Raster& r, void*) {
        out.assign(r.pixels, r.pixels + static_cast<std::size_t>(r.width) * r.height);
    });
    for (auto& px : out) px &= 0x00FFFFFF;
    return out;
}

Pixels DrawWithTargets(const Scene& scene) {
    const TargetHandle bitmap = NewBitmap(scene.width, scene.height);
    AttachTarget(bitmap, 0, 0);
    ClearTarget(scene.paper, 0);
    for (const Op& op : scene.ops) {
        SetPenWidth(op.penWidth);
        if (op.isBox) {
            DrawBox(op.box.x1, op.box.y1, op.box.x2, op.box.y2, op.box.roundness, op.border,
                    op.fill, 0);
        } else {
            const auto& pts = op.polygon.points;
            DrawPolygon({static_cast<std::int32_t>(pts.size()), pts}, op.border, op.fill, 0,
                        op.polygon.fillMode);
        }
    }
    Pixels out = CurrentTargetPixels();
    EndBitmap();
    return out;
}

Mismatch Compare(const Pixels& gdi, const Pixels& ours, int width) {
    Mismatch m;
    if (gdi.size() != ours.size()) {
        m.count = -1;
        return m;
    }
    for (std::size_t i = 0; i < gdi.size(); ++i) {
        if (gdi[i] == ours[i]) continue;
        if (m.count++ == 0) {
            m.firstX = static_cast<int>(i % width);
            m.firstY = static_cast<int>(i / width);
            m.gdi = gdi[i];
            m.ours = ours[i];
        }
    }
    return m;
}

}  // namespace gdi_test

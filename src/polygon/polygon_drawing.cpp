#include "polygon/polygon_drawing.h"

#include <utility>

#include "ids/program_ids.h"
#include "polygon/mesh_damage.h"
#include "polygon/vertex_model.h"
#include "runtime/canvas/frame_policy.h"
#include "runtime/files/error_number.h"
#include "settings/settings.h"

namespace polygon {

using namespace runtime;

TargetHandle CanvasHandle = 0;
WindowHandle CanvasWindow = 0;
std::array<OutlineList, 33> OutlinePoints{};

namespace {

constexpr int kPlainCopy = 0x00CC0020;  // SRCCOPY; every copy is a plain one whatever its mode

bool DrawableSides(int n) {
    return n >= kMinSides && n <= kMaxSides;
}

// The outline list of `sides` points, the k-th (from 1) where `pointOf(k)` puts it.
template <typename PointOf>
void FillOutline(int sides, PointOf pointOf) {
    OutlineList& list = OutlinePoints[sides];
    list.count = sides;
    for (int k = 1; k <= sides; ++k) {
        const auto [x, y] = pointOf(k);
        list.points[k - 1] = {static_cast<float>(x), static_cast<float>(y)};
    }
}

void DrawMeshOutline(int n) {
    DrawPolygon(OutlinePoints[n].View(), kBlack, NoColor, 0, 0);
}

void ClearTo(TargetHandle target, COLORREF color) {
    AttachTarget(target, 0, 0);
    ClearTarget(color, 0);
    SetPenWidth(1);
}

// The mesh that RedrawChangedMesh left on the Canvas; whether the Canvas still shows it is
// told by the Canvas's revision.
struct MeshOnCanvas {
    TargetHandle canvas = 0;
    std::uint64_t revision = 0;
    int sides = 0;
    COLORREF paper = 0;
    VertexRecords vertices{};
};
MeshOnCanvas lastMesh;

// The part of the Canvas that the redraw must touch, or the whole Canvas when it does not
// show the last mesh as drawn.
PixelRect MeshRedrawArea(int n) {
    const PixelRect whole{0, 0, kCanvasSize, kCanvasSize};
    AttachTarget(CanvasHandle, 0, 0);
    const bool showsLastMesh = lastMesh.canvas == CanvasHandle && lastMesh.sides == n &&
                               lastMesh.paper == settings::Settings.Papel &&
                               TargetRevision() == lastMesh.revision;
    if (!OnlyWhatChanged() || !showsLastMesh) return whole;
    return MeshDamage(lastMesh.vertices, VertexTable, n, whole);
}

}  // namespace

void DrawVertexMarker(TargetHandle target, int x, int y, int width, int height, COLORREF color) {
    ProcedureError unread;
    AttachTarget(target, 0, 0);
    SetForeColor(DefaultColor);
    SetBackColor(NoColor);
    // Coordinates are 32-bit; their sums are formed wide so a far-dragged vertex cannot wrap.
    DrawBox(static_cast<float>(x), static_cast<float>(y),
            static_cast<float>(std::int64_t{x} + width),
            static_cast<float>(std::int64_t{y} + height), 0, kBlack, color, 0);
}

void ClearCanvas(TargetHandle target) {
    ProcedureError unread;
    ClearTo(target, settings::Settings.Papel);
}

void ClearToWhite(TargetHandle target) {
    ProcedureError unread;
    ClearTo(target, kWhite);
}

void RedrawPolygon() {
    const int n = SideCount;
    if (!DrawableSides(n)) return;
    for (int k = 1; k <= n; ++k) {
        const VertexRecord& v = VertexTable[k];
        DrawVertexMarker(CanvasHandle, v.x, v.y, v.markerWidth, v.markerHeight, v.markerColor);
    }
    FillOutline(n, [](int k) { return std::pair{VertexTable[k].x, VertexTable[k].y}; });
    DrawMeshOutline(n);
}

void RedrawChangedMesh() {
    ProcedureError unread;
    const int n = SideCount;
    if (CanvasHandle <= 0 || !DrawableSides(n)) {
        ClearCanvas(CanvasHandle);
        RedrawPolygon();
        return;
    }
    const PixelRect area = MeshRedrawArea(n);
    ClipTarget(area);
    ClearCanvas(CanvasHandle);
    RedrawPolygon();
    AttachTarget(CanvasHandle, 0, 0);
    UnclipTarget();
    lastMesh = {CanvasHandle, TargetRevision(), n, settings::Settings.Papel, VertexTable};
}

void CopyCanvasToControl() {
    ProcedureError unread;
    AttachTarget(CanvasWindow, ids::kCanvasControl, 0);
    CopyBitmap(CanvasHandle, 0, kPlainCopy);
}

void ShowCanvas() {
    ProcedureError unread;
    CopyCanvasToControl();
    RedrawTarget();
}

void LoadTemplate(int sides) {
    ProcedureError unread;
    if (!DrawableSides(sides)) return;
    ReleaseBitmap(CanvasHandle);
    CanvasHandle = NewBitmap(kCanvasSize, kCanvasSize);
    ClearCanvas(CanvasHandle);
    FillOutline(sides, [](int k) {
        const TemplatePoint p = TemplatePointAt(k);
        return std::pair{p.x, p.y};
    });
    DrawMeshOutline(sides);
    for (int k = 1; k <= sides; ++k) {
        WriteTemplateRecord(k);
        const TemplatePoint p = TemplatePointAt(k);
        DrawVertexMarker(CanvasHandle, p.x, p.y, kMarkerSize, kMarkerSize, kBlack);
    }
    ShowCanvas();
}

void PaintPolygon() {
    ProcedureError unread;
    const int n = SideCount;
    if (!DrawableSides(n)) return;
    ClearCanvas(CanvasHandle);
    SetPenWidth(settings::Settings.Grosor);
    DrawPolygon(OutlinePoints[n].View(), settings::Settings.Borde, settings::Settings.Relleno, 0,
                0);
    CopyCanvasToControl();
}

void ReleaseCanvas() {
    ProcedureError unread;
    ReleaseBitmap(CanvasHandle);
}

}  // namespace polygon

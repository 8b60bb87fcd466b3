#pragma once
// Turns the vertex table into pixels: the Canvas bitmap, the mesh (one-pixel black outline and
// vertex markers) and the painted polygon, and their copies into the main window's canvas
// control.

#include <array>
#include <cstdint>

#include "runtime/canvas/drawing_targets.h"

namespace polygon {

constexpr int kCanvasSize = 800;

// The Canvas bitmap; 0 while none exists.
extern runtime::TargetHandle CanvasHandle;

// The window that holds the canvas control; the main window sets it when it is built.
extern runtime::WindowHandle CanvasWindow;

// One point list per side count n = 3 .. 32, with room for n points; its count is 0 until it
// is first filled, then n.
struct OutlineList {
    std::int32_t count = 0;
    std::array<runtime::PointF, 32> points{};

    runtime::PointList View() const { return {count, points}; }
};
extern std::array<OutlineList, 33> OutlinePoints;

void DrawVertexMarker(runtime::TargetHandle target, int x, int y, int width, int height,
                      runtime::COLORREF color);
void ClearCanvas(runtime::TargetHandle target);   // to the paper colour, pen width 1
void ClearToWhite(runtime::TargetHandle target);  // the same in white
void RedrawPolygon();  // markers, then the outline over them; callers clear first
// ClearCanvas and RedrawPolygon of the Canvas, with the same pixels, but when the Canvas
// still shows the mesh this drew last, only where the vertices changed since.
void RedrawChangedMesh();
void ShowCanvas();           // copies the Canvas into the canvas control and shows it
void CopyCanvasToControl();  // the same copy, without the extra repaint of the whole control
void LoadTemplate(int sides);
void PaintPolygon();  // filled and outlined with the settings, without markers

// Releases the Canvas, as the main window does when it is destroyed.
void ReleaseCanvas();

}  // namespace polygon

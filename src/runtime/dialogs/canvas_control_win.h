#pragma once
// Canvas controls: owner-drawn statics that show a drawing target. A procedure in front of
// each gives it the focus on a click and keeps its keys; the dialog's WM_DRAWITEM copies the
// target's raster onto it. A canvas may show its picture zoomed by a whole number, and in a
// view smaller than the zoomed picture, which scrolls; drawing, copying and every position
// the program works with stay in picture pixels.

#include <windows.h>

namespace runtime {

// Makes the static `control` of `dialog` a canvas control with a drawing target of its size.
void MakeCanvasControl(HWND dialog, HWND control, int id, int width, int height);
void PaintCanvas(HWND dialog, const DRAWITEMSTRUCT& item);

// What a canvas does with the part of its zoomed picture its view cannot hold.
enum class Overflow {
    Scrolls,  // scroll bars (and the mouse wheel) move the view over the whole picture
    Hidden,   // the view shows the picture's top left part, as much as fits
};

// Shows canvas `id` of `dialog` at `zoom` in a client area of `viewWidth` x `viewHeight`
// device pixels, sizing its window to match (scroll bars included, where it has them).
void ViewCanvasControl(HWND dialog, int id, int zoom, int viewWidth, int viewHeight,
                       Overflow overflow);

// The picture pixel under the point (x, y) of the canvas control's client area.
POINT PictureAt(HWND control, int x, int y);

// Moves a view that scrolls on toward the edge the point (x, y) of its client area is near,
// for a drag that reaches it; true when it moved.
bool ScrollTowardEdge(HWND control, int x, int y);

}  // namespace runtime

#pragma once
// Canvas controls: owner-drawn statics that show a drawing target. A procedure in front of
// each gives it the focus on a click and keeps its keys; the dialog's WM_DRAWITEM copies the
// target's raster onto it. For AddControl and the dialog procedure.

#include <windows.h>

namespace runtime {

// Makes the static `control` of `dialog` a canvas control with a drawing target of its size.
void MakeCanvasControl(HWND dialog, HWND control, int id, int width, int height);
void PaintCanvas(HWND dialog, const DRAWITEMSTRUCT& item);

}  // namespace runtime

#pragma once
// Drawing targets and the primitives that draw on them. A target is an off-screen bitmap,
// named by a handle, or a canvas control, named by its dialog window and control id, whose
// presenter shows its raster on screen. Every primitive works on the calling thread's current
// target and does nothing while there is none.

#include <cstdint>
#include <functional>
#include <span>

#include "runtime/canvas/colors.h"
#include "runtime/canvas/raster.h"
#include "runtime/files/owned_handle.h"

namespace runtime {

using TargetHandle = std::int32_t;   // a bitmap; > 0 while it lives, never reused meanwhile
using WindowHandle = std::intptr_t;  // the dialog that holds a canvas control

struct PointF {
    float x = 0, y = 0;
};

// A count and the points it counts; the points belong to whoever keeps the list.
struct PointList {
    std::int32_t count = 0;
    std::span<const PointF> points;
};

constexpr int kMaxPolygonPointCount = 1024;

// Shows an area of a canvas control's raster on screen; the Win32 control supplies one.
class ControlPresenter {
  public:
    virtual ~ControlPresenter() = default;
    virtual void Present(const PixelRect& area) = 0;
};

// Canvas controls come and go with their windows. The presenter must outlive the control's
// registration. False when the pixels cannot be had or the control is registered already.
bool RegisterCanvasControl(WindowHandle owner, int controlId, int width, int height,
                           ControlPresenter* presenter);
void UnregisterCanvasControl(WindowHandle owner, int controlId);

// The operations the program draws with. Coordinates are pixels, rounded halves to even.
void AttachTarget(std::intptr_t owner, int controlId, int bufferedFlag);
void DetachTarget();
TargetHandle NewBitmap(int width, int height);
void EndBitmap();

// Ends the bitmap target `handle` names, if any, and sets `handle` to 0. It is attached first,
// so the thread is left without a current target, as EndBitmap leaves it.
void ReleaseBitmap(TargetHandle& handle);

struct ReleaseBitmapTarget {
    void operator()(TargetHandle handle) const { ReleaseBitmap(handle); }
};
// A bitmap target made by NewBitmap, released when its owner goes.
using OwnedBitmap = OwnedHandle<TargetHandle, ReleaseBitmapTarget>;
void ClearTarget(COLORREF color, int fillStyle);
void SetPenWidth(int width);
void SetForeColor(COLORREF color);
void SetBackColor(COLORREF color);
void DrawBox(float x1, float y1, float x2, float y2, int roundness, COLORREF borderColor,
             COLORREF fillColor, int fillStyle);
void DrawPolygon(const PointList& points, COLORREF borderColor, COLORREF fillColor, int fillStyle,
                 int fillMode);
// Copies the source's picture onto the current target, from the top left corner. Every copy is
// a plain one: `copyMode` (a raster operation such as SRCCOPY) is taken and ignored.
void CopyBitmap(std::intptr_t sourceOwner, int sourceControlId, int copyMode);

// Keeps ClearTarget, DrawBox and DrawPolygon on the current target inside `area` until
// UnclipTarget: inside it they change exactly the pixels they would change without it, and
// nothing outside. Copies and text are not clipped.
void ClipTarget(const PixelRect& area);
void UnclipTarget();

// Changes whenever a primitive changes pixels of the current target, and is never the same
// for two targets, so whoever drew last can tell that nothing else drew since. 0 when there
// is no current target.
std::uint64_t TargetRevision();
void RedrawTarget();
COLORREF ReadPixel(float x, float y);  // NoPixel outside the target
void ResetScale();

// For the services built on the targets (image writer, text, control painting): the pixels
// of the current target, or of a canvas control, read under the drawing lock. False when
// there is no such target.
bool WithCurrentRaster(const std::function<void(const Raster&, void* drawingContext)>& use);
bool WithCanvasControlRaster(WindowHandle owner, int controlId,
                             const std::function<void(const Raster&)>& use);

// What canvas text keeps per target: its font, where the next text goes, and the line
// height taken when the font was selected (-1 until it has been measured).
struct TextState {
    int font = 1;
    int x = 0, y = 0;
    int lineHeight = -1;
};

struct TextTarget {
    const Raster& raster;
    void* drawingContext;
    COLORREF foreColor;
    COLORREF backColor;  // NoColor: transparent
    TextState& text;
};

// For canvas text: the current target under the drawing lock. `use` gives back the area it
// changed, which is shown as a primitive's would be. False when there is no current target.
bool WithCurrentText(const std::function<PixelRect(TextTarget&)>& use);

}  // namespace runtime

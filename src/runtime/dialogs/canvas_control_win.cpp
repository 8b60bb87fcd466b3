#include "runtime/dialogs/canvas_control_win.h"

#include <memory>

#include "runtime/canvas/drawing_targets.h"
#include "runtime/canvas/gdi_objects_win.h"
#include "runtime/dialogs/subclass_win.h"

namespace runtime {

namespace {

// Shows what changed on a canvas control at once: the next paint copies its raster.
class CanvasPresenter final : public ControlPresenter {
  public:
    explicit CanvasPresenter(HWND control) : control_(control) {}
    void Present(const PixelRect& area) override {
        RECT r{area.left, area.top, area.right, area.bottom};
        InvalidateRect(control_, &r, FALSE);
        UpdateWindow(control_);
    }

  private:
    HWND control_;
};

struct CanvasState final : SubclassState {
    explicit CanvasState(HWND control) : presenter(control) {}
    CanvasPresenter presenter;
};

// The keys a canvas control keeps to itself: they reach neither the static nor the dialog.
bool KeptKey(UINT message, WPARAM key) {
    if (message == WM_CHAR) return key != VK_TAB;
    if (message == WM_SYSKEYDOWN) return key == VK_F10;
    if (message != WM_KEYDOWN) return false;
    return (key >= VK_F1 && key <= VK_F24) || (key >= VK_PRIOR && key <= VK_DOWN) ||
           key == VK_INSERT || key == VK_DELETE || (key >= VK_NUMPAD0 && key <= VK_DIVIDE) ||
           key == VK_CLEAR;
}

// In front of every canvas control: the focus follows a click, the keys are the control's own.
LRESULT CanvasProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, SubclassState*) {
    switch (message) {
        case WM_LBUTTONDOWN:
            SetFocus(window);
            break;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS;
        case WM_NCDESTROY:
            // Its presenter goes with the subclass, after this.
            UnregisterCanvasControl(reinterpret_cast<WindowHandle>(GetParent(window)),
                                    GetDlgCtrlID(window));
            break;
        default:
            if (KeptKey(message, wParam)) return 0;
    }
    return CallPrevious(window, message, wParam, lParam);
}

}  // namespace

void MakeCanvasControl(HWND dialog, HWND control, int id, int width, int height) {
    auto state = std::make_unique<CanvasState>(control);
    CanvasPresenter* presenter = &state->presenter;
    if (InstallSubclass(control, CanvasProcedure, std::move(state)))
        RegisterCanvasControl(reinterpret_cast<WindowHandle>(dialog), id, width, height, presenter);
}

// Copies only the rows and columns of the update region's box: the paint context is clipped
// to that region anyway, and a small change should not cost the whole control.
void PaintCanvas(HWND dialog, const DRAWITEMSTRUCT& item) {
    WithCanvasControlRaster(
        reinterpret_cast<WindowHandle>(dialog), static_cast<int>(item.CtlID), [&](const Raster& r) {
            RECT box{};
            if (GetClipBox(item.hDC, &box) == ERROR) box = {0, 0, r.width, r.height};
            const PixelRect area =
                Intersect({box.left, box.top, box.right, box.bottom}, r.Bounds());
            if (area.Empty()) return;
            // Those rows as a DIB of their own, so the source offset is only a column.
            const int rows = area.bottom - area.top;
            const BITMAPINFO info = TopDownDibInfo(r.width, rows);
            SetDIBitsToDevice(item.hDC, area.left, area.top, area.right - area.left, rows,
                              area.left, 0, 0, rows, r.Row(area.top), &info, DIB_RGB_COLORS);
        });
}

}  // namespace runtime

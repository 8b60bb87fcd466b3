#include "runtime/dialogs/canvas_control_win.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "runtime/canvas/drawing_targets.h"
#include "runtime/canvas/gdi_objects_win.h"
#include "runtime/canvas/raster_resample.h"
#include "runtime/dialogs/subclass_win.h"
#include "runtime/files/invariant.h"

namespace runtime {

namespace {

// How the picture is shown: each picture pixel a zoom x zoom block, the view's top left
// corner at picture pixel (scrollX, scrollY).
struct CanvasView {
    int zoom = 1;
    int extentWidth = 0, extentHeight = 0;  // the picture pixels the view may move over
    int width = 0, height = 0;              // the client area, device pixels
    int scrollX = 0, scrollY = 0;

    RECT OnScreen(const PixelRect& area) const {
        return {(area.left - scrollX) * zoom, (area.top - scrollY) * zoom,
                (area.right - scrollX) * zoom, (area.bottom - scrollY) * zoom};
    }
    // The picture pixels a box of the client area shows any part of.
    PixelRect InPicture(const RECT& box) const {
        return {box.left / zoom + scrollX, box.top / zoom + scrollY,
                (box.right + zoom - 1) / zoom + scrollX, (box.bottom + zoom - 1) / zoom + scrollY};
    }
    int MostScroll(int bar) const {
        return bar == SB_HORZ ? std::max(0, extentWidth - width / zoom)
                              : std::max(0, extentHeight - height / zoom);
    }
};

// Shows what changed on a canvas control at once: the next paint copies its raster.
class CanvasPresenter final : public ControlPresenter {
  public:
    CanvasPresenter(HWND control, const CanvasView& view) : control_(control), view_(view) {}
    void Present(const PixelRect& area) override {
        const RECT r = view_.OnScreen(area);
        InvalidateRect(control_, &r, FALSE);
        UpdateWindow(control_);
    }

  private:
    HWND control_;
    const CanvasView& view_;
};

struct CanvasState final : SubclassState {
    CanvasState(HWND control, int width, int height) : presenter(control, view) {
        view.extentWidth = view.width = width;
        view.extentHeight = view.height = height;
    }
    CanvasView view;
    CanvasPresenter presenter;
};

// The state of a canvas control, kept in its window's user data while its subclass lives.
CanvasState* StateOf(HWND control) {
    return reinterpret_cast<CanvasState*>(GetWindowLongPtrW(control, GWLP_USERDATA));
}

SCROLLINFO ScrollInfo(UINT mask) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    return info;
}

// A scroll bar's line, in picture pixels.
constexpr int kScrollLine = 20;

// False when the view is there already.
bool ScrollTo(HWND control, CanvasView& view, int x, int y) {
    x = std::clamp(x, 0, view.MostScroll(SB_HORZ));
    y = std::clamp(y, 0, view.MostScroll(SB_VERT));
    if (x == view.scrollX && y == view.scrollY) return false;
    view.scrollX = x;
    view.scrollY = y;
    // A bar the control does not have is not touched: setting it could make one appear.
    SCROLLINFO info = ScrollInfo(SIF_POS);
    info.nPos = x;
    if (view.MostScroll(SB_HORZ) > 0) SetScrollInfo(control, SB_HORZ, &info, TRUE);
    info.nPos = y;
    if (view.MostScroll(SB_VERT) > 0) SetScrollInfo(control, SB_VERT, &info, TRUE);
    InvalidateRect(control, nullptr, FALSE);
    UpdateWindow(control);
    return true;
}

// A scroll bar's request, as the position it asks for.
int ScrollRequest(HWND control, const CanvasView& view, int bar, int request) {
    SCROLLINFO info = ScrollInfo(SIF_ALL);
    GetScrollInfo(control, bar, &info);
    const int at = bar == SB_HORZ ? view.scrollX : view.scrollY;
    const int page = static_cast<int>(info.nPage);
    switch (request) {
        case SB_LINEUP:
            return at - kScrollLine;
        case SB_LINEDOWN:
            return at + kScrollLine;
        case SB_PAGEUP:
            return at - page;
        case SB_PAGEDOWN:
            return at + page;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            return info.nTrackPos;
        case SB_TOP:
            return 0;
        case SB_BOTTOM:
            return view.MostScroll(bar);
        default:
            return at;
    }
}

void Scroll(HWND control, CanvasView& view, int bar, int request) {
    const int to = ScrollRequest(control, view, bar, request);
    if (bar == SB_HORZ)
        ScrollTo(control, view, to, view.scrollY);
    else
        ScrollTo(control, view, view.scrollX, to);
}

void Wheel(HWND control, CanvasView& view, int delta) {
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int step =
        lines == WHEEL_PAGESCROLL ? view.height / view.zoom : static_cast<int>(lines) * kScrollLine;
    ScrollTo(control, view, view.scrollX, view.scrollY - delta * step / WHEEL_DELTA);
}

// The keys a canvas control keeps to itself: they reach neither the static nor the dialog.
bool KeptKey(UINT message, WPARAM key) {
    if (message == WM_CHAR) return key != VK_TAB;
    if (message == WM_SYSKEYDOWN) return key == VK_F10;
    if (message != WM_KEYDOWN) return false;
    return (key >= VK_F1 && key <= VK_F24) || (key >= VK_PRIOR && key <= VK_DOWN) ||
           key == VK_INSERT || key == VK_DELETE || (key >= VK_NUMPAD0 && key <= VK_DIVIDE) ||
           key == VK_CLEAR;
}

// In front of every canvas control: the focus follows a click, the keys are the control's own,
// and a view smaller than its picture scrolls.
LRESULT CanvasProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        SubclassState* state) {
    POLIGONOS_INVARIANT(state);  // every canvas control is given its view
    CanvasView& view = static_cast<CanvasState*>(state)->view;
    switch (message) {
        case WM_LBUTTONDOWN:
            SetFocus(window);
            break;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS;
        case WM_HSCROLL:
        case WM_VSCROLL:
            Scroll(window, view, message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            if (view.MostScroll(SB_VERT) == 0) break;  // nothing to scroll: the parent's
            Wheel(window, view, GET_WHEEL_DELTA_WPARAM(wParam));
            return 0;
        case WM_NCDESTROY:
            // Its presenter goes with the subclass, after this.
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
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
    auto state = std::make_unique<CanvasState>(control, width, height);
    CanvasState* kept = state.get();
    if (!InstallSubclass(control, CanvasProcedure, std::move(state))) return;
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(kept));
    RegisterCanvasControl(reinterpret_cast<WindowHandle>(dialog), id, width, height,
                          &kept->presenter);
}

void ViewCanvasControl(HWND dialog, int id, int zoom, int viewWidth, int viewHeight,
                       Overflow overflow) {
    HWND control = GetDlgItem(dialog, id);
    CanvasState* state = StateOf(control);
    if (!state || zoom < 1 || viewWidth < 1 || viewHeight < 1) return;
    CanvasView& view = state->view;
    view.zoom = zoom;
    view.width = viewWidth;
    view.height = viewHeight;
    view.scrollX = view.scrollY = 0;
    if (overflow == Overflow::Hidden) {  // nothing to scroll to: the picture ends at the view
        view.extentWidth = std::min(view.extentWidth, viewWidth / zoom);
        view.extentHeight = std::min(view.extentHeight, viewHeight / zoom);
    }
    const bool scrollsX = view.MostScroll(SB_HORZ) > 0, scrollsY = view.MostScroll(SB_VERT) > 0;
    LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE) & ~(WS_HSCROLL | WS_VSCROLL);
    if (scrollsX) style |= WS_HSCROLL;
    if (scrollsY) style |= WS_VSCROLL;
    SetWindowLongPtrW(control, GWL_STYLE, style);
    RECT outer{0, 0, viewWidth, viewHeight};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(style), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(control, GWL_EXSTYLE)));
    if (scrollsY) outer.right += GetSystemMetrics(SM_CXVSCROLL);
    if (scrollsX) outer.bottom += GetSystemMetrics(SM_CYHSCROLL);
    SetWindowPos(control, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    for (int bar : {SB_HORZ, SB_VERT}) {
        const bool horizontal = bar == SB_HORZ;
        SCROLLINFO info = ScrollInfo(SIF_RANGE | SIF_PAGE | SIF_POS);
        info.nMax = (horizontal ? view.extentWidth : view.extentHeight) - 1;
        info.nPage = static_cast<UINT>((horizontal ? viewWidth : viewHeight) / zoom);
        if (horizontal ? scrollsX : scrollsY) SetScrollInfo(control, bar, &info, TRUE);
    }
    InvalidateRect(control, nullptr, FALSE);
}

POINT PictureAt(HWND control, int x, int y) {
    const CanvasState* state = StateOf(control);
    if (!state) return {x, y};
    const CanvasView& v = state->view;
    return {x / v.zoom + v.scrollX, y / v.zoom + v.scrollY};
}

bool ScrollTowardEdge(HWND control, int x, int y) {
    CanvasState* state = StateOf(control);
    if (!state) return false;
    CanvasView& v = state->view;
    // The band along each edge is a scroll bar wide; each step moves the view by as much.
    const int band = GetSystemMetrics(SM_CXVSCROLL);
    const int step = std::max(1, band / v.zoom);
    const auto toward = [&](int at, int size) {
        return at < band ? -step : at >= size - band ? step : 0;
    };
    return ScrollTo(control, v, v.scrollX + toward(x, v.width), v.scrollY + toward(y, v.height));
}

// Copies only the picture pixels the update region's box shows: the paint context is clipped
// to that region anyway, and a small change should not cost the whole control.
void PaintCanvas(HWND dialog, const DRAWITEMSTRUCT& item) {
    const CanvasState* state = StateOf(item.hwndItem);
    if (!state) return;
    const CanvasView& v = state->view;
    WithCanvasControlRaster(
        reinterpret_cast<WindowHandle>(dialog), static_cast<int>(item.CtlID), [&](const Raster& r) {
            RECT box{};
            if (GetClipBox(item.hDC, &box) == ERROR) box = {0, 0, v.width, v.height};
            const PixelRect area = Intersect(v.InPicture(box), r.Bounds());
            if (area.Empty()) return;
            const RECT at = v.OnScreen(area);
            const int columns = area.right - area.left, rows = area.bottom - area.top;
            if (v.zoom == 1) {
                // Those rows as a DIB of their own, so the source offset is only a column.
                const BITMAPINFO info = TopDownDibInfo(r.width, rows);
                SetDIBitsToDevice(item.hDC, at.left, at.top, columns, rows, area.left, 0, 0, rows,
                                  r.Row(area.top), &info, DIB_RGB_COLORS);
                return;
            }
            const int width = columns * v.zoom, height = rows * v.zoom;
            const std::vector<Pixel> zoomed = Resample(r, area, width, height);
            const BITMAPINFO info = TopDownDibInfo(width, height);
            SetDIBitsToDevice(item.hDC, at.left, at.top, width, height, 0, 0, 0, height,
                              zoomed.data(), &info, DIB_RGB_COLORS);
        });
}

}  // namespace runtime

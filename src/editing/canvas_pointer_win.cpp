#include "editing/canvas_pointer_win.h"

#include <memory>

#include "editing/canvas_pointer.h"
#include "runtime/dialogs/dialog_services_win.h"
#include "runtime/files/error_number.h"
#include "runtime/files/invariant.h"

namespace editing {

namespace {

// The window whose title shows the pointer, kept with the canvas's subclass.
struct Titled final : runtime::SubclassState {
    explicit Titled(HWND w) : window(w) {}
    HWND window;
};

HCURSOR crossCursor = nullptr, arrowCursor = nullptr;

// A drag sets its cursor on every move. A shared system cursor stays loaded while the program
// runs, so each is loaded once, not per move; a load that failed is tried again next time.
void SetSharedCursor(HCURSOR& loaded, const wchar_t* which) {
    if (!loaded)
        loaded = static_cast<HCURSOR>(
            LoadImageW(nullptr, which, IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
    SetCursor(loaded);
}

void Answer(const PointerResponse& response, HWND titled) {
    runtime::ProcedureError unread;
    runtime::SetText(titled, response.title);
    // IDC_CROSS and IDC_ARROW, as wide resource names.
    if (response.cursor == CursorChange::Crosshair)
        SetSharedCursor(crossCursor, MAKEINTRESOURCEW(32515));
    if (response.cursor == CursorChange::Arrow)
        SetSharedCursor(arrowCursor, MAKEINTRESOURCEW(32512));
}

// Looks at the three pointer messages and passes every message on unchanged.
LRESULT CanvasPointerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          runtime::SubclassState* state) {
    runtime::ProcedureError unread;
    POLIGONOS_INVARIANT(state);  // installed with its titled window
    HWND titled = static_cast<Titled*>(state)->window;
    // The message gives a point of the control; the program works in picture pixels, which
    // the canvas may show zoomed and scrolled. A drag that reaches the edge of a view that
    // scrolls carries the view along.
    const PointerPosition device = PositionFromMessage(static_cast<std::uint32_t>(lParam));
    if (message == WM_MOUSEMOVE && Dragging())
        runtime::ScrollTowardEdge(window, device.x, device.y);
    const POINT at = runtime::PictureAt(window, device.x, device.y);
    const PointerPosition p{at.x, at.y};
    switch (message) {
        case WM_LBUTTONDOWN:
            Answer(PointerPressed(p), titled);
            break;
        case WM_MOUSEMOVE:
            Answer(PointerMoved(p), titled);
            break;
        case WM_LBUTTONUP:
            Answer(PointerReleased(p), titled);
            break;
        default:
            break;
    }
    return runtime::CallPrevious(window, message, wParam, lParam);
}

}  // namespace

void TrackPointerOn(HWND canvas, HWND titled) {
    runtime::ProcedureError unread;
    if (!canvas) return;
    runtime::InstallSubclass(canvas, CanvasPointerProc, std::make_unique<Titled>(titled));
}

}  // namespace editing

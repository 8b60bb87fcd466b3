#include "runtime/dialogs/dialog_services_win.h"

#include <commdlg.h>

#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "runtime/canvas/canvas_text_win.h"
#include "runtime/canvas/drawing_targets.h"
#include "runtime/canvas/gdi_objects_win.h"
#include "runtime/dialogs/subclass_win.h"
#include "runtime/files/platform_text.h"

namespace runtime {

namespace {

struct ControlRecord {
    HWND window = nullptr;
    int id = 0;
    ControlKind kind = ControlKind::Label;
};

struct DialogRecord {
    HWND window = nullptr;
    DialogMode mode = DialogMode::Pixels;
    HWND owner = nullptr;
    int showCommand = SW_SHOW;
    DialogCallback callback = nullptr;
    INT_PTR* result = nullptr;
    std::vector<ControlRecord> controls;
    Icon bigIcon, smallIcon;
};

std::unordered_map<HWND, std::unique_ptr<DialogRecord>> dialogs;

DialogRecord* FindDialog(HWND dialog) {
    auto it = dialogs.find(dialog);
    return it == dialogs.end() ? nullptr : it->second.get();
}

const ControlRecord* FindControl(const DialogRecord& d, int id) {
    for (const ControlRecord& c : d.controls)
        if (c.id == id) return &c;
    return nullptr;
}

// ---- canvas controls -------------------------------------------------------------------

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

void PaintCanvas(HWND dialog, const DRAWITEMSTRUCT& item) {
    WithCanvasControlRaster(reinterpret_cast<WindowHandle>(dialog), static_cast<int>(item.CtlID),
                            [&](const Raster& r) {
                                const BITMAPINFO info = TopDownDibInfo(r.width, r.height);
                                SetDIBitsToDevice(item.hDC, 0, 0, r.width, r.height, 0, 0, 0, r.height,
                                                  r.pixels, &info, DIB_RGB_COLORS);
                            });
}

// ---- the dialog procedure ---------------------------------------------------------------

INT_PTR CallCallback(DialogRecord* d, HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return d && d->callback ? d->callback(dialog, message, wParam, lParam) : 0;
}

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogRecord* d = FindDialog(dialog);
    switch (message) {
    case WM_INITDIALOG:
        return FALSE;  // the callback gets its own WM_INITDIALOG when the dialog is shown
    case WM_ACTIVATE:
        return 0;  // activation is the services' own, not the callback's
    case WM_NCDESTROY:
        CallCallback(d, dialog, message, wParam, lParam);
        dialogs.erase(dialog);
        return 0;
    default:
        break;
    }
    const INT_PTR handled = CallCallback(d, dialog, message, wParam, lParam);
    if (handled != 0) {
        if (GetWindowLongPtrW(dialog, DWLP_MSGRESULT) == 0) SetWindowLongPtrW(dialog, DWLP_MSGRESULT, handled);
        return handled;
    }
    switch (message) {
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (d && item) {
            const ControlRecord* c = FindControl(*d, static_cast<int>(item->CtlID));
            if (c && c->kind == ControlKind::Canvas) {
                PaintCanvas(dialog, *item);
                return TRUE;
            }
        }
        return FALSE;
    }
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            FinishDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

// ---- fonts --------------------------------------------------------------------------------

struct FontRecord {
    std::string face;
    int points = 8;
    int styleBits = 0;
    int charset = 0;
    Font platform;
};

std::map<int, FontRecord> fonts;
int lastFontId = 3;  // 1 to 3 are the built-in canvas fonts

int ScreenDpiY() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

// ---- dialogs --------------------------------------------------------------------------------

HWND NewDialog(HWND owner, const std::string& title, std::int32_t x, std::int32_t y, std::int32_t width,
               std::int32_t height, std::uint32_t style, std::uint32_t extendedStyle, DialogMode mode) {
    const bool centred = x == kCentred || y == kCentred;
    style = AdjustDialogStyle(style, centred);
    std::vector<std::uint8_t> bytes = BuildDialogTemplate(style, extendedStyle, x, y, width, height, DialogFont{});
    // The platform wants the template DWORD-aligned: a vector of DWORDs guarantees it.
    std::vector<DWORD> aligned((bytes.size() + 3) / 4);
    std::memcpy(aligned.data(), bytes.data(), bytes.size());
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<LPCDLGTEMPLATEW>(aligned.data()), owner,
                                             DialogProcedure, 0);
    if (!dialog) return nullptr;

    auto record = std::make_unique<DialogRecord>();
    record->window = dialog;
    record->mode = mode;
    record->owner = owner;
    if (style & WS_MAXIMIZE) record->showCommand = SW_MAXIMIZE;
    if (style & WS_MINIMIZE) record->showCommand = SW_SHOWMINNOACTIVE;

    if (mode == DialogMode::Pixels) {
        RECT outer{}, client{};
        GetWindowRect(dialog, &outer);
        GetClientRect(dialog, &client);
        const int outerWidth = width + (outer.right - outer.left) - (client.right - client.left);
        const int outerHeight = height + (outer.bottom - outer.top) - (client.bottom - client.top);
        int px = x, py = y;
        if (centred) {
            RECT work{};
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
            const CentredPlace place = CentreInWorkArea(work.left, work.top, work.right, work.bottom,
                                                        outerWidth, outerHeight);
            px = place.x;
            py = place.y;
        } else if (owner) {
            POINT origin{x, y};
            ClientToScreen(owner, &origin);
            px = origin.x;
            py = origin.y;
        }
        SetWindowPos(dialog, nullptr, px, py, outerWidth, outerHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
    SetWindowTextW(dialog, WideFromAnsi(title).c_str());
    dialogs[dialog] = std::move(record);
    return dialog;
}

void SetDialogIcon(HWND dialog, const wchar_t* iconResource) {
    DialogRecord* d = FindDialog(dialog);
    if (!d) return;
    HINSTANCE self = GetModuleHandleW(nullptr);
    Icon big(static_cast<HICON>(LoadImageW(self, iconResource, IMAGE_ICON, 32, 32, 0)));
    Icon small(static_cast<HICON>(LoadImageW(self, iconResource, IMAGE_ICON, 16, 16, 0)));
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
    SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
    // The window shows the new icons now; the ones it showed before can go.
    d->bigIcon = std::move(big);
    d->smallIcon = std::move(small);
}

void AddControl(ControlKind kind, HWND dialog, int id, const std::string& text, int x, int y,
                int width, int height, std::uint32_t style, std::uint32_t extendedStyle) {
    DialogRecord* d = FindDialog(dialog);
    const wchar_t* className = ControlClassName(kind);
    if (!d || !className) return;
    if (d->mode == DialogMode::DialogUnits) {
        RECT r{x, y, x + width, y + height};
        MapDialogRect(dialog, &r);
        x = r.left;
        y = r.top;
        width = r.right - r.left;
        height = r.bottom - r.top;
    }
    const ControlStyle final = ResolveControlStyle(kind, style, extendedStyle);
    HWND control = CreateWindowExW(final.extendedStyle, className, WideFromAnsi(text).c_str(), final.style,
                                   x, y, width, height, dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (!control) return;
    d->controls.push_back({control, id, kind});
    SendMessageW(control, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), TRUE);
    if (kind == ControlKind::Canvas) {
        auto state = std::make_unique<CanvasState>(control);
        CanvasPresenter* presenter = &state->presenter;
        if (InstallSubclass(control, CanvasProcedure, std::move(state)))
            RegisterCanvasControl(reinterpret_cast<WindowHandle>(dialog), id, width, height,
                                  presenter);
    }
}

INT_PTR ShowDialogModal(HWND dialog, DialogCallback callback) {
    DialogRecord* d = FindDialog(dialog);
    if (!d) return 0;
    INT_PTR result = 0;
    SetForegroundWindow(dialog);
    callback(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(dialog), 0);
    RECT client{};
    GetClientRect(dialog, &client);
    const WPARAM sizeKind = d->showCommand == SW_MAXIMIZE ? SIZE_MAXIMIZED
                            : d->showCommand == SW_SHOWMINNOACTIVE ? SIZE_MINIMIZED : SIZE_RESTORED;
    callback(dialog, WM_SIZE, sizeKind, MAKELPARAM(client.right, client.bottom));
    d = FindDialog(dialog);  // the callback may have ended the dialog already
    if (!d) return result;
    d->callback = callback;
    d->result = &result;
    const HWND owner = d->owner;
    if (owner) {
        SendMessageW(owner, WM_CANCELMODE, 0, 0);
        EnableWindow(owner, FALSE);
    }
    ShowWindow(dialog, d->showCommand);
    UpdateWindow(dialog);  // painted before it takes any input, not when the queue next empties

    // Messages for every window of the thread go through here while the dialog lives; when
    // the queue is empty the thread sleeps in the platform's wait rather than polling.
    MSG message;
    while (IsWindow(dialog)) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            // A message sent from another thread is handled inside PeekMessageW and may have
            // ended the dialog: waiting now would wait for ever.
            if (!IsWindow(dialog)) break;
            if (owner && !(GetWindowLongW(dialog, GWL_STYLE) & DS_NOIDLEMSG))
                SendMessageW(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
            WaitMessage();
            continue;
        }
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (IsWindow(dialog) && IsDialogMessageW(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (owner) SetFocus(owner);
    if (DialogRecord* still = FindDialog(dialog)) still->result = nullptr;
    return result;
}

void FinishDialog(HWND dialog, INT_PTR result) {
    DialogRecord* d = FindDialog(dialog);
    if (!d) return;
    if (d->result) *d->result = result;
    const HWND owner = d->owner;
    SendMessageW(dialog, WM_CLOSE, 0, 0);
    if (owner) EnableWindow(owner, TRUE);
    DestroyWindow(dialog);
}

// ---- texts, lists and combos ------------------------------------------------------------------

void SetText(HWND window, const std::string& text) {
    if (window) SetWindowTextW(window, WideFromAnsi(text).c_str());
}

std::string GetText(HWND window) {
    if (!window) return {};
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return AnsiFromWide(text);
}

void EnableControl(HWND dialog, int id, bool enable) {
    if (HWND c = GetDlgItem(dialog, id)) EnableWindow(c, enable ? TRUE : FALSE);
}

LRESULT SendToControl(HWND dialog, int id, UINT message) {
    HWND c = GetDlgItem(dialog, id);
    return c ? SendMessageA(c, message, 0, 0) : 0;
}

namespace {

std::string ItemText(HWND control, UINT getSelection, UINT getLength, UINT getText) {
    if (!control) return {};
    const LRESULT index = SendMessageW(control, getSelection, 0, 0);
    if (index < 0) return {};
    const LRESULT length = SendMessageW(control, getLength, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(control, getText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return AnsiFromWide(text);
}

int AddItem(HWND control, UINT message, const std::string& text) {
    if (!control) return 0;
    const std::wstring wide = WideFromAnsi(text);
    const LRESULT at = SendMessageW(control, message, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    return at < 0 ? 0 : static_cast<int>(at) + 1;
}

}  // namespace

int ComboAdd(HWND dialog, int id, const std::string& text) {
    return AddItem(GetDlgItem(dialog, id), CB_ADDSTRING, text);
}

std::string ComboGetText(HWND dialog, int id) {
    return ItemText(GetDlgItem(dialog, id), CB_GETCURSEL, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int ListAdd(HWND dialog, int id, const std::string& text) {
    return AddItem(GetDlgItem(dialog, id), LB_ADDSTRING, text);
}

void ListSelect(HWND dialog, int id, int item) {
    if (HWND c = GetDlgItem(dialog, id)) SendMessageW(c, LB_SETCURSEL, static_cast<WPARAM>(item - 1), 0);
}

std::string ListGetText(HWND dialog, int id) {
    return ItemText(GetDlgItem(dialog, id), LB_GETCURSEL, LB_GETTEXTLEN, LB_GETTEXT);
}

// ---- fonts --------------------------------------------------------------------------------

int NewFont(const std::string& face, int points, int styleBits, int charset) {
    FontRecord f;
    f.face = face.substr(0, 31);
    f.points = points == 0 ? 8 : points;
    f.styleBits = styleBits;
    f.charset = charset;
    const int id = ++lastFontId;
    fonts.emplace(id, std::move(f));
    SetCanvasFontSource(FontHandle);  // text on canvas controls may use it too
    return id;
}

void EndFont(int font) { fonts.erase(font); }

HFONT FontHandle(int font) {
    auto it = fonts.find(font);
    if (it == fonts.end()) return nullptr;
    FontRecord& f = it->second;
    if (!f.platform) {
        LOGFONTA description{};
        description.lfHeight = -static_cast<LONG>(std::nearbyint(ScreenDpiY() * f.points / 72.0));
        description.lfWeight = (f.styleBits & 1) ? FW_BOLD : FW_NORMAL;
        description.lfItalic = (f.styleBits & 2) ? TRUE : FALSE;
        description.lfUnderline = (f.styleBits & 4) ? TRUE : FALSE;
        description.lfStrikeOut = (f.styleBits & 8) ? TRUE : FALSE;
        description.lfCharSet = static_cast<BYTE>(f.charset);
        lstrcpynA(description.lfFaceName, f.face.c_str(), LF_FACESIZE);
        f.platform = Font(CreateFontIndirectA(&description));
    }
    return f.platform.Get();
}

void SetControlFont(HWND dialog, int id, int font) {
    HWND c = GetDlgItem(dialog, id);
    HFONT f = FontHandle(font);
    if (c && f) SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(f), TRUE);
}

// ---- menus --------------------------------------------------------------------------------

HMENU NewMenu(MenuKind kind) { return kind == MenuKind::Bar ? CreateMenu() : CreatePopupMenu(); }

void AddMenuItem(HMENU menu, const std::string& text, int commandId, int state, HMENU submenu) {
    if (!menu) return;
    const std::wstring wide = WideFromAnsi(text);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    if (text == "-") {
        item.fMask = MIIM_FTYPE;
        item.fType = MFT_SEPARATOR;
    } else {
        item.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_STATE | MIIM_ID | MIIM_DATA | (submenu ? MIIM_SUBMENU : 0);
        item.fType = MFT_STRING;
        item.fState = static_cast<UINT>(state);
        item.wID = static_cast<UINT>(commandId);
        item.hSubMenu = submenu;
        item.dwTypeData = const_cast<wchar_t*>(wide.c_str());
    }
    InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

void AttachMenu(HWND window, HMENU menu) { SetMenu(window, menu); }

void SetMenuItemState(HMENU menu, int commandId, int state) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STATE;
    item.fState = static_cast<UINT>(state);
    SetMenuItemInfoW(menu, static_cast<UINT>(commandId), FALSE, &item);
}

int MenuItemState(HMENU menu, int commandId) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STATE;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(commandId), FALSE, &item)) return -1;
    return static_cast<int>(item.fState);
}

void KeepFocusAcrossActivation(WPARAM activating, HWND& saved) {
    if (activating == 0) {
        saved = GetFocus();
    } else if (saved) {
        SetFocus(saved);
        saved = nullptr;
    }
}

// ---- message boxes and the colour chooser ------------------------------------------------------

int MessagePrompt(const std::string& text, UINT style, const std::string& title) {
    Sleep(5);
    return MessageBoxW(nullptr, WideFromAnsi(text).c_str(), WideFromAnsi(title).c_str(), style);
}

namespace {

POINT chooserPlace{};

UINT_PTR CALLBACK PlaceChooser(HWND chooser, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG)
        SetWindowPos(chooser, nullptr, chooserPlace.x, chooserPlace.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return 0;
}

}  // namespace

std::int32_t PickColor(HWND owner, std::int32_t initial, ::COLORREF* customColors, DWORD flags,
                       std::int32_t x, std::int32_t y) {
    CHOOSECOLORA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.rgbResult = static_cast<::COLORREF>(initial) & 0x00FFFFFF;
    chooser.lpCustColors = customColors;
    chooser.Flags = CC_RGBINIT | flags;
    if (x == kCentred && y == kCentred && owner) {
        RECT r{};
        GetWindowRect(owner, &r);
        chooserPlace = {r.left + 30, r.top + 30};
        chooser.Flags |= CC_ENABLEHOOK;
        chooser.lpfnHook = PlaceChooser;
    }
    if (!ChooseColorA(&chooser)) return -1;
    return static_cast<std::int32_t>(chooser.rgbResult);
}

}  // namespace runtime

#include "favorites/favorites_dialog_win.h"

#include <commdlg.h>

#include "favorites/favorites_layout.h"
#include "favorites/favorites_store.h"
#include "favorites/label_text.h"
#include "favorites/palette_picture.h"
#include "favorites/selected_color.h"
#include "ids/program_ids.h"
#include "runtime/dialogs/dialog_services_win.h"
#include "runtime/files/error_number.h"
#include "runtime/files/program_folder.h"

namespace favorites {

using namespace ids;
using namespace runtime;
using runtime::COLORREF;

HWND FavoritesDialog = nullptr;
TargetHandle PaletteBitmap = 0;
::COLORREF CustomColors[16] = {};

namespace {

constexpr std::uint32_t kPaletteStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_NOTIFY;
constexpr std::uint32_t kLabelStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
constexpr COLORREF kMidGrey = 0x00808080;
const char* const kLabel = "Color Seleccionado";

const char* const kTitle = "Tus Colores Favoritos Cargalos y Guardalos";
const char* const kArchiveCaption = "Archivar";
const char* const kResetCaption = "Reseteo";
const char* const kLeaveCaption = "Salir";
// The dialog at 96 dpi; the palette control holds the picture at this size whatever its zoom.
constexpr int kClientWidth = 350, kClientHeight = 357;
constexpr int kPaletteControlWidth = 336, kPaletteControlHeight = 260;

HWND FavoritesSavedFocus = nullptr;
int ChooserOpen = 0;
FavoritesLayout Layout;  // of the open dialog

std::intptr_t DialogHandle() {
    return reinterpret_cast<std::intptr_t>(FavoritesDialog);
}

void Justify(void* dc, int extra, int blanks) {
    SetTextJustification(static_cast<HDC>(dc), extra, blanks);
}

// The label in Tahoma 12-point bold, a font made for each drawing and ended after it.
void DrawLabel(COLORREF textColor) {
    ProcedureError unread;
    // Ended on leaving: the text is in the pixels by then, and the font selected nowhere.
    const OwnedFont font(NewFont("Tahoma", 12, kBold, 0));
    DrawLabelText(DialogHandle(), kSelectedColorLabel, kLabel, AlignCenter, Layout.labelTextLeft,
                  Layout.labelTextTop, font.Get(), textColor, Justify);
    RedrawTarget();
}

void ShowSelectedColor(COLORREF textColor) {
    ProcedureError unread;
    AttachTarget(DialogHandle(), kSelectedColorLabel, 0);
    SetForeColor(0);
    SetBackColor(SelectedColor);
    ClearTarget(DefaultColor, 0);
    DrawLabel(textColor);
}

// The palette drawn anew into its picture, and the picture shown on the palette control.
void ShowPalette() {
    ProcedureError unread;
    ClearPalette(PaletteBitmap);
    DrawPalette(PaletteBitmap);
    AttachTarget(DialogHandle(), kPaletteControl, 0);
    CopyBitmap(PaletteBitmap, 0, 0);
}

// A new palette picture in place of the old one, shown on the palette control.
void RebuildPalette() {
    ProcedureError unread;
    ReleaseBitmap(PaletteBitmap);
    PaletteBitmap = NewBitmap(kPaletteWidth, kPaletteHeight);
    ShowPalette();
}

void Hover(unsigned x, unsigned y) {
    ProcedureError unread;
    const auto cell = CellAt(x, y);
    if (!cell) return;  // the last highlight stays
    ShowPalette();
    AttachTarget(DialogHandle(), kPaletteControl, 0);
    SetPenWidth(SwatchPenWidth);
    DrawCellBox(cell->row, cell->column, kWhite);  // the box under the pointer loses its ring
}

void ChangeColor(unsigned x, unsigned y) {
    ProcedureError unread;
    if (ChooserOpen) return;  // the chooser's own loop is running: one chooser at a time
    ChooserOpen = 1;
    if (const auto cell = CellAt(x, y)) {
        const std::int32_t chosen = PickColor(FavoritesDialog, kMidGrey, CustomColors, CC_FULLOPEN,
                                              kBesideOwner, kBesideOwner);
        if (chosen != kChooserCancelled) {
            FavoriteColors[cell->row][cell->column].color = chosen;
            FavoritesModified = 1;
            EnableControl(FavoritesDialog, kArchiveButton, true);
        }
    }
    ChooserOpen = 0;
}

void PickSelectedColor(unsigned x, unsigned y) {
    ProcedureError unread;
    AttachTarget(DialogHandle(), kPaletteControl, 0);
    ResetScale();
    const COLORREF under = ReadPixel(static_cast<float>(x), static_cast<float>(y));
    if (under == NoPixel) return;  // outside the picture: nothing to pick
    SelectedColor = under;
    ShowSelectedColor(SelectedColor == 0 ? kWhite : kBlack);
}

// The palette's picture may be shown zoomed: every position here is a picture pixel.
LRESULT PaletteWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, SubclassState*) {
    ProcedureError unread;
    const POINT at = PictureAt(window, LOWORD(lParam), HIWORD(lParam));
    const auto x = static_cast<unsigned>(at.x), y = static_cast<unsigned>(at.y);
    switch (message) {
        case WM_MOUSEMOVE:
            Hover(x, y);
            break;
        case WM_LBUTTONDOWN:
            ChangeColor(x, y);
            break;
        case WM_RBUTTONDOWN:
            PickSelectedColor(x, y);
            break;
        default:
            break;
    }
    return CallPrevious(window, message, wParam, lParam);
}

void Open(HWND dialog) {
    ProcedureError unread;
    FavoritesDialog = dialog;
    KeepProgramFolder();
    FavoritesFolder = ProgramFolder;
    EnableControl(dialog, kArchiveButton, false);
    OpenFavorites();  // geometry, FavoritesModified 0, the table from the file or the defaults
    RebuildPalette();
    DrawLabel(kBlack);  // the label stays white whatever colour is selected
}

void Reset() {
    ProcedureError unread;
    if (!AskAndResetFavorites()) return;
    RebuildPalette();
    SelectedColor = kWhite;
    ShowSelectedColor(kBlack);
}

void Command(HWND dialog, int id, int notification) {
    ProcedureError unread;
    if (!IsButtonPress(notification)) return;
    switch (id) {
        case kArchiveButton:
            // After a failure the changes are still not on disk, so the button stays.
            if (ArchiveFavorites()) EnableControl(dialog, kArchiveButton, false);
            break;
        case kResetButton:
            Reset();
            break;
        case kLeaveButton:
            OfferToSaveFavorites();
            FinishDialog(dialog, 0);
            break;
        default:
            break;
    }
}

INT_PTR FavoritesDialogCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    ProcedureError unread;
    switch (message) {
        case WM_INITDIALOG:
            Open(dialog);
            break;
        case WM_NCACTIVATE:
            KeepFocusAcrossActivation(wParam, FavoritesSavedFocus);
            break;
        case WM_COMMAND:
            Command(dialog, LOWORD(wParam), HIWORD(wParam));
            break;
        default:
            break;
    }
    return 0;
}

void ClearCanvas(HWND dialog, int id) {
    ProcedureError unread;
    AttachTarget(reinterpret_cast<std::intptr_t>(dialog), id, 0);
    SetForeColor(0);
    SetBackColor(kWhite);
    ClearTarget(DefaultColor, 0);
}

// What the layout needs of this screen and of the new dialog, the captions measured in the
// buttons' font.
FavoritesScreen MeasureScreen(HWND dialog, HFONT buttonFont) {
    ProcedureError unread;
    FavoritesScreen s;
    s.screen = ScreenFactsFor(dialog);
    s.archiveButton = ButtonRoom(buttonFont, kArchiveCaption);
    s.resetButton = ButtonRoom(buttonFont, kResetCaption);
    s.leaveButton = ButtonRoom(buttonFont, kLeaveCaption);
    s.paletteBorder = GetSystemMetrics(SM_CXBORDER);
    return s;
}

void AddButton(HWND dialog, int id, const char* caption, const Place& at) {
    ProcedureError unread;
    AddControl(ControlKind::PushButton, dialog, id, caption, at.x, at.y, at.width, at.height, 0, 0);
}

}  // namespace

INT_PTR ShowFavoritesDialog(HWND owner) {
    ProcedureError unread;
    HWND dialog = NewDialog(owner, kTitle, kCentred, kCentred, kClientWidth, kClientHeight, 0, 0,
                            DialogMode::Pixels);
    if (!dialog) return 0;
    INT_PTR result = 0;
    {
        // Ended after the dialog.
        const OwnedFont buttonFont(NewFont("MS Sans Serif", 10, kBold, 0));
        Layout = PlanFavoritesDialog(MeasureScreen(dialog, FontHandle(buttonFont.Get())));
        const FavoritesLayout& l = Layout;
        PlaceDialog(dialog, kCentred, kCentred, l.client.width, l.client.height);
        AddControl(ControlKind::Canvas, dialog, kPaletteControl, "", l.palette.x, l.palette.y,
                   kPaletteControlWidth, kPaletteControlHeight, kPaletteStyle, 0);
        // It shows the top of its picture, which holds every box.
        ViewCanvasControl(dialog, kPaletteControl, l.zoom, l.paletteView.width,
                          l.paletteView.height, Overflow::Hidden);
        ClearCanvas(dialog, kPaletteControl);
        AddControl(ControlKind::Canvas, dialog, kSelectedColorLabel, "", l.label.x, l.label.y,
                   l.label.width, l.label.height, kLabelStyle, 0);
        ClearCanvas(dialog, kSelectedColorLabel);
        AddButton(dialog, kArchiveButton, kArchiveCaption, l.archiveButton);
        AddButton(dialog, kLeaveButton, kLeaveCaption, l.leaveButton);
        AddButton(dialog, kResetButton, kResetCaption, l.resetButton);
        for (int id : {kArchiveButton, kLeaveButton, kResetButton})
            SetControlFont(dialog, id, buttonFont.Get());
        HWND palette = GetDlgItem(dialog, kPaletteControl);
        if (palette) InstallSubclass(palette, PaletteWindowProc);
        result = ShowDialogModal(dialog, FavoritesDialogCallback);
    }
    FavoritesDialog = nullptr;
    return result;
}

}  // namespace favorites

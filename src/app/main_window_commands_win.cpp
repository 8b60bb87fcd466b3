// What the main window does: fills its lists when it opens, and carries out the commands of
// its menu, buttons and lists.
#include <string>

#include "app/main_menu_win.h"
#include "app/main_window_texts.h"
#include "app/main_window_win.h"
#include "editing/vertex_dialog_win.h"
#include "favorites/favorites_dialog_win.h"
#include "favorites/selected_color.h"
#include "ids/program_ids.h"
#include "polygon/polygon_drawing.h"
#include "polygon/vertex_model.h"
#include "runtime/bmp/bmp_writer.h"
#include "runtime/canvas/drawing_targets.h"
#include "runtime/dialogs/dialog_services_win.h"
#include "runtime/dialogs/message_title.h"
#include "runtime/dialogs/numbered_items.h"
#include "runtime/files/error_number.h"
#include "runtime/files/program_folder.h"
#include "settings/settings.h"

namespace app {

using namespace ids;
using namespace runtime;
using settings::Settings;
using settings::SettingsFile;

namespace {

// 1 while the author box or a secondary dialog opened from here is open.
int SubDialogOpen = 0;
// The control that had the focus when the main window was last deactivated.
HWND SavedFocus = nullptr;

void Initialise(HWND window) {
    ProcedureError unread;
    SetMenuItemState(MainMenu, kVertexProperties, MFS_GRAYED);
    polygon::SideCount = 3;
    SendToControl(window, kSideList, LB_RESETCONTENT);
    SendToControl(window, kWidthList, LB_RESETCONTENT);
    for (const std::string& item : SideItems()) ListAdd(window, kSideList, item);
    for (const std::string& item : WidthItems()) ListAdd(window, kWidthList, item);
    ListSelect(window, kWidthList, Settings.Grosor);  // a width outside 1 .. 10 selects nothing
    KeepProgramFolder();
    polygon::CreateVertexTable();
}

void ShowMesh() {
    polygon::ClearCanvas(polygon::CanvasHandle);
    polygon::RedrawPolygon();
    polygon::ShowCanvas();
}

void ApplySelectedColor(runtime::COLORREF& setting) {
    setting = favorites::SelectedColor;
    BuildMainMenu(MainWindow);
    ShowMesh();
}

void SavePicture() {
    ProcedureError error;
    AttachTarget(polygon::CanvasHandle, 0, 0);
    const bool attached = error.Number() == 0;
    const bool saved = attached && SaveBmp(PictureFileName(polygon::SideCount));
    MessagePrompt(saved ? "Poligono Grabado ..." : "NO he podido grabar ...", MB_OK, kMessageTitle);
}

void ShowAuthor() {
    ProcedureError unread;
    if (SubDialogOpen) return;
    SubDialogOpen = 1;
    MessagePrompt(AuthorText(), MB_OK, kMessageTitle);
    SubDialogOpen = 0;
}

// While the vertex dialog is open the main window cannot replace the polygon or save its
// picture.
void LendToVertexDialog(editing::Lending lending) {
    ProcedureError unread;
    const bool back = lending == editing::Lending::Back;
    EnableControl(MainWindow, kSideList, back);
    EnableControl(MainWindow, kPaintButton, back);
    SetMenuItemState(MainMenu, kSavePicture, back ? 0 : MFS_GRAYED);
}

void OpenVertexDialog() {
    if (SubDialogOpen) return;
    SubDialogOpen = 1;
    editing::ShowVertexDialog(LendToVertexDialog);
    SubDialogOpen = 0;
}

void OpenFavoritesDialog() {
    if (SubDialogOpen) return;
    SubDialogOpen = 1;
    favorites::ShowFavoritesDialog(nullptr);
    SubDialogOpen = 0;
    SettingsFile("save");  // the settings are stored each time the palette closes
}

void ChooseSides(HWND window) {
    ProcedureError unread;
    polygon::SideCount = static_cast<std::uint8_t>(ItemNumber(ListGetText(window, kSideList)));
    SetMenuItemState(MainMenu, kVertexProperties, 0);
    polygon::LoadTemplate(polygon::SideCount);
}

void Command(HWND window, int id, int notification) {
    switch (id) {
        case kSavePicture:
            SavePicture();
            break;
        case kAuthor:
            ShowAuthor();
            break;
        case kQuit:
            FinishDialog(MainWindow, 0);
            break;
        case kBorderColor:
            ApplySelectedColor(Settings.Borde);
            break;
        case kFillColor:
            ApplySelectedColor(Settings.Relleno);
            break;
        case kPaperColor:
            ApplySelectedColor(Settings.Papel);
            break;
        case kFavoriteColors:
            OpenFavoritesDialog();
            break;
        case kVertexProperties:
            OpenVertexDialog();
            break;
        case kPaintButton:
            polygon::PaintPolygon();
            break;
        case kMeshButton:
            ShowMesh();
            break;
        case kSideList:
            if (notification == LBN_SELCHANGE) ChooseSides(window);
            break;
        case kWidthList:
            if (notification == LBN_SELCHANGE)
                Settings.Grosor =
                    static_cast<std::int16_t>(ItemNumber(ListGetText(window, kWidthList)));
            break;
        default:
            break;
    }
}

}  // namespace

INT_PTR MainWindowCallback(HWND window, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    ProcedureError unread;
    switch (message) {
        case WM_INITDIALOG:
            Initialise(window);
            break;
        case WM_NCACTIVATE:
            KeepFocusAcrossActivation(wParam, SavedFocus);
            break;
        case WM_COMMAND:
            Command(window, LOWORD(wParam), HIWORD(wParam));
            break;
        case WM_DESTROY:
            polygon::ReleaseCanvas();
            ReleaseMenuPictures();
            break;
        default:
            break;
    }
    return 0;  // the services' default handling follows every message
}

}  // namespace app

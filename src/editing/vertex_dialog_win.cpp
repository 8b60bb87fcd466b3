#include "editing/vertex_dialog_win.h"

#include "app/main_window_win.h"
#include "editing/vertex_dialog.h"
#include "polygon/vertex_model.h"
#include "runtime/dialogs/dialog_services_win.h"

namespace editing {

using namespace runtime;

namespace {

constexpr int kPrompt = 1001, kVertexList = 1002, kXLabel = 1003, kXBox = 1004, kYBox = 1005,
              kYLabel = 1006, kApply = 1007, kLeave = 1008;
constexpr std::uint32_t kStyle = 0x94C000D4;             // captioned, no system menu
constexpr std::uint32_t kExStyle = WS_EX_CONTROLPARENT | WS_EX_TOPMOST;
constexpr std::uint32_t kCentredLabel = WS_CHILD | WS_VISIBLE | SS_CENTER;
constexpr std::uint32_t kDigitsBox = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER;

HWND savedFocus = nullptr;  // kept across openings, like the choice itself

// While the dialog is open the main window cannot replace the polygon or save its picture.
void LendMainWindow(bool back) {
    EnableControl(app::MainWindow, app::kSideList, back);
    EnableControl(app::MainWindow, app::kPaintButton, back);
    SetMenuItemState(app::MainMenu, app::kSavePicture, back ? 0 : MFS_GRAYED);
}

void Initialise(HWND dialog) {
    SendToControl(dialog, kVertexList, CB_RESETCONTENT);
    const int sides = polygon::SideCount;
    for (int i = 1; i <= sides; ++i) ComboAdd(dialog, kVertexList, VertexItemText(i));
    LendMainWindow(false);
}

bool Pressed(int notification) { return notification == BN_CLICKED || notification == 1; }

void Command(HWND dialog, int id, int notification) {
    switch (id) {
    case kVertexList:
        if (notification == CBN_SELCHANGE) {
            const ShownCoordinates shown = ChooseVertex(ComboGetText(dialog, kVertexList));
            SetText(GetDlgItem(dialog, kXBox), shown.x);
            SetText(GetDlgItem(dialog, kYBox), shown.y);
        }
        break;
    case kApply:
        if (Pressed(notification))
            ApplyCoordinates(GetText(GetDlgItem(dialog, kXBox)), GetText(GetDlgItem(dialog, kYBox)));
        break;
    case kLeave:
        if (Pressed(notification)) {
            ReleaseChosenVertex();
            FinishDialog(dialog, 0);
        }
        break;
    default:
        break;  // IDOK and IDCANCEL (Enter, Esc) included: nothing
    }
}

INT_PTR VertexDialogCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        Initialise(dialog);
        break;
    case WM_NCACTIVATE:
        KeepFocusAcrossActivation(wParam, savedFocus);
        break;
    case WM_COMMAND:
        Command(dialog, LOWORD(wParam), HIWORD(wParam));
        break;
    case WM_DESTROY:
        LendMainWindow(true);  // however the dialog ends
        break;
    default:
        break;
    }
    return 0;
}

}  // namespace

INT_PTR ShowVertexDialog() {
    HWND dialog = NewDialog(nullptr, "Coordenadas poligono", 70, 70, 132, 116, kStyle, kExStyle,
                            DialogMode::DialogUnits);
    if (!dialog) return 0;  // nothing was lent, so nothing needs giving back
    AddControl(ControlKind::Label, dialog, kPrompt, "Elija posicion de coordenada", 5, 5, 125, 15, 0, 0);
    AddControl(ControlKind::ComboBox, dialog, kVertexList, "", 5, 20, 125, 40, 0, 0);
    AddControl(ControlKind::Label, dialog, kXLabel, "X:", 5, 37, 25, 9, kCentredLabel, 0);
    AddControl(ControlKind::TextBox, dialog, kXBox, "", 30, 35, 25, 13, kDigitsBox, WS_EX_CLIENTEDGE);
    AddControl(ControlKind::TextBox, dialog, kYBox, "", 30, 50, 25, 13, kDigitsBox, WS_EX_CLIENTEDGE);
    AddControl(ControlKind::Label, dialog, kYLabel, "Y:", 5, 52, 25, 9, kCentredLabel, 0);
    AddControl(ControlKind::PushButton, dialog, kApply, "Aplicar", 5, 65, 50, 15, 0, 0);
    AddControl(ControlKind::PushButton, dialog, kLeave, "Salir", 75, 95, 50, 15, 0, 0);
    const int font = NewFont("MS Sans Serif", 8, 1, 0);
    for (int id = kPrompt; id <= kLeave; ++id) SetControlFont(dialog, id, font);
    const INT_PTR result = ShowDialogModal(dialog, VertexDialogCallback);
    EndFont(font);
    return result;
}

}  // namespace editing

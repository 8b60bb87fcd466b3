#include "editing/vertex_dialog_win.h"

#include "editing/vertex_dialog.h"
#include "ids/program_ids.h"
#include "polygon/vertex_model.h"
#include "runtime/dialogs/dialog_services_win.h"
#include "runtime/files/error_number.h"

namespace editing {

using namespace ids;
using namespace runtime;

namespace {

// Captioned, without a system menu.
constexpr std::uint32_t kStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION |
                                 DS_MODALFRAME | DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK;
static_assert(kStyle == 0x94C000D4);
constexpr std::uint32_t kExStyle = WS_EX_CONTROLPARENT | WS_EX_TOPMOST;
constexpr std::uint32_t kCentredLabel = WS_CHILD | WS_VISIBLE | SS_CENTER;
constexpr std::uint32_t kDigitsBox = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER;

HWND savedFocus = nullptr;  // kept across openings, like the choice itself

LendControls lendControls = nullptr;  // of the dialog that is open

void Initialise(HWND dialog) {
    ProcedureError unread;
    SendToControl(dialog, kVertexList, CB_RESETCONTENT);
    const int sides = polygon::SideCount;
    for (int i = 1; i <= sides; ++i) ComboAdd(dialog, kVertexList, VertexItemText(i));
    lendControls(Lending::Out);
}

void Command(HWND dialog, int id, int notification) {
    ProcedureError unread;
    switch (id) {
        case kVertexList:
            if (notification == CBN_SELCHANGE) {
                const ShownCoordinates shown = ChooseVertex(ComboGetText(dialog, kVertexList));
                SetText(GetDlgItem(dialog, kVertexXBox), shown.x);
                SetText(GetDlgItem(dialog, kVertexYBox), shown.y);
            }
            break;
        case kVertexApply:
            if (IsButtonPress(notification))
                ApplyCoordinates(GetText(GetDlgItem(dialog, kVertexXBox)),
                                 GetText(GetDlgItem(dialog, kVertexYBox)));
            break;
        case kVertexLeave:
            if (IsButtonPress(notification)) {
                ReleaseChosenVertex();
                FinishDialog(dialog, 0);
            }
            break;
        default:
            break;  // IDOK and IDCANCEL (Enter, Esc) included: nothing
    }
}

INT_PTR VertexDialogCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    ProcedureError unread;
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
            lendControls(Lending::Back);  // however the dialog ends
            break;
        default:
            break;
    }
    return 0;
}

}  // namespace

INT_PTR ShowVertexDialog(LendControls lend) {
    ProcedureError unread;
    HWND dialog = NewDialog(nullptr, "Coordenadas poligono", 70, 70, 132, 116, kStyle, kExStyle,
                            DialogMode::DialogUnits);
    if (!dialog) return 0;  // nothing was lent, so nothing needs giving back
    lendControls = lend;
    AddControl(ControlKind::Label, dialog, kVertexPrompt, "Elija posicion de coordenada", 5, 5, 125,
               15, 0, 0);
    AddControl(ControlKind::ComboBox, dialog, kVertexList, "", 5, 20, 125, 40, 0, 0);
    AddControl(ControlKind::Label, dialog, kVertexXLabel, "X:", 5, 37, 25, 9, kCentredLabel, 0);
    AddControl(ControlKind::TextBox, dialog, kVertexXBox, "", 30, 35, 25, 13, kDigitsBox,
               WS_EX_CLIENTEDGE);
    AddControl(ControlKind::TextBox, dialog, kVertexYBox, "", 30, 50, 25, 13, kDigitsBox,
               WS_EX_CLIENTEDGE);
    AddControl(ControlKind::Label, dialog, kVertexYLabel, "Y:", 5, 52, 25, 9, kCentredLabel, 0);
    AddControl(ControlKind::PushButton, dialog, kVertexApply, "Aplicar", 5, 65, 50, 15, 0, 0);
    AddControl(ControlKind::PushButton, dialog, kVertexLeave, "Salir", 75, 95, 50, 15, 0, 0);
    const OwnedFont font(NewFont("MS Sans Serif", 8, kBold, 0));  // ended after the dialog
    for (int id = kVertexPrompt; id <= kVertexLeave; ++id) SetControlFont(dialog, id, font.Get());
    return ShowDialogModal(dialog, VertexDialogCallback);
}

}  // namespace editing

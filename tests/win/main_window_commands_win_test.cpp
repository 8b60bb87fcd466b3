// The main window's commands in this process, on the window the program builds: what they do
// to the menu, which outside tools cannot read under Wine, and how the vertex dialog lends
// controls.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/main_menu_win.h"
#include "app/main_window_win.h"
#include "favorites/selected_color.h"
#include "ids/program_ids.h"
#include "polygon/polygon_drawing.h"
#include "polygon/vertex_model.h"
#include "runtime/dialogs/dialog_services_win.h"
#include "settings/settings.h"

namespace {

using namespace runtime;

struct Seen {
    int saveState = -1;
    bool sidesEnabled = true, paintEnabled = true;
} seen;

// Runs inside the vertex dialog's modal loop: looks at the main window, then leaves.
void CALLBACK LookAndLeave(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    seen.saveState = MenuItemState(app::MainMenu, ids::kSavePicture);
    seen.sidesEnabled = IsWindowEnabled(GetDlgItem(app::MainWindow, ids::kSideList));
    seen.paintEnabled = IsWindowEnabled(GetDlgItem(app::MainWindow, ids::kPaintButton));
    SendMessageW(app::MainWindow, WM_COMMAND, ids::kBorderColor, 0);  // a colour command meanwhile
    seen.saveState = std::max(seen.saveState, MenuItemState(app::MainMenu, ids::kSavePicture));
    if (HWND dialog = FindWindowW(L"#32770", L"Coordenadas poligono"))
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(ids::kVertexLeave, BN_CLICKED), 0);  // "Salir"
}

struct MainWindowCommands : ::testing::Test {
    Font listFont;  // outlives the window, released with the fixture
    void SetUp() override {
        settings::Settings = {0, 0x00FFFFFF, 0x00FF00FF, 4};
        favorites::SelectedColor = 0;  // as at start; other tests in this process pick colours
        listFont = app::BuildMainWindow(nullptr);
        ASSERT_NE(app::MainWindow, nullptr);
        app::MainWindowCallback(app::MainWindow, WM_INITDIALOG,
                                reinterpret_cast<WPARAM>(app::MainWindow), 0);
    }
    void TearDown() override {
        DestroyWindow(app::MainWindow);
        app::MainWindow = nullptr;
        polygon::CanvasWindow = 0;
    }
    static void Command(int id, int notification = 0) {
        app::MainWindowCallback(app::MainWindow, WM_COMMAND, MAKEWPARAM(id, notification),
                                reinterpret_cast<LPARAM>(GetDlgItem(app::MainWindow, id)));
    }
};

TEST_F(MainWindowCommands, VertexPropertiesAreGreyedUntilASideCountIsChosen) {
    EXPECT_EQ(MenuItemState(app::MainMenu, ids::kVertexProperties), MFS_GRAYED);
    EXPECT_EQ(ListGetText(app::MainWindow, ids::kWidthList), "04 grosor borde")
        << "the stored width";
    const HMENU first = app::MainMenu;
    Command(ids::kPaperColor);
    EXPECT_NE(app::MainMenu, first) << "a colour command rebuilds the menu bar";
    EXPECT_EQ(GetMenu(app::MainWindow), app::MainMenu);
    EXPECT_FALSE(IsMenu(first)) << "and releases the one it replaces";
    EXPECT_EQ(MenuItemState(app::MainMenu, ids::kVertexProperties), MFS_GRAYED)
        << "across a rebuild";
    EXPECT_EQ(MenuItemState(app::MainMenu, ids::kSavePicture), 0);
    EXPECT_EQ(settings::Settings.Papel, 0) << "the selected colour, black until one is picked";

    ListSelect(app::MainWindow, ids::kSideList, 3);  // "05 lados"
    Command(ids::kSideList, LBN_SELCHANGE);
    EXPECT_EQ(polygon::SideCount, 5);
    EXPECT_EQ(MenuItemState(app::MainMenu, ids::kVertexProperties), 0);
    Command(ids::kFillColor);
    EXPECT_EQ(MenuItemState(app::MainMenu, ids::kVertexProperties), 0);

    ListSelect(app::MainWindow, ids::kWidthList, 7);
    Command(ids::kWidthList, 0);  // not a selection change: nothing
    EXPECT_EQ(settings::Settings.Grosor, 4);
    Command(ids::kWidthList, LBN_SELCHANGE);
    EXPECT_EQ(settings::Settings.Grosor, 7);
}

TEST_F(MainWindowCommands, TheVertexDialogLendsTheListPaintAndSaveAndGivesThemBack) {
    ListSelect(app::MainWindow, ids::kSideList, 1);
    Command(ids::kSideList, LBN_SELCHANGE);
    seen = {};
    SetTimer(nullptr, 0, 50, LookAndLeave);
    Command(ids::kVertexProperties);
    EXPECT_EQ(seen.saveState, MFS_GRAYED)
        << "\"Grabar Imagen\" greyed, also after a colour command";
    EXPECT_FALSE(seen.sidesEnabled);
    EXPECT_FALSE(seen.paintEnabled);
    EXPECT_EQ(MenuItemState(app::MainMenu, ids::kSavePicture), 0) << "given back";
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(app::MainWindow, ids::kSideList)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(app::MainWindow, ids::kPaintButton)));
}

}  // namespace

// Reshaping the polygon from outside: dragging vertices on the canvas and the vertex
// coordinates dialog.
#include <gtest/gtest.h>

#include <cstdio>

#include "automation/program_driver.h"
#include "bmp_file.h"
#include "ids/program_ids.h"
#include "picture_checks.h"
#include "started_program.h"

namespace e2e {
namespace {

using Pointer = StartedProgram;
using VertexDialog = StartedProgram;

constexpr std::uint32_t kMagenta = 0xFF00FF;

// The template for `sides` with vertex `k` moved to `to`.
std::vector<Vertex> Moved(int sides, int k, Vertex to) {
    auto vertices = TemplateVertices(sides);
    vertices[k - 1] = to;
    return vertices;
}

void Choose(HWND dialog, int index) {
    HWND combo = GetDlgItem(dialog, ids::kVertexList);
    SendTo(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendTo(dialog, WM_COMMAND, MAKEWPARAM(ids::kVertexList, CBN_SELCHANGE),
           reinterpret_cast<LPARAM>(combo));
}

TEST_F(Pointer, TitleFollowsThePointerAndADragMovesTheVertex) {
    p.Pointer(WM_MOUSEMOVE, 305, 312);
    EXPECT_EQ(Text(p.Main()), L"X : 305 Y : 312 :: 0");
    p.ChooseListItem(ids::kSideList, 0);
    p.Pointer(WM_LBUTTONDOWN, 300, 310);
    EXPECT_EQ(Text(p.Main()), L"X : 300 Y : 310 :: 1");
    p.Pointer(WM_MOUSEMOVE, 310, 306);
    EXPECT_EQ(Text(p.Main()), L"X : 310 Y : 306 :: 1");
    p.Pointer(WM_LBUTTONUP, 310, 306);
    EXPECT_EQ(Text(p.Main()), L"X : 310 Y : 306 :: 1");
    p.Pointer(WM_MOUSEMOVE, 311, 306);
    EXPECT_EQ(Text(p.Main()), L"X : 311 Y : 306 :: 0");
    EXPECT_EQ(CheckMesh(SavedPicture(p, 3), Moved(3, 1, {310, 306}), kMagenta), "");
}

TEST_F(Pointer, AFiveSidedVertexDraggedByTenAndMinusFour) {
    p.ChooseListItem(ids::kSideList, 2);
    p.Pointer(WM_LBUTTONDOWN, 194, 404);  // inside the marker of vertex 3 at (190, 400)
    p.Pointer(WM_MOUSEMOVE, 199, 402);
    p.Pointer(WM_MOUSEMOVE, 204, 400);
    p.Pointer(WM_LBUTTONUP, 204, 400);
    // Dragged by (10, -4) from (190, 400).
    EXPECT_EQ(CheckMesh(SavedPicture(p, 5), Moved(5, 3, {200, 396}), kMagenta), "");
}

TEST_F(VertexDialog, ListsTheVerticesAndLendsTheMainWindowsControls) {
    p.ChooseListItem(ids::kSideList, 9);  // 12 sides
    p.Post(ids::kVertexProperties);
    HWND d = p.WaitForWindow(L"Coordenadas poligono");
    ASSERT_NE(d, nullptr);
    const auto items = ComboItems(GetDlgItem(d, ids::kVertexList));
    ASSERT_EQ(items.size(), 12u);
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(items[i - 1], (i < 10 ? L"0" : L"") + std::to_wstring(i) + L"\u00BA vertice");
    EXPECT_NE(GetWindowLongW(d, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_FALSE(IsWindowEnabled(p.Control(ids::kSideList)));
    EXPECT_FALSE(IsWindowEnabled(p.Control(ids::kPaintButton)));
    EXPECT_TRUE(IsWindowEnabled(p.Control(501))) << "Malla stays usable";
    p.Send(ids::kBorderColor);  // a colour command rebuilds the menu meanwhile
    Click(d, ids::kVertexLeave);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(d); }));
    EXPECT_TRUE(IsWindowEnabled(p.Control(ids::kSideList)));
    EXPECT_TRUE(IsWindowEnabled(p.Control(ids::kPaintButton)));

    p.Post(ids::kVertexProperties);
    d = p.WaitForWindow(L"Coordenadas poligono");
    ASSERT_NE(d, nullptr);
    PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close request gives them back too
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(d); }));
    EXPECT_TRUE(IsWindowEnabled(p.Control(ids::kSideList)));
    EXPECT_TRUE(IsWindowEnabled(p.Control(ids::kPaintButton)));
}

// The dialog over the triangle with its third vertex chosen; null when it did not open.
HWND ChooseThirdVertexOfTheTriangle(const Program& p) {
    p.ChooseListItem(ids::kSideList, 0);
    p.Post(ids::kVertexProperties);
    HWND d = p.WaitForWindow(L"Coordenadas poligono");
    if (d) Choose(d, 2);  // 03º vertice
    return d;
}

TEST_F(VertexDialog, ChooseApplyAndReopen) {
    HWND d = ChooseThirdVertexOfTheTriangle(p);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(Text(GetDlgItem(d, ids::kVertexXBox)), L"190");
    EXPECT_EQ(Text(GetDlgItem(d, ids::kVertexYBox)), L"400");
    EXPECT_EQ(PixelWhen(p.Control(ids::kCanvasControl), 190, 400, 0x000000), 0x000000u)
        << "a black ring";
    EXPECT_EQ(PixelWhen(p.Control(ids::kCanvasControl), 193, 403, 0xFFFFFF), 0xFFFFFFu)
        << "round a white square";

    SetControlText(GetDlgItem(d, ids::kVertexXBox), L"250");
    SetControlText(GetDlgItem(d, ids::kVertexYBox), L"260");
    Click(d, ids::kVertexApply);
    ASSERT_EQ(PixelWhen(p.Control(ids::kCanvasControl), 256, 261, 0xFFFFFF), 0xFFFFFFu)
        << "the highlighted marker moved to (250, 260)";
    EXPECT_EQ(Text(GetDlgItem(d, ids::kVertexXBox)), L"250") << "the boxes keep what was typed";

    Click(d, ids::kVertexLeave);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(d); }));
    p.Post(ids::kVertexProperties);
    d = p.WaitForWindow(L"Coordenadas poligono");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(Text(GetDlgItem(d, ids::kVertexXBox)), L"") << "nothing shown on a new opening";
    SetControlText(GetDlgItem(d, ids::kVertexXBox), L"100");
    SetControlText(GetDlgItem(d, ids::kVertexYBox), L"120");
    Click(d, ids::kVertexApply);  // moves the vertex chosen in the earlier opening
    Click(d, ids::kVertexLeave);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(d); }));
    EXPECT_EQ(CheckMesh(SavedPicture(p, 3), Moved(3, 3, {100, 120}), kMagenta), "");
}

// Full-width digits, as East-Asian input methods type them, read as the number they show.
TEST_F(VertexDialog, FullWidthDigitsMoveTheVertex) {
    HWND d = ChooseThirdVertexOfTheTriangle(p);
    ASSERT_NE(d, nullptr);
    SetControlText(GetDlgItem(d, ids::kVertexXBox), L"\uFF12\uFF15\uFF10");
    SetControlText(GetDlgItem(d, ids::kVertexYBox), L"\uFF12\uFF16\uFF10");
    Click(d, ids::kVertexApply);
    Click(d, ids::kVertexLeave);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(d); }));
    EXPECT_EQ(CheckMesh(SavedPicture(p, 3), Moved(3, 3, {250, 260}), kMagenta), "");
}

}  // namespace
}  // namespace e2e

// The program on the screens people have, as Wine shows them: a display mode of the virtual
// desktop (ChangeDisplaySettingsExW), a dpi (LogPixels, which Wine gives every program started
// after it is set, as Windows gives a DPI-aware one) and, since Wine has none, a task bar.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>

#include "automation/favorites_driver.h"
#include "automation/screen_settings.h"
#include "bmp_file.h"
#include "ids/program_ids.h"
#include "picture_checks.h"
#include "program_probe.h"

namespace e2e {
namespace {

struct Screen {
    int width, height, dpi;
    int zoom;          // of the main window's picture
    int paletteZoom;   // of the favourite colours' palette
    const char* shot;  // a screenshot of the main window is kept under this name, if any
};

std::string Describe(const Screen& s) {
    return std::to_string(s.width) + " x " + std::to_string(s.height) + " at " +
           std::to_string(s.dpi * 100 / 96) + " %";
}

void PrintTo(const Screen& s, std::ostream* out) {
    *out << Describe(s);
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT InClient(HWND parent, HWND control) {
    RECT r = WindowRect(control);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const RECT& a, const RECT& b) {
    RECT both{};
    return IntersectRect(&both, &a, &b) != 0;
}

std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ") - (" +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

// A push button's caption inside its raised edge, in the program's own font; the pixels to
// spare beside it.
int ExpectCaptionWhole(const Program& p, HWND button) {
    RECT client{};
    GetClientRect(button, &client);
    const int edge = GetSystemMetrics(SM_CXEDGE);
    const TextRoom text = TextRoomIn(p, button);
    EXPECT_GT(text.width, 0) << Narrow(Text(button));
    EXPECT_LE(text.width, client.right - 2 * edge) << Narrow(Text(button));
    EXPECT_LE(text.height, client.bottom - 2 * edge) << Narrow(Text(button));
    return client.right - 2 * edge - text.width;
}

// Every item of a list fits its width, and at least two whole rows show; how many.
int ExpectListWhole(const Program& p, HWND list, int dpi) {
    RECT client{};
    GetClientRect(list, &client);
    const TextRoom text = TextRoomIn(p, list);
    const int row = static_cast<int>(SendTo(list, LB_GETITEMHEIGHT));
    EXPECT_LE(text.width, client.right) << "the widest item";
    EXPECT_LE(text.height, row);
    EXPECT_GE(client.bottom / std::max(row, 1), 2) << "whole rows of " << row << " pixels";
    EXPECT_EQ(FontHeight(p, list), -(dpi * 10) / 72);
    return client.bottom / std::max(row, 1);
}

// The main window and the favourite colours on one screen, with a task bar of `taskBar`
// pixels or none.
void CheckScreen(const Screen& s, int taskBar) {
    SCOPED_TRACE(Describe(s) + (taskBar ? ", task bar of " + std::to_string(taskBar) : ""));
    std::optional<TaskBar> bar;
    if (taskBar) bar.emplace(taskBar);
    Program p;
    ASSERT_TRUE(p.Started()) << p.StartFailure();
    ASSERT_EQ(SeenByProgram(p).screenDpi, s.dpi) << "Wine did not give the program the new dpi";
    const RECT work{0, 0, s.width, s.height - taskBar};
    EXPECT_TRUE(Inside(WindowRect(p.Main()), work)) << Describe(WindowRect(p.Main()));

    // The bottom row, whole, inside the client area, over nothing and under the canvas.
    RECT client{};
    GetClientRect(p.Main(), &client);
    HWND canvas = p.Control(ids::kCanvasControl);
    const RECT canvasRect = InClient(p.Main(), canvas);
    const int row[] = {ids::kPaintButton, ids::kMeshButton, ids::kWidthList, ids::kSideList};
    for (int i = 0; i < 4; ++i) {
        const RECT r = InClient(p.Main(), p.Control(row[i]));
        EXPECT_TRUE(Inside(r, client))
            << row[i] << ": " << Describe(r) << " in " << Describe(client);
        EXPECT_GE(r.top, canvasRect.bottom) << row[i];
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(Overlap(r, InClient(p.Main(), p.Control(row[j])))) << row[i];
    }
    const int spare = std::min(ExpectCaptionWhole(p, p.Control(ids::kPaintButton)),
                               ExpectCaptionWhole(p, p.Control(ids::kMeshButton)));
    const int rows = std::min(ExpectListWhole(p, p.Control(ids::kWidthList), s.dpi),
                              ExpectListWhole(p, p.Control(ids::kSideList), s.dpi));

    // The whole picture at its zoom, or a view that scrolls to its last row; a pointer at
    // (z x, z y) of the canvas is at picture pixel (x, y).
    RECT view{};
    GetClientRect(canvas, &view);
    const int z = s.zoom;
    const bool whole = view.right == 800 * z && view.bottom == 800 * z;
    p.Pointer(WM_MOUSEMOVE, z * 305, z * 312);
    EXPECT_EQ(Text(p.Main()), L"X : 305 Y : 312 :: 0");
    const RECT outer = WindowRect(p.Main());
    std::printf(
        "[ E2E      ] %s%s: window %ld x %ld, zoom %d, view %ld x %ld%s, lists of %d "
        "rows, captions with %d pixels or more to spare\n",
        Describe(s).c_str(), taskBar ? ", task bar" : "", outer.right - outer.left,
        outer.bottom - outer.top, z, view.right, view.bottom, whole ? "" : " (scrolls)", rows,
        spare);
    if (!whole) {
        EXPECT_EQ(view.right, 800 * z) << "only short screens scroll";
        EXPECT_TRUE(GetWindowLongW(canvas, GWL_STYLE) & WS_VSCROLL) << "a view that scrolls";
        SendTo(canvas, WM_VSCROLL, SB_BOTTOM);
        p.Pointer(WM_MOUSEMOVE, z * 305, view.bottom - 1);
        EXPECT_EQ(Text(p.Main()), L"X : 305 Y : 799 :: 0") << "the last row in view";
        SendTo(canvas, WM_VSCROLL, SB_TOP);
    }
    if (s.shot && taskBar == 0) {
        p.ChooseListItem(ids::kSideList, 5);  // 8 sides
        p.Send(ids::kPaintButton);
        ASSERT_TRUE(p.WaitForRest());
        const fs::path file = fs::temp_directory_path() / (std::string(s.shot) + ".bmp");
        EXPECT_TRUE(WritePictureBmp(Capture(p.Main()), file));
        std::printf("[ E2E      ] the main window on %s: %s\n", Describe(s).c_str(),
                    Narrow(file.wstring()).c_str());
    }

    // The favourite colours: inside the work area, captions whole, the palette zoomed.
    HWND d = OpenFavorites(p);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(Inside(WindowRect(d), work)) << Describe(WindowRect(d));
    for (int id : {ids::kArchiveButton, ids::kResetButton, ids::kLeaveButton})
        ExpectCaptionWhole(p, GetDlgItem(d, id));
    // The palette control shows the top of its picture at its zoom, with no scroll bars.
    HWND paletteControl = GetDlgItem(d, ids::kPaletteControl);
    RECT palette{};
    GetClientRect(paletteControl, &palette);
    EXPECT_EQ(palette.right, 334 * s.paletteZoom);
    EXPECT_EQ(palette.bottom, 258 * s.paletteZoom);
    const RECT outline = WindowRect(paletteControl);
    EXPECT_EQ(outline.right - outline.left, palette.right + 2) << "a one-pixel outline only";
    LeaveFavorites(p, d);
    EXPECT_EQ(p.Quit(), 0u);
}

class OnScreen : public testing::TestWithParam<Screen> {};

TEST_P(OnScreen, EveryControlShowsWholeInsideTheWorkArea) {
    const Screen& s = GetParam();
    const ScreenDpi dpi(static_cast<DWORD>(s.dpi));
    const ScreenMode mode(s.width, s.height);
    CheckScreen(s, 0);
    CheckScreen(s, 48 * s.dpi / 96);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, OnScreen,
    testing::Values(Screen{1280, 720, 96, 1, 1, nullptr}, Screen{1280, 800, 96, 1, 1, nullptr},
                    Screen{1366, 768, 96, 1, 1, "poligonos-1366x768-100"},
                    Screen{1440, 900, 96, 1, 1, nullptr}, Screen{1600, 900, 96, 1, 1, nullptr},
                    Screen{1920, 1080, 96, 1, 1, nullptr}, Screen{1920, 1080, 120, 1, 1, nullptr},
                    Screen{1920, 1080, 144, 1, 1, "poligonos-1920x1080-150"},
                    Screen{2560, 1440, 96, 1, 1, nullptr}, Screen{2560, 1440, 144, 1, 1, nullptr},
                    Screen{2560, 1440, 168, 1, 1, nullptr}, Screen{3840, 2160, 144, 1, 1, nullptr},
                    Screen{3840, 2160, 192, 2, 2, nullptr}, Screen{3840, 2160, 240, 2, 2, nullptr},
                    Screen{3840, 2160, 288, 2, 3, "poligonos-3840x2160-300"}));

// At zoom 2 a marker is grabbed and dragged by device pixels twice its picture pixels, and a
// palette cell is found under twice its picture position.
TEST(Screens, AtZoomTwoTheMarkersAndThePaletteCellsAreWhereTheyShow) {
    const ScreenDpi dpi(192);
    const ScreenMode mode(3840, 2160);
    Program p;
    ASSERT_TRUE(p.Started()) << p.StartFailure();
    p.ChooseListItem(ids::kSideList, 0);                  // vertex 1 at (300, 310)
    p.Pointer(WM_LBUTTONDOWN, 2 * 308 + 1, 2 * 318 + 1);  // the marker's last picture pixel
    EXPECT_EQ(Text(p.Main()), L"X : 308 Y : 318 :: 1");
    p.Pointer(WM_MOUSEMOVE, 2 * 318, 2 * 314);
    p.Pointer(WM_LBUTTONUP, 2 * 318, 2 * 314);
    EXPECT_EQ(Text(p.Main()), L"X : 318 Y : 314 :: 1");
    std::vector<Vertex> moved = TemplateVertices(3);
    moved[0] = {310, 306};
    EXPECT_EQ(CheckMesh(SavedPicture(p, 3), moved, 0xFF00FF), "");

    WritePaletteFile(p, FileOf(ColouredPalette()));
    HWND d = OpenFavorites(p);
    ASSERT_NE(d, nullptr);
    const POINT middle = BoxMiddle(3, 7);
    OnPalette(d, WM_RBUTTONDOWN, {2 * middle.x, 2 * middle.y});
    const std::uint32_t picked = PixelOf(ColouredPalette()[3 * 13 + 7].color);
    EXPECT_EQ(PixelWhen(GetDlgItem(d, ids::kSelectedColorLabel), 3, 3, picked), picked);
    // The box under the pointer loses its ring: at zoom 2 its ring's pixels show its colour.
    OnPalette(d, WM_MOUSEMOVE, {2 * middle.x, 2 * middle.y});
    const POINT ring{2 * (25 * 7 + 4), 2 * (25 * 3 + 4) + 20};
    EXPECT_EQ(PixelWhen(GetDlgItem(d, ids::kPaletteControl), ring.x, ring.y, 0xFFFFFF), 0xFFFFFFu);
    LeaveFavorites(p, d);
    EXPECT_EQ(p.Quit(), 0u);
}

// On a short screen the wheel scrolls the view, and a vertex dragged to its edge carries it
// along, each move at the edge by a step: the vertex follows the pointer in picture pixels.
TEST(Screens, OnAShortScreenTheWheelAndADragToTheEdgeScrollTheView) {
    const ScreenMode mode(1280, 720);
    Program p;
    ASSERT_TRUE(p.Started()) << p.StartFailure();
    HWND canvas = p.Control(ids::kCanvasControl);
    RECT view{};
    GetClientRect(canvas, &view);
    ASSERT_LT(view.bottom, 800) << "a view that scrolls";
    SendTo(canvas, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)));
    p.Pointer(WM_MOUSEMOVE, 305, 0);
    EXPECT_EQ(Text(p.Main()), L"X : 305 Y : 60 :: 0") << "a notch is three lines of 20";
    SendTo(canvas, WM_VSCROLL, SB_TOP);

    p.ChooseListItem(ids::kSideList, 0);  // vertex 1 at (300, 310)
    p.Pointer(WM_LBUTTONDOWN, 300, 310);
    const int edge = view.bottom - 1;
    for (int move = 0; move < 5; ++move) p.Pointer(WM_MOUSEMOVE, 300, edge);
    int x = 0, y = 0;
    ASSERT_EQ(swscanf(Text(p.Main()).c_str(), L"X : %d Y : %d", &x, &y), 2);
    EXPECT_GT(y, edge) << "the view moved on under the pointer";
    p.Pointer(WM_LBUTTONUP, 300, edge);
    std::vector<Vertex> moved = TemplateVertices(3);
    moved[0] = {300, y};
    EXPECT_EQ(CheckMesh(SavedPicture(p, 3), moved, 0xFF00FF), "");
}

}  // namespace
}  // namespace e2e

// The favourite colours dialog run for real under Wine, driven from a second thread the way a
// user would: pointer messages on the palette, the colour chooser answered, the buttons.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "favorites/favorites_dialog_win.h"
#include "favorites/favorites_store.h"
#include "favorites/selected_color.h"
#include "runtime/canvas/drawing_targets.h"
#include "runtime/files/program_folder.h"

namespace {

using namespace favorites;
using runtime::kBlack;
using runtime::kWhite;
namespace fs = std::filesystem;

std::vector<std::string> prompts;  // touched by the dialog's thread only while it runs
std::atomic<int> answer{IDNO};

int Answer(const std::string& text, int /*style*/, const std::string& /*title*/) {
    prompts.push_back(text);
    return answer.load();
}

bool WaitFor(const std::function<bool()>& ready, int milliseconds = 5000) {
    for (int waited = 0; waited < milliseconds; waited += 20) {
        if (ready()) return true;
        Sleep(20);
    }
    return ready();
}

runtime::COLORREF ControlPixel(HWND dialog, int id, int x, int y) {
    runtime::COLORREF c = -1;
    runtime::WithCanvasControlRaster(reinterpret_cast<runtime::WindowHandle>(dialog), id, [&](const runtime::Raster& r) {
        if (r.Contains(x, y)) c = runtime::ColorFromPixel(r.At(x, y));
    });
    return c;
}

// The columns of the label that hold the text's colour.
std::pair<int, int> InkColumns(HWND dialog, runtime::COLORREF ink) {
    int first = -1, last = -1;
    runtime::WithCanvasControlRaster(reinterpret_cast<runtime::WindowHandle>(dialog), kSelectedColorLabel,
                                     [&](const runtime::Raster& r) {
                                         for (int y = 0; y < r.height; ++y)
                                             for (int x = 0; x < r.width; ++x)
                                                 if (runtime::ColorFromPixel(r.At(x, y)) == ink) {
                                                     if (first < 0 || x < first) first = x;
                                                     last = std::max(last, x);
                                                 }
                                     });
    return {first, last};
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

HWND FindChooser(HWND dialog) {
    struct Search {
        HWND dialog, found;
    } search{dialog, nullptr};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            wchar_t cls[16] = {};
            GetClassNameW(w, cls, 16);
            if (w != s->dialog && std::wstring(cls) == L"#32770" && GetDlgItem(w, 706) && IsWindowVisible(w)) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(FavoritesDialogWin, PaletteChooserLabelArchiveAndLeave) {
    const fs::path file = fs::path(runtime::ExecutableFolder()) / "Mis Colores.log";
    fs::remove(file);
    const PromptFunction previous = SetFavoritesPrompt(Answer);
    prompts.clear();
    SelectedColor = 0x00123456;

    std::vector<std::string> failures;
    auto check = [&](bool ok, const std::string& what) {
        if (!ok) failures.push_back(what);
    };
    std::thread user([&] {
        if (!WaitFor([] { return FavoritesDialog && IsWindowVisible(FavoritesDialog); })) {
            failures.push_back("the dialog did not show");
            return;
        }
        HWND d = FavoritesDialog;
        HWND palette = GetDlgItem(d, kPaletteControl);
        char title[64] = {};
        GetWindowTextA(d, title, sizeof title);
        check(std::string(title) == "Tus Colores Favoritos Cargalos y Guardalos", std::string("title ") + title);
        RECT client{};
        GetClientRect(d, &client);
        check(client.right == 350 && client.bottom == 357, "client size");
        check(!IsWindowEnabled(GetDlgItem(d, kArchiveButton)), "Archivar disabled at the start");

        // 130 white boxes with black rings: cell (9, 12) covers 304 .. 325 x 229 .. 250.
        check(ControlPixel(d, kPaletteControl, 4, 4) == kBlack, "ring of (0, 0)");
        check(ControlPixel(d, kPaletteControl, 10, 10) == kWhite, "inside (0, 0)");
        check(ControlPixel(d, kPaletteControl, 325, 250) == kBlack, "ring of (9, 12)");
        check(ControlPixel(d, kPaletteControl, 326, 250) == kWhite, "past (9, 12)");
        // The label: black text on white, centred, whatever colour was selected before.
        check(ControlPixel(d, kSelectedColorLabel, 2, 2) == kWhite, "label background");
        const auto [left, right] = InkColumns(d, kBlack);
        check(left > 20 && right < 316 && std::abs((left + right) / 2 - 168) <= 6,
              "label centred: " + std::to_string(left) + " .. " + std::to_string(right));

        // Hover over (2, 5): its ring goes white, the others keep theirs.
        SendMessageW(palette, WM_MOUSEMOVE, 0, At(130, 60));
        check(ControlPixel(d, kPaletteControl, 129, 54) == kWhite, "hovered ring");
        check(ControlPixel(d, kPaletteControl, 104, 54) == kBlack, "neighbour ring");
        SendMessageW(palette, WM_MOUSEMOVE, 0, At(130, 255));  // below the rows: stays
        check(ControlPixel(d, kPaletteControl, 129, 54) == kWhite, "last highlight stays");

        // Right clicks: on a ring black (label black, white text), between boxes white.
        SendMessageW(palette, WM_RBUTTONDOWN, MK_RBUTTON, At(4, 4));
        check(SelectedColor == kBlack, "ring picks black");
        check(ControlPixel(d, kSelectedColorLabel, 2, 2) == kBlack, "label black");
        check(InkColumns(d, kWhite).first > 0, "white text on black");
        SendMessageW(palette, WM_RBUTTONDOWN, MK_RBUTTON, At(2, 2));
        check(SelectedColor == kWhite, "gap picks white");

        // Left click on (2, 5); the chooser answered with 10, 20, 30 and OK.
        PostMessageW(palette, WM_LBUTTONDOWN, MK_LBUTTON, At(130, 60));
        HWND chooser = nullptr;
        if (!WaitFor([&] { return (chooser = FindChooser(d)) != nullptr; })) {
            failures.push_back("no colour chooser");
        } else {
            SendMessageW(GetDlgItem(chooser, 706), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"10"));
            SendMessageW(GetDlgItem(chooser, 707), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"20"));
            SendMessageW(GetDlgItem(chooser, 708), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"30"));
            PostMessageW(chooser, WM_COMMAND, IDOK, 0);
            check(WaitFor([&] { return IsWindowEnabled(GetDlgItem(d, kArchiveButton)) != FALSE; }),
                  "Archivar enabled by the change");
            check(FavoriteColors[2][5].color == 0x001E140A, "cell (2, 5) changed");
            SendMessageW(palette, WM_MOUSEMOVE, 0, At(10, 10));
            check(ControlPixel(d, kPaletteControl, 140, 65) == 0x001E140A, "new colour shows after a move");
        }

        // Archivar writes the file; the button goes grey again.
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(kArchiveButton, BN_CLICKED), 0);
        check(fs::exists(file) && fs::file_size(file) == 3120, "3120 bytes archived");
        check(!IsWindowEnabled(GetDlgItem(d, kArchiveButton)), "Archivar disabled after archiving");

        // Reset answered Yes: the file goes, the selected colour is white.
        answer = IDYES;
        SelectedColor = kBlack;
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(kResetButton, BN_CLICKED), 0);
        check(!fs::exists(file), "reset deletes the file");
        check(SelectedColor == kWhite, "reset selects white");
        check(ControlPixel(d, kPaletteControl, 140, 65) == kWhite, "default palette again");

        // A change, then Salir answered No: closes without saving.
        answer = IDNO;
        FavoritesModified = 1;
        PostMessageW(d, WM_COMMAND, MAKEWPARAM(kLeaveButton, BN_CLICKED), 0);
    });
    const INT_PTR result = ShowFavoritesDialog(nullptr);
    user.join();
    SetFavoritesPrompt(previous);

    EXPECT_EQ(result, 0);
    for (const std::string& f : failures) ADD_FAILURE() << f;
    ASSERT_EQ(prompts.size(), 3u);
    EXPECT_EQ(prompts[0], "Mis Colores Favoritos han sido Archivados");
    EXPECT_EQ(prompts[1].rfind("Realmente desea RESETEAR ?", 0), 0u);
    EXPECT_EQ(prompts[2], "Desea guardar los cambios antes de Salir ?");
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(FavoritesDialog, nullptr);
    fs::remove(file);
}

}  // namespace

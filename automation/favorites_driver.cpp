#include "automation/favorites_driver.h"

#include <fstream>

#include "automation/failure.h"
#include "ids/program_ids.h"

namespace e2e {

const wchar_t* const kFavoritesTitle = L"Tus Colores Favoritos Cargalos y Guardalos";
const wchar_t* const kArchivedText = L"Mis Colores Favoritos han sido Archivados";

HWND OpenFavorites(const Program& p) {
    p.Post(ids::kFavoriteColors);
    return p.WaitForWindow(kFavoritesTitle);
}

POINT BoxMiddle(int row, int column) {
    return {25 * column + 14, 25 * row + 14};
}

void OnPalette(HWND dialog, UINT message, POINT at) {
    const WPARAM buttons = message == WM_RBUTTONDOWN ? MK_RBUTTON : 0;
    SendTo(GetDlgItem(dialog, ids::kPaletteControl), message, buttons, MAKELPARAM(at.x, at.y));
}

HWND OpenChooser(const Program& p, HWND dialog, POINT at) {
    PostMessageW(GetDlgItem(dialog, ids::kPaletteControl), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(at.x, at.y));
    return p.WaitForDialogWith(kChooserRed);
}

bool AcceptChooser(HWND chooser, int red, int green, int blue) {
    if (red >= 0) {
        SetControlText(GetDlgItem(chooser, kChooserRed), std::to_wstring(red));
        SetControlText(GetDlgItem(chooser, kChooserGreen), std::to_wstring(green));
        SetControlText(GetDlgItem(chooser, kChooserBlue), std::to_wstring(blue));
    }
    PostMessageW(chooser, WM_COMMAND, IDOK, 0);
    return WaitFor([&] { return !IsWindow(chooser); });
}

bool ChangeCellToGrey(const Program& p, HWND dialog, int row, int column) {
    HWND chooser = OpenChooser(p, dialog, BoxMiddle(row, column));
    return chooser && AcceptChooser(chooser) &&
           WaitFor([&] { return IsWindowEnabled(GetDlgItem(dialog, ids::kArchiveButton)); });
}

std::vector<std::wstring> LeaveFavorites(const Program& p, HWND dialog, int answer) {
    Click(dialog, ids::kLeaveButton);
    auto boxes = AnswerEveryBox(p, answer);
    if (!WaitFor([&] { return !IsWindow(dialog); }))
        Fail("the favourite colours dialog did not close after \"Salir\"");
    return boxes;
}

std::vector<favorites::FavoriteColorRecord> ColouredPalette() {
    std::vector<favorites::FavoriteColorRecord> cells;
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 13; ++c)
            cells.push_back(
                favorites::DefaultCell(r, c, (20 * c + 5) | (25 * r + 5) << 8 | 0xC8 << 16));
    return cells;
}

std::vector<favorites::FavoriteColorRecord> WhitePalette() {
    std::vector<favorites::FavoriteColorRecord> cells;
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 13; ++c) cells.push_back(favorites::DefaultCell(r, c, 0x00FFFFFF));
    return cells;
}

std::vector<std::uint8_t> FileOf(const std::vector<favorites::FavoriteColorRecord>& records) {
    std::vector<std::uint8_t> bytes;
    for (const auto& r : records) {
        const auto one = favorites::EncodeRecord(r);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

fs::path PaletteFile(const Program& p) {
    return p.ProgramFolder() / "Mis Colores.log";
}

void WritePaletteFile(const Program& p, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(PaletteFile(p), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

}  // namespace e2e

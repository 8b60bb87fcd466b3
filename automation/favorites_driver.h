#pragma once
// Driving "Tus Colores Favoritos" from outside: opening it, the pointer on its palette, the
// colour chooser, the boxes it shows, and palette files written beside the program.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "automation/program_driver.h"
#include "favorites/favorites_store.h"

namespace e2e {

constexpr int kChooserRed = 706, kChooserGreen = 707,
              kChooserBlue = 708;  // the chooser's edit boxes
extern const wchar_t* const kFavoritesTitle;
extern const wchar_t* const kArchivedText;

// Posts the menu command and waits for the dialog; null if it did not come.
HWND OpenFavorites(const Program& p);
// Where the box of a cell has its middle, in the palette control's client coordinates.
POINT BoxMiddle(int row, int column);
// A pointer message sent to the palette (moves and right clicks, which open nothing).
void OnPalette(HWND dialog, UINT message, POINT at);
// A left click on the palette, posted, and the colour chooser it opens; null if none came.
HWND OpenChooser(const Program& p, HWND dialog, POINT at);
// Answers the chooser with OK, after typing red, green and blue when they are given.
bool AcceptChooser(HWND chooser, int red = -1, int green = -1, int blue = -1);
// Changes a cell to mid grey through the chooser, as a user does to have something to archive.
bool ChangeCellToGrey(const Program& p, HWND dialog, int row, int column);
// Leaves the dialog with "Salir", answering a question with `answer` if one comes: the texts
// of the boxes. Throws a Failure when the dialog does not close.
std::vector<std::wstring> LeaveFavorites(const Program& p, HWND dialog, int answer = IDNO);

// The 130 palette cells in row-major order, each with a colour of its own.
std::vector<favorites::FavoriteColorRecord> ColouredPalette();
// The 130 palette cells in row-major order, white, as the program starts them.
std::vector<favorites::FavoriteColorRecord> WhitePalette();
std::vector<std::uint8_t> FileOf(const std::vector<favorites::FavoriteColorRecord>& records);
void WritePaletteFile(const Program& p, const std::vector<std::uint8_t>& bytes);
fs::path PaletteFile(const Program& p);

}  // namespace e2e

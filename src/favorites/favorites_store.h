#pragma once
// The palette of 130 favourite colours, 10 rows of 13: in memory as a table of cells, on disk
// as "Mis Colores.log", 24-byte records beside the program.

#include <array>
#include <cstdint>
#include <string>

#include "runtime/canvas/colors.h"

namespace favorites {

// One cell; the same 24 bytes, little-endian, in memory and in the file.
struct FavoriteColorRecord {
    std::int32_t left = 0, right = 0, top = 0, bottom = 0;
    std::int16_t column = 0, row = 0;
    runtime::COLORREF color = 0;
};
static_assert(sizeof(FavoriteColorRecord) == 24, "the record is stored as it is");

constexpr int kTableSize = 51;
using FavoriteTable = std::array<std::array<FavoriteColorRecord, kTableSize>, kTableSize>;
extern FavoriteTable FavoriteColors;  // [row][column]

// The palette's geometry, set when its dialog opens and on a reset.
extern int FavoriteColumns, FavoriteRows, CellWidth, CellHeight, SwatchInset, SwatchPenWidth;
void SetDefaultGeometry();

extern int FavoritesModified;

// The folder of the palette file, with its trailing separator; the dialog sets it.
extern std::string FavoritesFolder;
std::string FavoritesPath();

// How the store speaks to the user: a message box with the title "Programador" and `style`
// (0 OK, 4 Yes/No); the answer comes back (6 is Yes). Nothing is shown until one is set.
using MessageFunction = int (*)(const std::string& text, int style);
void SetMessageFunction(MessageFunction show);

bool FileExists(const std::string& path);
void ResetFavorites();       // the white default palette
void LoadFavorites();        // whatever the file holds; an unreadable file gives all zeros
void RemoveFavoritesFile();  // ignores every error

// Writes the 130 cells to a new file beside the palette file, telling the user of each
// record that fails, and puts it in the palette file's place only when all were written.
// True when the palette file now holds the palette.
bool SaveFavorites();
// Adds one record at the end of `path`; a failure is shown as "Err: " and its number.
bool AppendFavoriteRecord(const FavoriteColorRecord& record, const std::string& path);

// "Reseteo": asks, and on Yes deletes the file and restores the default palette. True on Yes.
bool ResetOnRequest();
// "Archivar": saves, clears FavoritesModified and says so. True when the palette is stored;
// after a failure the changes still count as not stored.
bool ArchiveFavorites();

}  // namespace favorites

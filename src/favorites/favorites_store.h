#pragma once
// The palette of favourite colours: 10 rows of 13 cells kept in a 51 x 51 table, its file
// "Mis Colores.log" of 24-byte records beside the executable, and the archive and reset the
// dialog offers. Nothing here draws; messages go through a prompt the dialog supplies.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "runtime/canvas/colors.h"

namespace favorites {

// One cell, in memory and in the file alike: little-endian, no padding.
struct FavoriteColorRecord {
    std::int32_t left = 0;  // the cell's rectangle in the palette picture, pixels
    std::int32_t right = 0;
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    std::int16_t column = 0;  // 0 .. 12 for a palette cell
    std::int16_t row = 0;     // 0 .. 9 for a palette cell
    runtime::COLORREF color = 0;

    friend bool operator==(const FavoriteColorRecord&, const FavoriteColorRecord&) = default;
};
static_assert(sizeof(FavoriteColorRecord) == 24);
static_assert(offsetof(FavoriteColorRecord, left) == 0 &&
              offsetof(FavoriteColorRecord, right) == 4 &&
              offsetof(FavoriteColorRecord, top) == 8 &&
              offsetof(FavoriteColorRecord, bottom) == 12 &&
              offsetof(FavoriteColorRecord, column) == 16 &&
              offsetof(FavoriteColorRecord, row) == 18 &&
              offsetof(FavoriteColorRecord, color) == 20);

constexpr int kRecordLength = 24;
constexpr int kTableSize = 51;  // rows and columns 0 .. 50 can be held

using RecordBytes = std::array<std::uint8_t, kRecordLength>;
RecordBytes EncodeRecord(const FavoriteColorRecord& record);
FavoriteColorRecord DecodeRecord(std::span<const std::uint8_t, kRecordLength> bytes);

// Indexed [row][column].
using FavoriteTable = std::array<std::array<FavoriteColorRecord, kTableSize>, kTableSize>;
extern FavoriteTable FavoriteColors;

// The palette's geometry: 10 rows of 13 cells of 25 x 25 pixels, each drawn as a box 3 pixels
// in from its cell's top-left corner with a 1-pixel outline.
constexpr int FavoriteColumns = 13;
constexpr int FavoriteRows = 10;
constexpr int CellWidth = 25;
constexpr int CellHeight = 25;
constexpr int SwatchInset = 3;
constexpr int SwatchPenWidth = 1;
static_assert(FavoriteColumns <= kTableSize && FavoriteRows <= kTableSize);

// 1 once a colour was changed and not yet archived.
extern int FavoritesModified;

// The folder the file lives in, with its trailing separator; the dialog sets it.
extern std::filesystem::path FavoritesFolder;
std::filesystem::path FavoritesFilePath();  // FavoritesFolder + "Mis Colores.log"

// How the store talks to the user: a message box with a text, buttons and title, giving the
// button pressed. The platform's box by default; tests put their own in.
using PromptFunction = int (*)(const std::string& text, int style, const std::string& title);
PromptFunction SetFavoritesPrompt(PromptFunction prompt);  // gives back the one it replaces
constexpr int kPromptOk = 0;                               // MB_OK
constexpr int kPromptYesNo = 4;                            // MB_YESNO
constexpr int kAnswerOk = 1;                               // IDOK
constexpr int kAnswerYes = 6;                              // IDYES
constexpr int kAnswerNo = 7;                               // IDNO

// True when the file or folder exists; never leaves an error behind.
bool FileExists(const std::filesystem::path& path);

// The cell (row, column) of the default palette, with its origin at (1, 1), in `color`.
FavoriteColorRecord DefaultCell(int row, int column, runtime::COLORREF color);
// The table all zero, then the 10 x 13 white default palette.
void ResetFavorites();
// The table all zero, then every whole record of the file stored in the cell it names
// (records naming a row or column outside 0 .. 50 are skipped). Reports nothing.
void LoadFavorites();
// Clears the file's attributes and deletes it, ignoring every error.
void RemoveFavoritesFile();
// Adds the record at the end of the file at `path`; a failure is shown as "Err: " with the
// error number and its text. False on a failure.
bool AppendFavoriteRecord(const std::filesystem::path& path, const FavoriteColorRecord& record);
// Writes the palette cells row by row to a new file and puts it in the place of the old
// one only when every record was written; the old file stays otherwise. False on a failure,
// which has been shown.
bool SaveFavorites();

// "Archivar": saves, and on success clears FavoritesModified and says so. True on success.
bool ArchiveFavorites();
// "Reseteo": asks, and on Yes deletes the file and rebuilds the default palette. True on Yes.
bool AskAndResetFavorites();
// "Salir": when there are unarchived changes, offers to save them.
void OfferToSaveFavorites();
// The dialog's opening: geometry, FavoritesModified 0, and the table from the file or the
// defaults.
void OpenFavorites();

}  // namespace favorites

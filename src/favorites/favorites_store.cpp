#include "favorites/favorites_store.h"

#include <cstring>

#include "runtime/files/error_number.h"
#include "runtime/files/number_text.h"
#include "runtime/files/record_file.h"

namespace favorites {

using namespace runtime;

FavoriteTable FavoriteColors{};
int FavoriteColumns = 13, FavoriteRows = 10, CellWidth = 25, CellHeight = 25, SwatchInset = 3,
    SwatchPenWidth = 1;
int FavoritesModified = 0;
std::string FavoritesFolder;

namespace {

constexpr int kRecordLength = sizeof(FavoriteColorRecord);
constexpr int kYes = 6;
MessageFunction showMessage = nullptr;

int Show(const std::string& text, int style) { return showMessage ? showMessage(text, style) : 0; }

void ShowError(int number) { Show("Err: " + NumberToText(number) + " " + ErrorText(number), 0); }

// The record as its 24 bytes, little-endian whatever the machine.
std::array<std::uint8_t, kRecordLength> Bytes(const FavoriteColorRecord& r) {
    std::array<std::uint8_t, kRecordLength> b{};
    auto put = [&](int at, std::uint32_t v, int size) {
        for (int i = 0; i < size; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    put(0, static_cast<std::uint32_t>(r.left), 4);
    put(4, static_cast<std::uint32_t>(r.right), 4);
    put(8, static_cast<std::uint32_t>(r.top), 4);
    put(12, static_cast<std::uint32_t>(r.bottom), 4);
    put(16, static_cast<std::uint16_t>(r.column), 2);
    put(18, static_cast<std::uint16_t>(r.row), 2);
    put(20, static_cast<std::uint32_t>(r.color), 4);
    return b;
}

FavoriteColorRecord Record(const std::array<std::uint8_t, kRecordLength>& b) {
    auto get = [&](int at, int size) {
        std::uint32_t v = 0;
        for (int i = size - 1; i >= 0; --i) v = (v << 8) | b[at + i];
        return v;
    };
    FavoriteColorRecord r;
    r.left = static_cast<std::int32_t>(get(0, 4));
    r.right = static_cast<std::int32_t>(get(4, 4));
    r.top = static_cast<std::int32_t>(get(8, 4));
    r.bottom = static_cast<std::int32_t>(get(12, 4));
    r.column = static_cast<std::int16_t>(get(16, 2));
    r.row = static_cast<std::int16_t>(get(18, 2));
    r.color = static_cast<COLORREF>(get(20, 4));
    return r;
}

}  // namespace

void SetDefaultGeometry() {
    FavoriteColumns = 13;
    FavoriteRows = 10;
    CellWidth = 25;
    CellHeight = 25;
    SwatchInset = 3;
    SwatchPenWidth = 1;
}

std::string FavoritesPath() { return FavoritesFolder + "Mis Colores.log"; }

void SetMessageFunction(MessageFunction show) { showMessage = show; }

bool FileExists(const std::string& path) {
    ProcedureError error;
    FileAttributes(path);
    return error.Clear() == 0;
}

void ResetFavorites() {
    FavoriteColors = {};
    for (int r = 0; r < FavoriteRows && r < kTableSize; ++r)
        for (int c = 0; c < FavoriteColumns && c < kTableSize; ++c) {
            FavoriteColorRecord& cell = FavoriteColors[r][c];
            cell.left = CellWidth * c + 1;
            cell.right = CellWidth * (c + 1) + 1;
            cell.top = CellHeight * r + 1;
            cell.bottom = CellHeight * (r + 1) + 1;
            cell.column = static_cast<std::int16_t>(c);
            cell.row = static_cast<std::int16_t>(r);
            cell.color = kWhite;
        }
}

void LoadFavorites() {
    ProcedureError error;
    FavoriteColors = {};
    const int file = FreeFileNumber();
    OpenRecordFile(file, FavoritesPath(), kRecordLength, RecordAccess::ReadOnly);
    const std::int64_t records = FileLength(file) / kRecordLength;
    std::array<std::uint8_t, kRecordLength> bytes{};
    for (std::int64_t k = 1; k <= records; ++k) {
        ReadRecord(file, k, bytes);
        const FavoriteColorRecord r = Record(bytes);
        if (r.row < 0 || r.row >= kTableSize || r.column < 0 || r.column >= kTableSize) continue;
        FavoriteColors[r.row][r.column] = r;
    }
    CloseFile(file);
}

void RemoveFavoritesFile() {
    ProcedureError error;
    ChangeFileAttributes(FavoritesPath(), kAttributeArchive);
    ClearError();
    DeleteFiles(FavoritesPath());
    ClearError();
}

bool AppendFavoriteRecord(const FavoriteColorRecord& record, const std::string& path) {
    ProcedureError error;
    const auto bytes = Bytes(record);
    const int file = FreeFileNumber();
    OpenRecordFile(file, path, kRecordLength, RecordAccess::WriteOnly);
    const std::int64_t next = FileLength(file) / kRecordLength + 1;
    WriteRecord(file, next, bytes);
    const bool failed = error.Number() != 0;
    CloseFile(file);
    if (failed) ShowError(error.Number());
    return !failed;
}

bool SaveFavorites() {
    // The palette goes to a file of its own first: a failure half-way must not cost the user
    // the palette stored before.
    const std::string path = FavoritesPath(), fresh = path + ".nuevo";
    {
        ProcedureError error;
        DeleteFiles(fresh);  // a leftover of an interrupted save
    }
    bool complete = true;
    for (int r = 0; r < FavoriteRows && r < kTableSize; ++r)
        for (int c = 0; c < FavoriteColumns && c < kTableSize; ++c)
            complete = AppendFavoriteRecord(FavoriteColors[r][c], fresh) && complete;
    ProcedureError error;
    if (complete) {
        ReplaceFile(fresh, path);
        if (error.Number() == 0) return true;
        ShowError(error.Number());
    }
    ChangeFileAttributes(fresh, kAttributeArchive);
    DeleteFiles(fresh);
    return false;
}

bool ResetOnRequest() {
    if (Show("Realmente desea RESETEAR ?\r\nSe perderan todos tus colores favoritos", 4) != kYes) return false;
    RemoveFavoritesFile();
    SetDefaultGeometry();
    ResetFavorites();
    return true;
}

bool ArchiveFavorites() {
    // The old file is not deleted first: it stays until the new palette takes its place.
    if (!SaveFavorites()) return false;
    FavoritesModified = 0;
    Show("Mis Colores Favoritos han sido Archivados", 0);
    return true;
}

}  // namespace favorites

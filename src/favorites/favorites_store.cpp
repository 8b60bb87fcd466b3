#include "favorites/favorites_store.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "runtime/dialogs/message_title.h"
#include "runtime/files/error_number.h"
#include "runtime/files/little_endian.h"
#include "runtime/files/number_text.h"
#include "runtime/files/record_file.h"
#include "runtime/files/replacement_file.h"

namespace favorites {

using namespace runtime;

// The platform's message box (favorites_prompt_*.cpp).
int PlatformPrompt(const std::string& text, int style, const std::string& title);

FavoriteTable FavoriteColors{};

int FavoritesModified = 0;
std::filesystem::path FavoritesFolder;

namespace {

PromptFunction prompt = PlatformPrompt;

// Records read at a time: a palette file is read in a handful of calls however long it is.
constexpr int kRecordsPerBlock = 1024;
static_assert(kRecordsPerBlock * kRecordLength <= kLongestRecord);

bool InTable(int row, int column) {
    return row >= 0 && row < kTableSize && column >= 0 && column < kTableSize;
}

void ShowError(int e) {
    prompt("Err: " + NumberToText(e) + " " + ErrorText(e), kPromptOk, runtime::kMessageTitle);
}

// Removing ignores every error: a missing file, or one that cannot be changed.
void RemoveQuietly(const std::filesystem::path& path) {
    ProcedureError error;
    ChangeFileAttributes(path, runtime::kAttributeArchive);
    error.Clear();
    DeleteFiles(path);
    error.Clear();
}

// The palette cells row by row, as the file holds them.
std::vector<std::uint8_t> PaletteBytes() {
    std::vector<std::uint8_t> bytes;
    for (int r = 0; r < FavoriteRows; ++r)
        for (int c = 0; c < FavoriteColumns; ++c) {
            const RecordBytes one = EncodeRecord(FavoriteColors[r][c]);
            bytes.insert(bytes.end(), one.begin(), one.end());
        }
    return bytes;
}

}  // namespace

RecordBytes EncodeRecord(const FavoriteColorRecord& r) {
    RecordBytes b{};
    PutLittleEndian32(&b[0], static_cast<std::uint32_t>(r.left));
    PutLittleEndian32(&b[4], static_cast<std::uint32_t>(r.right));
    PutLittleEndian32(&b[8], static_cast<std::uint32_t>(r.top));
    PutLittleEndian32(&b[12], static_cast<std::uint32_t>(r.bottom));
    PutLittleEndian16(&b[16], static_cast<std::uint16_t>(r.column));
    PutLittleEndian16(&b[18], static_cast<std::uint16_t>(r.row));
    PutLittleEndian32(&b[20], static_cast<std::uint32_t>(r.color));
    return b;
}

FavoriteColorRecord DecodeRecord(std::span<const std::uint8_t, kRecordLength> b) {
    FavoriteColorRecord r;
    r.left = static_cast<std::int32_t>(GetLittleEndian32(&b[0]));
    r.right = static_cast<std::int32_t>(GetLittleEndian32(&b[4]));
    r.top = static_cast<std::int32_t>(GetLittleEndian32(&b[8]));
    r.bottom = static_cast<std::int32_t>(GetLittleEndian32(&b[12]));
    r.column = static_cast<std::int16_t>(GetLittleEndian16(&b[16]));
    r.row = static_cast<std::int16_t>(GetLittleEndian16(&b[18]));
    r.color = static_cast<std::int32_t>(GetLittleEndian32(&b[20]));
    return r;
}

std::filesystem::path FavoritesFilePath() {
    std::filesystem::path file = FavoritesFolder;
    return file += "Mis Colores.log";
}

PromptFunction SetFavoritesPrompt(PromptFunction p) {
    return std::exchange(prompt, p ? p : PlatformPrompt);
}

bool FileExists(const std::filesystem::path& path) {
    ProcedureError error;  // ours, so nothing reaches the caller
    FileAttributes(path);
    return error.Number() == 0;
}

FavoriteColorRecord DefaultCell(int row, int column, COLORREF color) {
    return {CellWidth * column + 1,
            CellWidth * (column + 1) + 1,
            CellHeight * row + 1,
            CellHeight * (row + 1) + 1,
            static_cast<std::int16_t>(column),
            static_cast<std::int16_t>(row),
            color};
}

void ResetFavorites() {
    FavoriteColors = {};
    for (int r = 0; r < FavoriteRows; ++r)
        for (int c = 0; c < FavoriteColumns; ++c) FavoriteColors[r][c] = DefaultCell(r, c, kWhite);
}

void LoadFavorites() {
    ProcedureError error;
    FavoriteColors = {};
    const int n = FreeFileNumber();
    OpenRecordFile(n, FavoritesFilePath(), kRecordsPerBlock * kRecordLength,
                   RecordAccess::ReadOnly);
    if (error.Number() != 0) return;  // an unopenable file leaves the table empty
    const std::int64_t records = FileLength(n) / kRecordLength;  // a partial last record is ignored
    std::vector<std::uint8_t> block(static_cast<std::size_t>(kRecordsPerBlock) * kRecordLength);
    for (std::int64_t first = 0; first < records && error.Number() == 0;
         first += kRecordsPerBlock) {
        ReadRecord(n, first / kRecordsPerBlock + 1, block);
        const std::int64_t inBlock = std::min<std::int64_t>(kRecordsPerBlock, records - first);
        for (std::int64_t k = 0; k < inBlock; ++k) {
            const FavoriteColorRecord r = DecodeRecord(std::span<const std::uint8_t, kRecordLength>(
                block.data() + k * kRecordLength, kRecordLength));
            if (InTable(r.row, r.column)) FavoriteColors[r.row][r.column] = r;
        }
    }
    CloseFile(n);
}

void RemoveFavoritesFile() {
    RemoveQuietly(FavoritesFilePath());
}

bool AppendFavoriteRecord(const std::filesystem::path& path, const FavoriteColorRecord& record) {
    ProcedureError error;
    const RecordBytes bytes = EncodeRecord(record);
    const int n = FreeFileNumber();
    OpenRecordFile(n, path, kRecordLength, RecordAccess::WriteOnly);
    const std::int64_t records = FileLength(n) / kRecordLength;
    WriteRecord(n, records + 1, bytes);
    CloseFile(n);
    // The number shown is the last one set: when the file would not open, the length and the
    // write fail in turn with 52.
    if (error.Number() == 0) return true;
    ShowError(error.Number());
    return false;
}

bool SaveFavorites() {
    // The records go to a new file of their own, which takes the old one's place only once
    // every record is in it: a failure half way leaves the palette on disk as it was. Like
    // removing the old file first would, the replacement takes its read-only attribute off.
    ReplacementFile file(FavoritesFilePath(), ReadOnlyTarget::Clear);
    std::filesystem::path newFile;
    {
        // Where no new file can be made beside it, the palette goes into the file itself, in
        // one write; failing that too shows as each record failing, as on a file that will
        // not open (52).
        ProcedureError unread;
        if (file.Open())
            newFile = file.HandOver();
        else if (file.WriteInPlace(PaletteBytes()))
            return true;
    }
    bool written = true;
    for (int r = 0; r < FavoriteRows; ++r)
        for (int c = 0; c < FavoriteColumns; ++c)
            written = AppendFavoriteRecord(newFile, FavoriteColors[r][c]) && written;
    if (!written) return false;
    ProcedureError error;
    if (file.Commit()) return true;
    ShowError(error.Number());
    return false;
}

bool ArchiveFavorites() {
    if (!SaveFavorites()) return false;  // the user has seen why; the changes are still unsaved
    FavoritesModified = 0;
    prompt("Mis Colores Favoritos han sido Archivados", kPromptOk, runtime::kMessageTitle);
    return true;
}

bool AskAndResetFavorites() {
    const int answer =
        prompt("Realmente desea RESETEAR ?\r\nSe perderan todos tus colores favoritos",
               kPromptYesNo, runtime::kMessageTitle);
    if (answer != kAnswerYes) return false;
    RemoveFavoritesFile();
    ResetFavorites();
    return true;
}

void OfferToSaveFavorites() {
    if (FavoritesModified != 1) return;
    if (prompt("Desea guardar los cambios antes de Salir ?", kPromptYesNo,
               runtime::kMessageTitle) == kAnswerYes)
        SaveFavorites();
}

void OpenFavorites() {
    FavoritesModified = 0;
    if (FileExists(FavoritesFilePath()))
        LoadFavorites();
    else
        ResetFavorites();
}

}  // namespace favorites

// Arbitrary bytes as "Mis Colores.log": loading never fails or reports, and leaves in the table
// exactly what the file's whole records say for cells inside it and the file as it was. (What
// the cells can then hold, any decoded record, is drawn by the palette picture's fuzzer.) The
// file is kept in memory (the fuzz tree's record file backend), so an input costs no real file.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "favorites/favorites_store.h"
#include "runtime/files/error_number.h"
#include "runtime/files/record_file_memory.h"
#include "runtime/files/replacement_file.h"

using namespace favorites;

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

int Silent(const std::string&, int, const std::string&) {
    __builtin_trap();  // loading must never speak to the user
}

}  // namespace

// Once per run, the store's archive through the memory files: the old file replaced by the
// palette's 130 records in row-major order, and no temporary file left behind. The inputs
// then start from no files at all.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FavoritesFolder = "fuzz/";
    SetFavoritesPrompt(Silent);
    ResetFavorites();
    FavoriteColors[9][12].color = 0x00123456;
    runtime::memory_files::Put(FavoritesFilePath(), std::vector<std::uint8_t>(30, 0xAB));
    Check(SaveFavorites());
    const auto saved = runtime::memory_files::Get(FavoritesFilePath());
    Check(saved && saved->size() == 130 * kRecordLength);
    for (int k = 0; k < 130; ++k) {
        const auto bytes = std::span(*saved).subspan(k * kRecordLength).first<kRecordLength>();
        Check(DecodeRecord(bytes) == FavoriteColors[k / 13][k % 13]);
    }
    Check(!runtime::memory_files::Get(runtime::ReplacementName(FavoritesFilePath(), 0)));
    runtime::memory_files::Clear();
    Check(!runtime::memory_files::Get(FavoritesFilePath()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FavoritesFolder = "fuzz/";
    SetFavoritesPrompt(Silent);
    const std::span<const std::uint8_t> file(data, size);
    runtime::memory_files::Put(FavoritesFilePath(), file);

    static FavoriteTable expected;
    expected = {};
    for (std::size_t k = 0; k + kRecordLength <= size; k += kRecordLength) {
        const FavoriteColorRecord r =
            DecodeRecord(std::span<const std::uint8_t, kRecordLength>(data + k, kRecordLength));
        if (r.row >= 0 && r.row < kTableSize && r.column >= 0 && r.column < kTableSize)
            expected[r.row][r.column] = r;
    }
    runtime::ProcedureError error;
    LoadFavorites();
    Check(error.Number() == 0);
    // Records have no padding: the tables are equal byte for byte (and far faster compared so).
    Check(std::memcmp(&FavoriteColors, &expected, sizeof expected) == 0);
    const auto after = runtime::memory_files::Get(FavoritesFilePath());
    Check(after && std::equal(after->begin(), after->end(), file.begin(), file.end()));
    return 0;
}

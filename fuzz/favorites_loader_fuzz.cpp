// Arbitrary bytes as "Mis Colores.log": loading never fails or reports, and leaves in the
// table exactly what the file's whole records say for cells inside it.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "favorites/favorites_store.h"
#include "runtime/files/error_number.h"

using namespace favorites;

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

int Silent(const std::string&, int, const std::string&) {
    __builtin_trap();  // loading must never speak to the user
}

char folder[] = "/tmp/poligonos-fuzz-favorites-XXXXXX";

const std::string& Folder() {
    static const std::string made = [] {
        Check(mkdtemp(folder) != nullptr);
        std::atexit([] {
            unlink((std::string(folder) + "/Mis Colores.log").c_str());
            rmdir(folder);
        });
        return std::string(folder) + "/";
    }();
    return made;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FavoritesFolder = Folder();
    SetFavoritesPrompt(Silent);
    FILE* out = std::fopen(FavoritesFilePath().c_str(), "wb");
    Check(out != nullptr);
    Check(std::fwrite(data, 1, size, out) == size);
    Check(std::fclose(out) == 0);

    static FavoriteTable expected;
    expected = {};
    for (std::size_t k = 0; k + kRecordLength <= size; k += kRecordLength) {
        const FavoriteColorRecord r = DecodeRecord(std::span<const std::uint8_t, kRecordLength>(data + k, kRecordLength));
        if (r.row >= 0 && r.row < kTableSize && r.column >= 0 && r.column < kTableSize) expected[r.row][r.column] = r;
    }
    runtime::ProcedureError error;
    LoadFavorites();
    Check(error.Number() == 0);
    Check(FavoriteColors == expected);
    return 0;
}

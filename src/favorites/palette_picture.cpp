#include "favorites/palette_picture.h"

#include <algorithm>
#include <cstdint>

#include "favorites/favorites_store.h"
#include "runtime/files/error_number.h"
#include "runtime/files/invariant.h"

namespace favorites {

using namespace runtime;

void ClearPalette(TargetHandle bitmap) {
    ProcedureError unread;
    AttachTarget(bitmap, 0, 0);
    ClearTarget(kWhite, 0);
}

void DrawCellBox(int row, int column, COLORREF ringColor) {
    ProcedureError unread;
    POLIGONOS_INVARIANT(row >= 0 && row < FavoriteRows && column >= 0 && column < FavoriteColumns);
    const FavoriteColorRecord& cell = FavoriteColors[row][column];
    // A file may put a cell anywhere in the 32-bit range: its inset corner is worked out in
    // 64 bits, so one near the top of the range lies beyond it instead of wrapping round.
    const auto inset = [](std::int32_t edge) {
        return static_cast<float>(std::int64_t{edge} + SwatchInset);
    };
    DrawBox(inset(cell.left), inset(cell.top), static_cast<float>(cell.right),
            static_cast<float>(cell.bottom), 0, ringColor, cell.color, 0);
}

void DrawPalette(TargetHandle bitmap) {
    ProcedureError unread;
    AttachTarget(bitmap, 0, 0);
    SetPenWidth(SwatchPenWidth);
    for (int r = 0; r < FavoriteRows; ++r)
        for (int c = 0; c < FavoriteColumns; ++c) DrawCellBox(r, c, kBlack);
}

std::optional<CellPosition> CellAt(unsigned x, unsigned y) {
    const unsigned column = x / unsigned{CellWidth}, row = y / unsigned{CellHeight};
    if (column >= unsigned{FavoriteColumns} || row >= unsigned{FavoriteRows}) return std::nullopt;
    return CellPosition{static_cast<int>(row), static_cast<int>(column)};
}

}  // namespace favorites

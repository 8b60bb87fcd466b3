#pragma once
// The picture of the palette: one box per cell, and which cell lies under the pointer.

#include <optional>

#include "runtime/canvas/drawing_targets.h"

namespace favorites {

constexpr int kPaletteWidth = 336;
constexpr int kPaletteHeight = 312;

// Attaches the bitmap and clears it to white.
void ClearPalette(runtime::TargetHandle bitmap);
// Attaches the bitmap and draws the boxes of the palette's rows and columns, row by row.
void DrawPalette(runtime::TargetHandle bitmap);
// Draws the box of one cell on the current target with the given ring colour.
void DrawCellBox(int row, int column, runtime::COLORREF ringColor);

struct CellPosition {
    int row = 0, column = 0;
};
// The cell under the pointer at (x, y) of the palette control, counted from the control's
// corner (the cells' 1-pixel origin is not taken off); none outside the palette.
std::optional<CellPosition> CellAt(unsigned x, unsigned y);

}  // namespace favorites

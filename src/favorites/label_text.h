#pragma once
// Text laid out on a canvas control: broken into lines to its width and aligned in one of
// four ways. The favourite colours dialog writes its label with it.

#include <array>
#include <cstdint>
#include <string>

#include "runtime/canvas/colors.h"

namespace favorites {

constexpr int AlignLeft = 131;
constexpr int AlignRight = 132;
constexpr int AlignCenter = 133;
constexpr int AlignJustify = 134;

constexpr int kMaxLabelLines = 100;
using LabelLines = std::array<std::string, kMaxLabelLines>;

// The lines of `text` for a target `width` pixels wide, on the current target's font: the
// first cut a little short of the width, each further line cut again while it is longer than
// the one before or wider than the target. A word wider than the target is cut where it must
// be, so no text is dropped.
LabelLines BreakLabelLines(const std::string& text, int width);

// Where a line `lineWidth` wide starts on a target `width` wide.
float AlignedLineX(int alignment, float left, int width, int lineWidth);

// Spreads `extra` pixels over the `blanks` of the next text printed (0, 0 switches it off):
// the platform's justification on the drawing context.
using Justifier = void (*)(void* drawingContext, int extra, int blanks);

// Writes `text` into the canvas control `id` of `dialog` at (left, top) in `font` and
// `textColor`, on a transparent background.
void DrawLabelText(std::intptr_t dialog, int id, const std::string& text, int alignment, float left,
                   float top, int font, runtime::COLORREF textColor, Justifier justify);

}  // namespace favorites

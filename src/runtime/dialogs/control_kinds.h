#pragma once
// The kinds of control a dialog is built from: each has its window class, the style it gets
// when the caller gives none, and bits it always gets.

#include <cstdint>

namespace runtime {

enum class ControlKind : int {
    PushButton = 1,
    Label = 5,
    TextBox = 9,
    Canvas = 14,  // an owner-drawn static that shows a drawing target
    ComboBox = 24,
    ListBox = 25,
};

struct ControlStyle {
    std::uint32_t style = 0;
    std::uint32_t extendedStyle = 0;
};

// The window class of a kind ("BUTTON", "STATIC", ...); null for an unknown kind.
const wchar_t* ControlClassName(ControlKind kind);

// The final styles of a control: style 0 takes the kind's default, where a defaulted
// WS_BORDER of a text, combo or list box becomes a sunken client edge; the kind's
// always-added bits are then added to any style.
ControlStyle ResolveControlStyle(ControlKind kind, std::uint32_t style,
                                 std::uint32_t extendedStyle);

}  // namespace runtime

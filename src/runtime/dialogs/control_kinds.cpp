#include "runtime/dialogs/control_kinds.h"

namespace runtime {

namespace {

constexpr std::uint32_t kWsBorder = 0x00800000;
constexpr std::uint32_t kWsExClientEdge = 0x00000200;

struct KindInfo {
    ControlKind kind;
    const wchar_t* className;
    std::uint32_t defaultStyle;
    std::uint32_t alwaysAdded;
    bool borderBecomesEdge;
};

constexpr KindInfo kKinds[] = {
    {ControlKind::PushButton, L"BUTTON", 0x50010000, 0x50000000, false},
    {ControlKind::Label, L"STATIC", 0x50000000, 0x50000000, false},
    {ControlKind::TextBox, L"EDIT", 0x50810080, 0x50000000, true},
    {ControlKind::Canvas, L"STATIC", 0x5001000D, 0x5000000D, false},
    {ControlKind::ComboBox, L"COMBOBOX", 0x50010102, 0x50000000, true},
    {ControlKind::ListBox, L"LISTBOX", 0x50A10003, 0x50000001, true},
};

const KindInfo* Find(ControlKind kind) {
    for (const KindInfo& k : kKinds)
        if (k.kind == kind) return &k;
    return nullptr;
}

}  // namespace

const wchar_t* ControlClassName(ControlKind kind) {
    const KindInfo* k = Find(kind);
    return k ? k->className : nullptr;
}

ControlStyle ResolveControlStyle(ControlKind kind, std::uint32_t style,
                                 std::uint32_t extendedStyle) {
    const KindInfo* k = Find(kind);
    if (!k) return {style, extendedStyle};
    if (style == 0) {
        style = k->defaultStyle;
        if (k->borderBecomesEdge && (style & kWsBorder)) {
            style &= ~kWsBorder;
            extendedStyle |= kWsExClientEdge;
        }
    }
    return {style | k->alwaysAdded, extendedStyle};
}

}  // namespace runtime

#include "runtime/dialogs/dialog_template.h"

#include <gtest/gtest.h>

#include "runtime/dialogs/control_kinds.h"
#include "support/files.h"

namespace runtime {
namespace {

using testing_support::Le16;
using testing_support::Le32;

TEST(DialogTemplate, IsAnExtendedTemplateWithTitleAndFontInPlace) {
    const auto t = BuildDialogTemplate(0x94C608D4, 0x10000, 10, -20, 810, 890, DialogFont{});
    // offset: field
    EXPECT_EQ(Le16(t, 0), 1u);            // dlgVer
    EXPECT_EQ(Le16(t, 2), 0xFFFFu);       // signature
    EXPECT_EQ(Le32(t, 4), 0u);            // helpID
    EXPECT_EQ(Le32(t, 8), 0x10000u);      // exStyle
    EXPECT_EQ(Le32(t, 12), 0x94C608D4u);  // style
    EXPECT_EQ(Le16(t, 16), 0u);           // cDlgItems
    EXPECT_EQ(Le16(t, 18), 10u);          // x
    EXPECT_EQ(Le16(t, 20), 0xFFECu);      // y = -20 as 16 bits
    EXPECT_EQ(Le16(t, 22), 810u);         // cx
    EXPECT_EQ(Le16(t, 24), 890u);         // cy
    EXPECT_EQ(Le16(t, 26), 0u);           // menu
    EXPECT_EQ(Le16(t, 28), 0u);           // class
    EXPECT_EQ(Le16(t, 30), u' ');         // title " "
    EXPECT_EQ(Le16(t, 32), 0u);
    EXPECT_EQ(Le16(t, 34), 8u);    // pointsize
    EXPECT_EQ(Le16(t, 36), 700u);  // weight
    EXPECT_EQ(t[38], 0);           // italic
    EXPECT_EQ(t[39], 0);           // charset
    const std::u16string face = u"MS Sans Serif";
    for (std::size_t i = 0; i < face.size(); ++i) EXPECT_EQ(Le16(t, 40 + 2 * i), face[i]);
    EXPECT_EQ(Le16(t, 40 + 2 * face.size()), 0u);
    EXPECT_EQ(t.size(), 42 + 2 * face.size());
}

TEST(DialogStyle, DefaultsAndAdjustments) {
    EXPECT_EQ(AdjustDialogStyle(0, false), 0x80C000D4u);
    EXPECT_EQ(AdjustDialogStyle(0x94C608D4, true), 0x84C608D4u) << "WS_VISIBLE taken off";
    EXPECT_EQ(AdjustDialogStyle(0x80000002, false), 0x80000054u) << "DS_SYSMODAL off, font bits on";
    EXPECT_EQ(AdjustDialogStyle(0x80000000, true) & 0x800u, 0x800u);

    EXPECT_EQ(CentreInWorkArea(0, 0, 1280, 1000, 820, 940).x, 230);
    EXPECT_EQ(CentreInWorkArea(0, 0, 1280, 1000, 820, 940).y, 30);
    EXPECT_EQ(CentreInWorkArea(0, 0, 800, 600, 820, 940).x, 0) << "larger than the screen: 0";
    EXPECT_EQ(CentreInWorkArea(0, 0, 800, 600, 820, 940).y, 0);
}

// The rules, not the table's rows: every control a shown child, a defaulted border of a text
// or list box a sunken edge, a given style kept, a list that always notifies, a canvas that
// is always an owner-drawn static.
TEST(ControlKinds, DefaultedStylesAndAlwaysAddedBits) {
    constexpr std::uint32_t kChildVisible = 0x50000000, kBorder = 0x00800000, kClientEdge = 0x200;
    for (ControlKind kind : {ControlKind::PushButton, ControlKind::Label, ControlKind::TextBox,
                             ControlKind::Canvas, ControlKind::ComboBox, ControlKind::ListBox}) {
        SCOPED_TRACE(static_cast<int>(kind));
        const ControlStyle defaulted = ResolveControlStyle(kind, 0, 0);
        EXPECT_EQ(defaulted.style & (kChildVisible | kBorder), kChildVisible) << "no plain border";
        EXPECT_EQ(defaulted.extendedStyle == kClientEdge,
                  kind == ControlKind::TextBox || kind == ControlKind::ListBox);
        EXPECT_EQ(ResolveControlStyle(kind, 0x100, 0).style & kChildVisible, kChildVisible);
    }
    const ControlStyle edit = ResolveControlStyle(ControlKind::TextBox, 0x50812000, 0);
    EXPECT_EQ(edit.style, 0x50812000u) << "a given style is kept, its border too";
    EXPECT_EQ(edit.extendedStyle, 0u);
    EXPECT_EQ(ResolveControlStyle(ControlKind::ListBox, kChildVisible, 0).style & 1u, 1u)
        << "LBS_NOTIFY";
    EXPECT_EQ(ResolveControlStyle(ControlKind::Canvas, 0x50000100, 0).style & 0x11Fu, 0x10Du)
        << "SS_OWNERDRAW, and the SS_NOTIFY given";
    EXPECT_STREQ(ControlClassName(ControlKind::Canvas), L"STATIC");
    EXPECT_EQ(ControlClassName(static_cast<ControlKind>(3)), nullptr);
}

}  // namespace
}  // namespace runtime

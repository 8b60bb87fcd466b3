#include "app/main_window_texts.h"

#include <gtest/gtest.h>

#include "runtime/dialogs/numbered_items.h"

namespace app {
namespace {

TEST(MainWindowTexts, ListItemsSortInNumericOrder) {
    EXPECT_EQ(SideItemText(3), "03 lados");
    EXPECT_EQ(SideItemText(9), "09 lados");
    EXPECT_EQ(SideItemText(10), "10 lados");
    EXPECT_EQ(SideItemText(32), "32 lados");
    EXPECT_EQ(WidthItemText(1), "01 grosor borde");
    EXPECT_EQ(WidthItemText(10), "10 grosor borde");
    for (int n = 3; n < 32; ++n) EXPECT_LT(SideItemText(n), SideItemText(n + 1)) << n;
    for (int n = 1; n < 10; ++n) EXPECT_LT(WidthItemText(n), WidthItemText(n + 1)) << n;
    for (int n = 3; n <= 32; ++n) EXPECT_EQ(runtime::ItemNumber(SideItemText(n)), n);
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(runtime::ItemNumber(WidthItemText(n)), n);
    EXPECT_EQ(runtime::ItemNumber(""), 0);
}

TEST(MainWindowTexts, PictureNameAuthorBoxAndFolder) {
    EXPECT_EQ(PictureFileName(5), "poligono 5.bmp");
    EXPECT_EQ(PictureFileName(32), "poligono 32.bmp");
    const std::string author = AuthorText();
    EXPECT_EQ(author.substr(0, 30), "Realizado por:\r\nBelmar 2018\r\n\r");
    EXPECT_NE(author.find("\r\n\r\nVisitame en: \r\n"), std::string::npos)
        << "blank line, trailing blank";
    EXPECT_NE(author.find(".example.org"), std::string::npos);
}

}  // namespace
}  // namespace app

#include "app/main_window_texts.h"

#include "polygon/vertex_model.h"
#include "runtime/dialogs/numbered_items.h"
#include "runtime/files/number_text.h"

namespace app {

std::string SideItemText(int sides) {
    return runtime::NumberedItem(sides, " lados");
}

std::string WidthItemText(int width) {
    return runtime::NumberedItem(width, " grosor borde");
}

namespace {
constexpr int kWidestBorder = 10;
}

std::vector<std::string> SideItems() {
    std::vector<std::string> items;
    for (int n = polygon::kMinSides; n <= polygon::kMaxSides; ++n) items.push_back(SideItemText(n));
    return items;
}

std::vector<std::string> WidthItems() {
    std::vector<std::string> items;
    for (int n = 1; n <= kWidestBorder; ++n) items.push_back(WidthItemText(n));
    return items;
}

std::string PictureFileName(int sides) {
    return "poligono " + runtime::NumberToTextTrim(sides) + ".bmp";
}

std::string AuthorText() {
    return "Realizado por:\r\nBelmar 2018\r\n\r\nVisitame en: \r\nhttps://poligonos.example.org/";
}

}  // namespace app

#include "app/main_window_texts.h"

#include "runtime/dialogs/numbered_items.h"
#include "runtime/files/number_text.h"

namespace app {

std::string SideItemText(int sides) {
    return runtime::NumberedItem(sides, " lados");
}

std::string WidthItemText(int width) {
    return runtime::NumberedItem(width, " grosor borde");
}

std::string PictureFileName(int sides) {
    return "poligono " + runtime::NumberToTextTrim(sides) + ".bmp";
}

std::string AuthorText() {
    return "Realizado por:\r\nBelmar 2018\r\n\r\nVisitame en: \r\nhttps://poligonos.example.org/";
}

}  // namespace app

#include "app/main_window_texts.h"

#include "runtime/files/number_text.h"

namespace app {

namespace {

// Sorted lists keep numeric order because numbers below 10 carry a leading zero.
std::string TwoDigits(int n) {
    std::string digits = runtime::RemoveText(runtime::NumberToText(n), " ");
    return n <= 9 ? "0" + digits : digits;
}

}  // namespace

std::string SideItemText(int sides) {
    return TwoDigits(sides) + " lados";
}

std::string WidthItemText(int width) {
    return TwoDigits(width) + " grosor borde";
}

int ItemNumber(const std::string& item) {
    return runtime::StoreInt32(runtime::TextToNumber(item.substr(0, 2)));
}

std::string PictureFileName(int sides) {
    return "poligono " + runtime::NumberToTextTrim(sides) + ".bmp";
}

std::string AuthorText() {
    return "Realizado por:\r\nBelmar 2018\r\n\r\nVisitame en: \r\nhttps://poligonos.example.org/";
}

}  // namespace app

#pragma once
// The texts the main window shows and reads back, built with the program's number format.

#include <string>

namespace app {

constexpr const char* kMessageTitle = "Programador";

std::string SideItemText(int sides);   // "03 lados" .. "32 lados"
std::string WidthItemText(int width);  // "01 grosor borde" .. "10 grosor borde"

// The number an item of either list starts with: its first two characters.
int ItemNumber(const std::string& item);

// "poligono 5.bmp": the saved picture's name, in the working folder.
std::string PictureFileName(int sides);

// The five lines of the author box.
std::string AuthorText();

}  // namespace app

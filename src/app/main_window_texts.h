#pragma once
// The texts the main window shows and reads back, built with the program's number format.

#include <string>
#include <vector>

namespace app {

std::string SideItemText(int sides);   // "03 lados" .. "32 lados"
std::string WidthItemText(int width);  // "01 grosor borde" .. "10 grosor borde"
// Every item of each list, in the order they are added.
std::vector<std::string> SideItems();
std::vector<std::string> WidthItems();

// "poligono 5.bmp": the saved picture's name, in the working folder.
std::string PictureFileName(int sides);

// The five lines of the author box.
std::string AuthorText();

}  // namespace app

#pragma once
// Items of the program's sorted lists start with their number in two digits ("03 lados",
// "01º vertice"): the leading zero below 10 keeps the sorted order the numeric one.

#include <string>

namespace runtime {

// `n` in two digits (more when it has more), then `rest`.
std::string NumberedItem(int n, const std::string& rest);

// The number an item starts with: its first two characters.
int ItemNumber(const std::string& item);

}  // namespace runtime

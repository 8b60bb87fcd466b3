#include "runtime/dialogs/numbered_items.h"

#include "runtime/files/number_text.h"

namespace runtime {

std::string NumberedItem(int n, const std::string& rest) {
    const std::string digits = NumberToTextTrim(n);
    return (n <= 9 ? "0" + digits : digits) + rest;
}

int ItemNumber(const std::string& item) {
    return StoreInt32(TextToNumber(item.substr(0, 2)));
}

}  // namespace runtime

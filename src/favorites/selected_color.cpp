#include "favorites/selected_color.h"

namespace favorites {

runtime::COLORREF SelectedColor = 0;

}  // namespace favorites

#include "runtime/dialogs/screen_fit.h"

#include <algorithm>

namespace runtime {

int Scaled(int pixels, int dpi) {
    return (pixels * dpi + kDesignDpi / 2) / kDesignDpi;
}

int MostZoom(int dpi) {
    return std::max(1, dpi / kDesignDpi);
}

bool Fits(const ScreenFacts& screen, Size client) {
    return client.width + screen.frame.width <= screen.workArea.width &&
           client.height + screen.frame.height <= screen.workArea.height;
}

int Squeeze(int excess, std::initializer_list<Slack> slacks) {
    for (const Slack& s : slacks) {
        if (excess <= 0) break;
        const int given = std::clamp(*s.pixels - s.least, 0, excess);
        *s.pixels -= given;
        excess -= given;
    }
    return std::max(0, excess);
}

}  // namespace runtime

#pragma once
// Pixel-mode geometry is written for a screen of 96 dots per inch. On another screen every
// gap, margin and control is scaled by dpi / 96, and a picture is shown at a whole-number
// zoom, so that each of its pixels is a square block and nothing is smoothed.

#include <initializer_list>

namespace runtime {

constexpr int kDesignDpi = 96;

struct Size {
    int width = 0, height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// `pixels` of a 96-dpi screen on a screen of `dpi`, to the nearest pixel.
int Scaled(int pixels, int dpi);

// A control's place in its dialog's client area.
struct Place {
    int x = 0, y = 0, width = 0, height = 0;
    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
    friend bool operator==(const Place&, const Place&) = default;
};

// The largest whole zoom not above dpi / 96, and at least 1.
int MostZoom(int dpi);

// What a dialog's plan needs of the screen: its resolution, the work area (the screen less
// the task bar) and how much a window's frame adds to its client area.
struct ScreenFacts {
    int dpi = kDesignDpi;
    Size workArea;
    Size frame;
};

// Whether a window of this client size, frame included, fits the work area.
bool Fits(const ScreenFacts& screen, Size client);

// A margin or gap that may give up pixels, down to its least.
struct Slack {
    int* pixels;
    int least;
};

// Takes `excess` pixels from the slacks, each in turn down to its least, and returns what
// they could not give.
int Squeeze(int excess, std::initializer_list<Slack> slacks);

}  // namespace runtime

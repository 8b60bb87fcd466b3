#pragma once
// Colours as the program passes them (COLORREF 0x00BBGGRR, with three special values) and as
// the raster stores them (32-bit B, G, R, unused byte: 0x00RRGGBB read as a little-endian word).

#include <cstdint>

namespace runtime {

using COLORREF = std::int32_t;

constexpr COLORREF DefaultColor = -1;  // the target's own colour for that role
constexpr COLORREF NoColor = -2;       // no fill; as a background: transparent
constexpr COLORREF KeepColor = -3;     // for SetForeColor / SetBackColor: leave as it is
// What reading a pixel gives outside the target (or with none): -1, like DefaultColor, which
// is never a pixel's colour either.
constexpr COLORREF NoPixel = -1;

constexpr COLORREF kWhite = 0x00FFFFFF;
constexpr COLORREF kBlack = 0;

// An ordinary colour has its high byte cleared before use.
constexpr COLORREF PlainColor(COLORREF c) {
    return c & 0x00FFFFFF;
}

using Pixel = std::uint32_t;

constexpr Pixel PixelFromColor(COLORREF c) {
    auto u = static_cast<std::uint32_t>(c);
    return ((u & 0xFFu) << 16) | (u & 0xFF00u) | ((u >> 16) & 0xFFu);
}

constexpr COLORREF ColorFromPixel(Pixel p) {
    return static_cast<COLORREF>(((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu));
}

}  // namespace runtime

#pragma once
// Checks of the pictures the program shows and saves, each computed from the polygon's
// vertices alone, not from the program's own drawing code. Each returns "" when the picture
// is right, else what was expected and what was found.

#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

#include "automation/picture.h"
#include "favorites/favorites_store.h"

namespace e2e {

// "#RRGGBB (r, g, b)", for failure messages.
std::string DescribePixel(std::uint32_t pixel);

struct Vertex {
    int x, y;
};

// The first `sides` points of the templates the side-count list loads.
std::vector<Vertex> TemplateVertices(int sides);

// The mesh on paper of one colour: only paper and black, a full black 8 x 8 marker with its
// top left pixel on each vertex, every black pixel on a marker or within one pixel of an
// edge, and no gap along any edge.
std::string CheckMesh(const Picture& canvas, const std::vector<Vertex>& vertices,
                      std::uint32_t paper);

struct Paint {
    std::uint32_t paper, border, fill;
    int width;  // of the border
};

// A painted polygon: the border colour on every edge, unbroken and `width` pixels wide, the
// fill where the outline winds round a pixel (the non-zero rule) and the paper elsewhere;
// no marker and no other colour. The width is checked to a pixel or so; MeasureBorder
// measures it.
std::string CheckPaintedPolygon(const Picture& picture, const std::vector<Vertex>& vertices,
                                const Paint& paint);

struct BorderMeasure {
    double meanRun = 0;    // border pixels per column across the edge
    double meanWidth = 0;  // the same, measured square to the edge
    std::string problem;   // "" when every column shows paper, one border run, then fill
};

// Scans columns x0 .. x1 across the edge from `a` to `b` (not steeper than 45 degrees) of a
// painted polygon whose interior lies below that edge.
BorderMeasure MeasureBorder(const Picture& picture, Vertex a, Vertex b, int x0, int x1,
                            const Paint& paint);

// The palette of "Tus Colores Favoritos" as its records say, sampled from each record's own
// rectangle: its colour inside the box, a one-pixel ring three pixels in from its top left
// corner (black, white round the cell at `ringed` row and column), white ground between the
// boxes; where no record names a cell, the ground where its box would stand.
struct Ringed {
    int row = -1, column = -1;
};
std::string CheckPalette(const Picture& shown,
                         const std::vector<favorites::FavoriteColorRecord>& records,
                         Ringed ringed = {});
// The palette control of `dialog`, looked at until it is right or the wait has ended.
std::string PaletteShown(HWND dialog, const std::vector<favorites::FavoriteColorRecord>& records,
                         Ringed ringed = {});

}  // namespace e2e

#pragma once
// Small helpers for the raster tests: an owned raster, pixel counting, and slow references
// that decide one pixel at a time, exactly, for shapes with vertices anywhere in the int range.

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <random>
#include <span>
#include <vector>

#include "runtime/canvas/raster.h"

namespace runtime::test {

inline void PlotClipped(const Raster& r, int x, int y, Pixel p) {
    if (r.Contains(x, y)) r.At(x, y) = p;
}

struct OwnedRaster {
    std::vector<Pixel> memory;
    Raster raster;

    OwnedRaster(int w, int h, Pixel fill = 0) : memory(static_cast<std::size_t>(w) * h, fill) {
        raster = {memory.data(), w, h};
    }
    Pixel At(int x, int y) const { return raster.At(x, y); }
    int Count(Pixel p) const {
        int n = 0;
        for (Pixel q : memory) n += q == p;
        return n;
    }
    bool operator==(const OwnedRaster& o) const { return memory == o.memory; }
};

using i128 = __int128;

// The pixels of a w x h raster for which `covers(x, y)` holds.
inline OwnedRaster ReferencePixels(int w, int h, Pixel ink,
                                   const std::function<bool(int, int)>& covers) {
    OwnedRaster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (covers(x, y)) r.raster.At(x, y) = ink;
    return r;
}

// GDI's tie-break of a one-pixel line in the octant of (dx, dy): 1 where a minor step waits
// for the error to pass zero, 0 where it is taken at zero.
inline int ReferenceBias(std::int64_t dx, std::int64_t dy) {
    if (dy > 0) return dx > 0 ? 0 : (-dx <= dy ? 1 : 0);
    return dx < 0 ? 1 : (dx > -dy ? 1 : 0);
}

// Whether GDI's one-pixel line a->b plots (x, y). Its step-by-step Bresenham keeps err + bias
// in (2m - 2M, 2m] after every step, so pixel i along the major axis sits at the one minor
// offset k with 0 < 2m*i - M + bias + 2M - 2M*k <= 2M.
inline bool LineCovers(PixelPoint a, PixelPoint b, int x, int y) {
    const std::int64_t dx = std::int64_t{b.x} - a.x, dy = std::int64_t{b.y} - a.y;
    if (dx == 0 && dy == 0) return false;
    const int bias = ReferenceBias(dx, dy);
    const bool xMajor = std::llabs(dx) > std::llabs(dy);
    const i128 M = xMajor ? std::llabs(dx) : std::llabs(dy),
               m = xMajor ? std::llabs(dy) : std::llabs(dx);
    const int sx = dx > 0 ? 1 : -1, sy = dy > 0 ? 1 : -1;
    const i128 along = xMajor ? i128{sx} * (i128{x} - a.x) : i128{sy} * (i128{y} - a.y);
    const i128 across = xMajor ? i128{sy} * (i128{y} - a.y) : i128{sx} * (i128{x} - a.x);
    if (along < 0 || along >= M) return false;
    const i128 v = 2 * m * along - M + bias + 2 * M - 2 * M * across;
    return v > 0 && v <= 2 * M;
}

// The winding number (or, alternate, the crossing count's parity) of the polygon at the
// integer point (x, y): an edge from (xt, yt) down to (xb, yb) covers rows yt <= y < yb and
// counts when its crossing X = xt + (y - yt)(xb - xt)/(yb - yt) is at or left of x.
inline int WindingAt(const std::vector<FarPoint>& poly, std::int64_t x, std::int64_t y,
                     bool alternate = false) {
    int winding = 0, crossings = 0;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        FarPoint a = poly[i], b = poly[(i + 1) % poly.size()];
        if (a.y == b.y) continue;
        int dir = 1;
        if (a.y > b.y) {
            std::swap(a, b);
            dir = -1;
        }
        if (y < a.y || y >= b.y) continue;
        const i128 h = b.y - a.y;
        if (i128{a.x} * h + i128{y - a.y} * (b.x - a.x) <= i128{x} * h) {
            winding += dir;
            ++crossings;
        }
    }
    return alternate ? crossings % 2 : winding;
}

inline std::vector<FarPoint> Far(const std::vector<PixelPoint>& points) {
    std::vector<FarPoint> far;
    for (const PixelPoint& p : points) far.push_back({p.x, p.y});
    return far;
}

// Whether a pen `width` wide (2 or more) along the closed outline covers a pixel: one body per
// segment and one disc per vertex, each tested on its own, unclipped. `disc` holds the disc's
// pixels row by row, offsets -width/2 .. from the vertex.
struct WideOutlineReference {
    std::vector<PixelPoint> points;
    int width;
    std::vector<bool> disc;
    std::vector<FarRect> boxes;                 // axis-parallel bodies
    std::vector<std::vector<FarPoint>> bodies;  // the others

    WideOutlineReference(std::vector<PixelPoint> pts, int w, std::vector<bool> discPixels)
        : points(std::move(pts)), width(w), disc(std::move(discPixels)) {
        const std::int64_t half = width / 2;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const PixelPoint a = points[i], b = points[(i + 1) % points.size()];
            if (a.y == b.y) {
                if (a.x != b.x)
                    boxes.push_back(
                        {std::min(a.x, b.x), a.y - half, std::max(a.x, b.x), a.y - half + width});
                continue;
            }
            if (a.x == b.x) {
                boxes.push_back(
                    {a.x - half, std::min(a.y, b.y), a.x - half + width, std::max(a.y, b.y)});
                continue;
            }
            // The body's corners by the pen rule: offsets across the segment, narrow on one
            // side and wide on the other, rounded halves away from zero.
            const double dx = double(b.x) - a.x, dy = double(b.y) - a.y, len = std::hypot(dx, dy);
            const double wx = width * std::fabs(dy) / len, wy = width * std::fabs(dx) / len;
            FarPoint narrow{std::llround(wx / 2), std::llround(wy / 2)};
            FarPoint wide{std::llround((wx + 1) / 2), std::llround((wy + 1) / 2)};
            if (dx < 0) narrow.y = -narrow.y, wide.y = -wide.y;
            if (dy < 0) std::swap(narrow, wide), narrow.x = -narrow.x, wide.x = -wide.x;
            bodies.push_back({{a.x - narrow.x, a.y + narrow.y},
                              {a.x + wide.x, a.y - wide.y},
                              {b.x + wide.x, b.y - wide.y},
                              {b.x - narrow.x, b.y + narrow.y}});
        }
    }

    bool Covers(std::int64_t x, std::int64_t y) const {
        const std::int64_t half = width / 2;
        for (const PixelPoint& c : points) {
            const std::int64_t u = x - c.x + half, v = y - c.y + half;
            if (u >= 0 && v >= 0 && u < width && v < width && disc[v * width + u]) return true;
        }
        for (const FarRect& b : boxes)
            if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) return true;
        for (const auto& body : bodies)
            if (WindingAt(body, x, y) != 0) return true;
        return false;
    }
};

// The magnitudes of far coordinates in one band: `least` up to `least + spread - 1`.
struct FarBand {
    std::int64_t least, spread;
};
// Thousands, millions, and up to the int range's ends.
inline constexpr FarBand kFarBands[] = {
    {1000, 9000}, {100000, 9900000}, {1 << 28, (1ll << 31) - (1 << 28)}, {INT_MAX - 2, 4}};

// A coordinate far outside a small raster, of either sign, in one of `bands`; kept in the int
// range, so the last of kFarBands reaches INT_MIN and INT_MAX themselves.
inline int FarCoordinate(std::mt19937& rng, std::span<const FarBand> bands = kFarBands) {
    const std::int64_t sign = rng() % 2 ? 1 : -1;
    const FarBand& band = bands[rng() % bands.size()];
    return static_cast<int>(std::clamp<std::int64_t>(
        sign * (band.least + static_cast<std::int64_t>(rng()) % band.spread), INT_MIN, INT_MAX));
}

// The point opposite `far` through `pivot`, kept in the int range: with `pivot` on a small
// raster, the segment between the two crosses it.
inline PixelPoint Mirror(PixelPoint far, PixelPoint pivot) {
    auto mirror = [](int f, int p) {
        return static_cast<int>(
            std::clamp<std::int64_t>(2 * std::int64_t{p} - f, INT_MIN, INT_MAX));
    };
    return {mirror(far.x, pivot.x), mirror(far.y, pivot.y)};
}

// Vertices for the far-shape tests: each one on the raster (`near`), mirrored through it from
// the one before, far in x only, level with the one before (only when `level`), or far in both.
// `far` gives the far coordinates: FarCoordinate unless a test needs a narrower range.
inline std::vector<PixelPoint> FarVertices(std::mt19937& rng, std::size_t count,
                                           std::uniform_int_distribution<int>& near, bool level,
                                           const std::function<int()>& far = {}) {
    const std::function<int()> farCoordinate = far ? far : [&rng] { return FarCoordinate(rng); };
    std::vector<PixelPoint> v(count);
    for (std::size_t k = 0; k < count; ++k) {
        const PixelPoint farPoint{farCoordinate(), farCoordinate()};
        switch (rng() % (level ? 5 : 4)) {
            case 0:
                v[k] = {near(rng), near(rng)};
                break;
            case 1:
                v[k] = k > 0 ? Mirror(v[k - 1], {near(rng), near(rng)}) : farPoint;
                break;
            case 2:
                v[k] = {farPoint.x, near(rng)};
                break;
            case 3:
                if (level) {
                    v[k] = k > 0 ? PixelPoint{farPoint.x, v[k - 1].y} : farPoint;
                    break;
                }
                [[fallthrough]];
            default:
                v[k] = farPoint;
                break;
        }
    }
    return v;
}

}  // namespace runtime::test

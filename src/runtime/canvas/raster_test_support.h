#pragma once
// Small helpers for the raster tests: an owned raster and pixel counting.

#include <functional>
#include <vector>

#include "runtime/canvas/raster.h"

namespace runtime::test {

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

}  // namespace runtime::test

#pragma once
// Scenes drawn twice, once with GDI into a DIB section and once with our drawing targets, so
// their pixels can be compared one by one.

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/canvas/drawing_targets.h"

namespace gdi_test {

using runtime::COLORREF;

struct BoxOp {
    float x1, y1, x2, y2;
    int roundness;  // percent
};

struct PolygonOp {
    std::vector<runtime::PointF> points;
    int fillMode;  // 0 winding, else alternate
};

struct Op {
    int penWidth = 1;
    COLORREF border = 0;
    COLORREF fill = runtime::NoColor;
    bool isBox = true;
    BoxOp box{};
    PolygonOp polygon;
};

struct Scene {
    std::string name;
    int width = 800, height = 800;
    COLORREF paper = 0x00FF00FF;
    std::vector<Op> ops = {};
};

Op Box(float x1, float y1, float x2, float y2, int roundness, int pen, COLORREF border,
       COLORREF fill);
Op Polygon(std::vector<runtime::PointF> points, int pen, COLORREF border, COLORREF fill,
           int mode = 0);

// 32-bit pixels, top-down, 0x00RRGGBB, as both renderers leave them.
using Pixels = std::vector<std::uint32_t>;

Pixels DrawWithGdi(const Scene& scene);
Pixels DrawWithTargets(const Scene& scene);

// The pixels of the current drawing target.
Pixels CurrentTargetPixels();

struct Mismatch {
    int count = 0;
    int firstX = -1, firstY = -1;
    std::uint32_t gdi = 0, ours = 0;
};

Mismatch Compare(const Pixels& gdi, const Pixels& ours, int width);

}  // namespace gdi_test

#include "runtime/canvas/raster_fill.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace runtime {

namespace {

using i64 = std::int64_t;

// An edge from its upper end to its lower end, covering rows top .. bottom-1. Its crossing
// of the current row is kept exactly as x - remainder/height, 0 <= remainder < height, and
// stepped from row to row without division.
struct Edge {
    i64 top, bottom;
    int winding;   // +1 going down in polygon order, -1 going up
    i64 xTop, dx;  // the upper end's x, and how far the edge runs in x
    i64 x;         // ceil of the crossing on the current row
    i64 remainder;
    i64 height;
    i64 stepWhole, stepRemainder;  // dx = stepWhole * height + stepRemainder

    void StartAt(i64 y) {
        // crossing = xTop + (y - top) * dx / height; ceil via floor of the negation. A far
        // edge's product reaches 2^66; the quotient is at most |dx|.
        const __int128 num = static_cast<__int128>(y - top) * dx;
        i64 q = static_cast<i64>(num / height), rem = static_cast<i64>(num % height);
        if (rem > 0) {
            q += 1;
            rem -= height;
        }
        x = xTop + q;
        remainder = -rem;  // num = q*height - remainder
        stepWhole = dx / height;
        stepRemainder = dx % height;
        if (stepRemainder < 0) {
            stepWhole -= 1;
            stepRemainder += height;
        }
    }

    void Step() {
        i64 t = stepRemainder - remainder;
        if (t > 0) {
            x += stepWhole + 1;
            remainder = height - t;
        } else {
            x += stepWhole;
            remainder = -t;
        }
    }
};

struct Crossing {
    i64 x;
    int winding;
};

// The rows a fill visits: first .. end-1.
struct Rows {
    i64 first, end;
};

// The edge from a to b as both fills scan it, and the rows it adds to `rows`; false for an
// edge that is horizontal or covers no row of `bounds`.
template <typename Point>
bool MakeEdge(Point a, Point b, const PixelRect& bounds, Edge& e, Rows& rows) {
    if (a.y == b.y) return false;
    e.winding = 1;
    if (a.y > b.y) {
        std::swap(a, b);
        e.winding = -1;
    }
    if (b.y <= bounds.top || a.y >= bounds.bottom) return false;
    e.top = a.y;
    e.bottom = b.y;
    e.height = i64{b.y} - i64{a.y};
    e.xTop = a.x;
    e.dx = i64{b.x} - i64{a.x};
    rows.first = std::min<i64>(rows.first, std::max<i64>(a.y, bounds.top));
    rows.end = std::max<i64>(rows.end, std::min<i64>(b.y, bounds.bottom));
    return true;
}

}  // namespace

void FillPolygon(const Raster& r, const PixelPoint* points, int count, FillRule rule, Pixel p) {
    count = std::min(count, kMaxPolygonPoints);
    const PixelRect bounds = r.Bounds();
    if (count < 3 || bounds.Empty()) return;

    std::array<Edge, kMaxPolygonPoints> edges;
    int n = 0;
    Rows rows{bounds.bottom, bounds.top};
    for (int i = 0; i < count; ++i)
        if (MakeEdge(points[i], points[(i + 1) % count], bounds, edges[n], rows)) ++n;
    if (n == 0) return;

    // Edges enter the active list in order of their first visible row.
    std::array<int, kMaxPolygonPoints> order;
    for (int i = 0; i < n; ++i) order[i] = i;
    auto firstRow = [&](int i) { return std::max<i64>(edges[i].top, bounds.top); };
    std::sort(order.begin(), order.begin() + n,
              [&](int a, int b) { return firstRow(a) < firstRow(b); });

    std::array<int, kMaxPolygonPoints> active;
    std::array<Crossing, kMaxPolygonPoints> crossings;
    int activeCount = 0, next = 0;
    for (i64 y = rows.first; y < rows.end; ++y) {
        int kept = 0;
        for (int k = 0; k < activeCount; ++k) {
            Edge& e = edges[active[k]];
            if (e.bottom <= y) continue;
            e.Step();
            active[kept++] = active[k];
        }
        activeCount = kept;
        while (next < n && firstRow(order[next]) <= y) {
            int i = order[next++];
            edges[i].StartAt(y);
            active[activeCount++] = i;
        }
        if (activeCount == 0) {
            if (next >= n) break;
            continue;
        }

        // Crossings in x order; from one row to the next the order barely changes, so an
        // insertion sort over the active list keeps it sorted in near-linear time.
        for (int k = 1; k < activeCount; ++k) {
            int v = active[k];
            int j = k - 1;
            while (j >= 0 && edges[active[j]].x > edges[v].x) {
                active[j + 1] = active[j];
                --j;
            }
            active[j + 1] = v;
        }
        for (int k = 0; k < activeCount; ++k)
            crossings[k] = {edges[active[k]].x, edges[active[k]].winding};

        auto fill = [&](i64 from, i64 to) {
            from = std::max<i64>(from, bounds.left);
            to = std::min<i64>(to, bounds.right);
            if (from < to) FillSpan(r, y, from, to, p);
        };
        if (rule == FillRule::Alternate) {
            for (int k = 0; k + 1 < activeCount; k += 2) fill(crossings[k].x, crossings[k + 1].x);
        } else {
            int winding = 0;
            i64 start = 0;
            for (int k = 0; k < activeCount; ++k) {
                int before = winding;
                winding += crossings[k].winding;
                if (before == 0 && winding != 0) start = crossings[k].x;
                if (before != 0 && winding == 0) fill(start, crossings[k].x);
            }
        }
    }
}

void FillConvexPolygon(const Raster& r, const FarPoint* points, int count, Pixel p) {
    const PixelRect bounds = r.Bounds();
    if (count < 3 || count > kMaxConvexPoints || bounds.Empty()) return;
    std::array<Edge, kMaxConvexPoints> edges;
    int n = 0;
    Rows rows{bounds.bottom, bounds.top};
    for (int i = 0; i < count; ++i) {
        Edge& e = edges[n];
        if (!MakeEdge(points[i], points[(i + 1) % count], bounds, e, rows)) continue;
        e.StartAt(std::max<i64>(e.top, bounds.top));
        ++n;
    }
    for (i64 y = rows.first; y < rows.end; ++y) {
        i64 left = INT64_MAX, right = INT64_MIN;
        for (int k = 0; k < n; ++k) {
            Edge& e = edges[k];
            if (y < e.top || y >= e.bottom) continue;
            if (y > std::max<i64>(e.top, bounds.top)) e.Step();
            left = std::min(left, e.x);
            right = std::max(right, e.x);
        }
        if (left < right) FillSpan(r, y, left, right, p);
    }
}

}  // namespace runtime

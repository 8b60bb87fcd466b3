// Our raster against GDI itself: every box, marker, mesh and painted polygon the program
// draws, and a few hundred random polygons, drawn both ways and compared pixel by pixel.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "gdi_scenes.h"
#include "polygon/polygon_drawing.h"
#include "polygon/program_at_start_test_support.h"
#include "polygon/vertex_model.h"
#include "runtime/canvas/raster_test_support.h"
#include "settings/settings.h"

namespace gdi_test {
namespace {

using namespace runtime;

// Tallies one group of scenes and reports it as one line.
struct Tally {
    explicit Tally(const char* name) : group(name) {}
    const char* group;
    int scenes = 0, mismatchedPixels = 0, mismatchedScenes = 0;
    std::string firstFailure;

    void Add(const std::string& scene, const Pixels& gdi, const Pixels& ours, int width) {
        ++scenes;
        const Mismatch m = Compare(gdi, ours, width);
        if (m.count == 0) return;
        ++mismatchedScenes;
        mismatchedPixels += m.count < 0 ? 1 : m.count;
        if (firstFailure.empty()) {
            char text[200];
            std::snprintf(text, sizeof text,
                          "%s: %d pixels, first at (%d, %d): GDI %06X, ours %06X", scene.c_str(),
                          m.count, m.firstX, m.firstY, m.gdi, m.ours);
            firstFailure = text;
        }
    }
    void Add(const Scene& s) { Add(s.name, DrawWithGdi(s), DrawWithTargets(s), s.width); }
    ~Tally() {
        std::printf("[ GDI      ] %-28s %4d scenes, %d mismatched pixels in %d scenes\n", group,
                    scenes, mismatchedPixels, mismatchedScenes);
        EXPECT_EQ(mismatchedPixels, 0) << group << ": " << firstFailure;
    }
};

std::vector<PointF> TemplatePoints(int n) {
    std::vector<PointF> pts;
    for (int k = 1; k <= n; ++k)
        pts.push_back({float(polygon::TemplatePointAt(k).x), float(polygon::TemplatePointAt(k).y)});
    return pts;
}

TEST(GdiComparison, MarkersAndBoxes) {
    Tally tally("markers and boxes");
    const PointF places[] = {{300, 310}, {0, 0}, {-3, 5}, {796, 797}, {792, 100}, {400.5f, 401.5f}};
    for (int pen = 1; pen <= 10; ++pen) {
        Scene s{"markers, pen " + std::to_string(pen)};
        for (const PointF& p : places) {
            s.ops.push_back(Box(p.x, p.y, p.x + 8, p.y + 8, 0, pen, 0, 0));
            s.ops.push_back(Box(p.x + 20, p.y + 20, p.x + 28, p.y + 28, 0, pen, 0, kWhite));
        }
        tally.Add(s);
    }
    std::mt19937 rng(333);
    std::uniform_int_distribution<int> colour(0, 0xFFFFFF);
    Scene palette{"palette", 336, 312, kWhite};
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 13; ++c)
            palette.ops.push_back(Box(25.f * c + 4, 25.f * r + 4, 25.f * c + 26, 25.f * r + 26, 0,
                                      1, 0, colour(rng)));
    tally.Add(palette);
    for (COLORREF fill : {0x000000FF, 0x00FFFFFF, 0x00000000}) {
        Scene swatch{"swatch", 16, 16, kWhite};
        swatch.ops.push_back(Box(0, 0, 15, 15, 15, 1, 0, fill));
        tally.Add(swatch);
    }
    // Every size of small box, with and without fill, a one- and a wide pen.
    for (int pen : {1, 2, 3, 6}) {
        Scene s{"small boxes, pen " + std::to_string(pen), 200, 200, kWhite};
        for (int w = 0; w <= 9; ++w)
            for (int h = 0; h <= 9; ++h)
                s.ops.push_back(Box(20.f * w + 5, 20.f * h + 5, 20.f * w + 5 + w, 20.f * h + 5 + h,
                                    0, pen, 0x0000FF, (w + h) % 2 ? NoColor : 0x00FF00));
        tally.Add(s);
    }
}

TEST(GdiComparison, RoundedBoxes) {
    Tally tally("rounded boxes");
    for (int roundness : {10, 25, 40, 50, 75, 100}) {
        Scene s{"rounded " + std::to_string(roundness), 400, 400, kWhite};
        for (int w = 3; w <= 40; w += 3)
            for (int h = 3; h <= 40; h += 5)
                s.ops.push_back(Box(float(w * w / 4 % 360), float(h * 9),
                                    float(w * w / 4 % 360 + w), float(h * 9 + h), roundness, 1, 0,
                                    0x00FF00));
        tally.Add(s);
    }
}

// The program's own drawing path: templates loaded, redrawn and painted on the Canvas.
struct ProgramScenes : ::testing::Test, polygon::test::ProgramAtStart {
    void SetUp() override { ASSERT_TRUE(hasCanvasControl); }
    static Pixels Canvas() {
        AttachTarget(polygon::CanvasHandle, 0, 0);
        return CurrentTargetPixels();
    }
    static std::vector<Op> Markers(int n) {
        std::vector<Op> ops;
        for (const PointF& p : TemplatePoints(n))
            ops.push_back(Box(p.x, p.y, p.x + 8, p.y + 8, 0, 1, 0, 0));
        return ops;
    }
};

TEST_F(ProgramScenes, MeshOfEveryTemplateAfterLoadAndRedraw) {
    Tally loaded("mesh after load"), redrawn("mesh after redraw");
    for (int n = 3; n <= 32; ++n) {
        Choose(n);
        Scene load{"load " + std::to_string(n)};
        load.ops.push_back(Polygon(TemplatePoints(n), 1, 0, NoColor));
        for (Op& m : Markers(n)) load.ops.push_back(m);
        loaded.Add(load.name, DrawWithGdi(load), Canvas(), 800);

        polygon::ClearCanvas(polygon::CanvasHandle);
        polygon::RedrawPolygon();
        Scene redraw{"redraw " + std::to_string(n)};
        redraw.ops = Markers(n);
        redraw.ops.push_back(Polygon(TemplatePoints(n), 1, 0, NoColor));
        redrawn.Add(redraw.name, DrawWithGdi(redraw), Canvas(), 800);
    }
}

TEST_F(ProgramScenes, PaintedPolygonOfEveryTemplateAndWidth) {
    Tally tally("painted templates");
    for (int n = 3; n <= 32; ++n) {
        Choose(n);
        for (int width = 1; width <= 10; ++width) {
            settings::Settings.Borde = width % 2 ? 0x000000FF : 0;
            settings::Settings.Relleno = width % 3 ? 0x0000FF00 : 0x00FFFFFF;
            settings::Settings.Grosor = static_cast<std::int16_t>(width);
            polygon::PaintPolygon();
            Scene s{"paint " + std::to_string(n) + " width " + std::to_string(width)};
            s.ops.push_back(Polygon(TemplatePoints(n), width, settings::Settings.Borde,
                                    settings::Settings.Relleno));
            tally.Add(s.name, DrawWithGdi(s), Canvas(), 800);
        }
    }
}

TEST(GdiComparison, RandomBoxes) {
    // Corners in any order, fractions to round, partly outside; rounded corners with the
    // one-pixel pen the program uses for them.
    Tally tally("random boxes");
    std::mt19937 rng(8080);
    std::uniform_int_distribution<int> coord(-40, 240), pen(1, 10), round(0, 120),
        colour(0, 0xFFFFFF);
    for (int i = 0; i < 40; ++i) {
        Scene s{"boxes " + std::to_string(i), 200, 200, kWhite};
        for (int k = 0; k < 12; ++k) {
            const int p = k % 2 ? pen(rng) : 1;
            s.ops.push_back(Box(coord(rng) + 0.5f * (k % 3), float(coord(rng)), float(coord(rng)),
                                coord(rng) - 0.5f * (k % 3), p == 1 ? round(rng) : 0, p,
                                colour(rng), k % 4 ? colour(rng) : NoColor));
        }
        tally.Add(s);
    }
}

TEST(GdiComparison, RandomPolygons) {
    Tally tally("random polygons");
    std::mt19937 rng(20261208);
    std::uniform_int_distribution<int> count(3, 32), width(1, 10), coord(-300, 1100),
        colour(0, 0xFFFFFF);
    std::uniform_real_distribution<float> fraction(0.f, 1.f);
    for (int i = 0; i < 500; ++i) {
        std::vector<PointF> pts(count(rng));
        for (auto& p : pts) {
            p = {float(coord(rng)), float(coord(rng))};
            if (i % 4 == 0) p = {p.x + fraction(rng), p.y + fraction(rng)};  // rounding
        }
        if (i % 7 == 0) pts[1].y = pts[0].y;   // horizontal edges
        if (i % 11 == 0) pts[2].x = pts[1].x;  // vertical edges
        Scene s{"random " + std::to_string(i)};
        s.ops.push_back(
            Polygon(pts, width(rng), colour(rng), i % 5 == 0 ? NoColor : colour(rng), i % 3 == 0));
        tally.Add(s);
    }
}

// A coordinate thousands to tens of millions of pixels off an 800 x 800 canvas, of either
// sign. Wine's GDI is exact up to 2^28; above that it divides far ends of sloped lines by 8.
// Wide pens stay within a million: Wine joins a wide outline's bodies as regions of one
// rectangle per row, about a second per ten million rows, and where two bodies are tens of
// millions of rows tall it drops a whole body from the join (each alone still matches).
constexpr runtime::test::FarBand kThinPenBands[] = {
    {1000, 9000}, {10000, 990000}, {1000000, 63000000}};
constexpr runtime::test::FarBand kWidePenBands[] = {
    {1000, 9000}, {10000, 990000}, {100000, 900000}};
int FarCoordinate(std::mt19937& rng, bool widePen) {
    return runtime::test::FarCoordinate(rng, widePen ? kWidePenBands : kThinPenBands);
}

TEST(GdiComparison, FarVertices) {
    // Vertices far outside the canvas, mixed with some on it, and pairs mirrored through it so
    // that far edges cross it at every slope; pens 1 to 10, filled and not.
    Tally polygons("far polygons"), boxes("far boxes");
    std::mt19937 rng(2028);
    std::uniform_int_distribution<int> count(3, 8), width(1, 10), near(-20, 820),
        colour(0, 0xFFFFFF);
    for (int i = 0; i < 120; ++i) {
        const int pen = width(rng);
        std::vector<PointF> pts;
        for (const runtime::PixelPoint v : runtime::test::FarVertices(
                 rng, count(rng), near, false, [&] { return FarCoordinate(rng, pen > 1); }))
            pts.push_back({float(v.x), float(v.y)});
        Scene s{"far polygon " + std::to_string(i)};
        s.ops.push_back(
            Polygon(pts, pen, colour(rng), i % 4 == 0 ? NoColor : colour(rng), i % 3 == 0));
        polygons.Add(s);
    }
    for (int i = 0; i < 40; ++i) {
        Scene s{"far boxes " + std::to_string(i), 200, 200, kWhite};
        for (int k = 0; k < 6; ++k) {
            const int pen = k % 2 ? width(rng) : 1;
            auto side = [&] {
                return float(rng() % 3 ? FarCoordinate(rng, pen > 1) : near(rng) / 4);
            };
            float x1 = side(), y1 = side(), x2 = side(), y2 = side();
            int roundness = 0;
            if (k % 3 == 0) {  // a long rounded bar: its corners stay small enough to trace
                y1 = float(near(rng) / 4);
                y2 = y1 + float(3 + rng() % 60);
                roundness = 1 + int(rng() % 100);
            }
            s.ops.push_back(Box(x1, y1, x2, y2, pen == 1 ? roundness : 0, pen, colour(rng),
                                k % 4 ? colour(rng) : NoColor));
        }
        boxes.Add(s);
    }
}

}  // namespace
}  // namespace gdi_test

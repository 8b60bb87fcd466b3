// What one pointer move during a drag costs, and one "Pinta": measured against the floor
// (clearing 800 x 800 pixels and copying them once, which any drag step must do) and against
// cairo drawing the same scenes. Prints the ratios at the end.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <new>
#include <string>
#include <vector>

#include "polygon/polygon_drawing.h"
#include "polygon/program_at_start_test_support.h"
#include "polygon/vertex_model.h"
#include "runtime/bmp/bmp_writer.h"
#include "settings/settings.h"

// The counting allocator pairs malloc with free on purpose.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

// Every heap allocation of the process is counted, so a step can show it makes none.
static std::atomic<long> allocations{0};
void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using namespace runtime;

constexpr int kSize = 800;
constexpr COLORREF kPaper = polygon::test::ProgramAtStart::kPaper;

void Floor(benchmark::State& state) {
    std::vector<Pixel> canvas(kSize * kSize), control(kSize * kSize);
    for (auto _ : state) {
        std::fill(canvas.begin(), canvas.end(), PixelFromColor(kPaper));
        std::memcpy(control.data(), canvas.data(), canvas.size() * sizeof(Pixel));
        benchmark::DoNotOptimize(control.data());
        benchmark::ClobberMemory();
    }
}

void DragStep(benchmark::State& state) {
    const long before = allocations.load();
    for (auto _ : state) {
        polygon::ClearCanvas(polygon::CanvasHandle);
        polygon::RedrawPolygon();
        polygon::ShowCanvas();
        benchmark::ClobberMemory();
    }
    state.counters["allocs/step"] =
        static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations());
}

void PaintStep(benchmark::State& state) {
    const long before = allocations.load();
    for (auto _ : state) {
        polygon::PaintPolygon();
        benchmark::ClobberMemory();
    }
    state.counters["allocs/step"] =
        static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations());
}

// A drag step as the program takes it: one vertex of the 32-gon moved by a few pixels, only
// the changed area redrawn and copied.
void DragChangedStep(benchmark::State& state) {
    polygon::VertexRecord& v = polygon::VertexTable[32];
    polygon::RedrawChangedMesh();
    polygon::ShowCanvas();
    int step = 0;
    for (auto _ : state) {
        const int delta = (step++ & 1) ? -3 : 3;
        v.x += delta;
        v.y -= delta;
        polygon::RedrawChangedMesh();
        polygon::ShowCanvas();
        benchmark::ClobberMemory();
    }
}

// A pointer move with nothing grabbed: the Canvas shown as it stands, which changes nothing.
void HoverStep(benchmark::State& state) {
    polygon::ShowCanvas();
    for (auto _ : state) {
        polygon::ShowCanvas();
        benchmark::ClobberMemory();
    }
}

// The drawing alone, without the clear and the copy that dominate a step: where the two
// libraries really differ.
void DragDrawingOnly(benchmark::State& state) {
    polygon::ClearCanvas(polygon::CanvasHandle);
    for (auto _ : state) {
        polygon::RedrawPolygon();
        benchmark::ClobberMemory();
    }
}

void PaintDrawingOnly(benchmark::State& state) {
    polygon::ClearCanvas(polygon::CanvasHandle);
    SetPenWidth(10);
    for (auto _ : state) {
        DrawPolygon(polygon::OutlinePoints[32].View(), 0, 0x00FFFFFF, 0, 0);
        benchmark::ClobberMemory();
    }
}

// The same paint with every other vertex pushed billions of pixels off the canvas: clipping
// first keeps its cost to the visible part.
void PaintFarDrawingOnly(benchmark::State& state) {
    polygon::ClearCanvas(polygon::CanvasHandle);
    SetPenWidth(10);
    std::vector<PointF> points(32);
    for (int k = 0; k < 32; ++k) {
        const PointF p = polygon::OutlinePoints[32].View().points[k];
        const float push = k % 2 ? 5e6f : 1.f;
        points[k] = {400 + (p.x - 400) * push, 400 + (p.y - 400) * push};
    }
    for (auto _ : state) {
        DrawPolygon({32, points}, 0, 0x00FFFFFF, 0, 0);
        benchmark::ClobberMemory();
    }
}

// The same scenes with cairo: no anti-aliasing, the same paper and points, then one plain
// copy into a second surface.
struct CairoScene {
    cairo_surface_t* canvas = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSize, kSize);
    cairo_surface_t* control = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSize, kSize);
    cairo_t* cr = cairo_create(canvas);
    cairo_t* copy = cairo_create(control);
    CairoScene() {
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        cairo_set_operator(copy, CAIRO_OPERATOR_SOURCE);
    }
    ~CairoScene() {
        cairo_destroy(copy);
        cairo_destroy(cr);
        cairo_surface_destroy(control);
        cairo_surface_destroy(canvas);
    }
    void Paper() {
        cairo_set_source_rgb(cr, 1, 0, 1);
        cairo_paint(cr);
    }
    void Outline() {
        for (int k = 1; k <= 32; ++k) {
            const auto p = polygon::TemplatePointAt(k);
            if (k == 1)
                cairo_move_to(cr, p.x + 0.5, p.y + 0.5);
            else
                cairo_line_to(cr, p.x + 0.5, p.y + 0.5);
        }
        cairo_close_path(cr);
    }
    void CopyOut() {
        cairo_surface_flush(canvas);
        cairo_set_source_surface(copy, canvas, 0, 0);
        cairo_paint(copy);
        cairo_surface_flush(control);
    }
};

void CairoMesh(CairoScene& s) {
    cairo_set_source_rgb(s.cr, 0, 0, 0);
    for (int k = 1; k <= 32; ++k) {
        const auto p = polygon::TemplatePointAt(k);
        cairo_rectangle(s.cr, p.x, p.y, 8, 8);
    }
    cairo_fill(s.cr);
    s.Outline();
    cairo_set_line_width(s.cr, 1);
    cairo_stroke(s.cr);
}

void CairoPainted(CairoScene& s) {
    s.Outline();
    cairo_set_source_rgb(s.cr, 1, 1, 1);
    cairo_fill_preserve(s.cr);
    cairo_set_source_rgb(s.cr, 0, 0, 0);
    cairo_set_line_width(s.cr, 10);
    cairo_set_line_join(s.cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(s.cr);
}

// cairo's frame of a drag (the mesh) or of "Pinta": paper, drawing and the copy out.
void CairoStep(benchmark::State& state, void (*draw)(CairoScene&)) {
    CairoScene s;
    for (auto _ : state) {
        s.Paper();
        draw(s);
        s.CopyOut();
    }
}

// The drawing alone, on paper cleared once.
void CairoDrawingOnly(benchmark::State& state, void (*draw)(CairoScene&)) {
    CairoScene s;
    s.Paper();
    for (auto _ : state) {
        draw(s);
        cairo_surface_flush(s.canvas);
    }
}

void SaveCanvas(benchmark::State& state) {
    const std::string file = (std::filesystem::current_path() / "bench-canvas.bmp").string();
    for (auto _ : state) {
        AttachTarget(polygon::CanvasHandle, 0, 0);
        if (!SaveBmp(file)) state.SkipWithError("SaveBmp failed");
    }
    std::filesystem::remove(file);
}

BENCHMARK(Floor);
BENCHMARK(DragStep);
BENCHMARK(PaintStep);
BENCHMARK(DragChangedStep);
BENCHMARK(HoverStep);
BENCHMARK_CAPTURE(CairoStep, Drag, CairoMesh);
BENCHMARK_CAPTURE(CairoStep, Paint, CairoPainted);
BENCHMARK(DragDrawingOnly);
BENCHMARK_CAPTURE(CairoDrawingOnly, Drag, CairoMesh);
BENCHMARK(PaintDrawingOnly);
BENCHMARK_CAPTURE(CairoDrawingOnly, Paint, CairoPainted);
BENCHMARK(PaintFarDrawingOnly);
BENCHMARK(SaveCanvas)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per step so the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        // With repetitions the median is what counts; a single run stands for itself.
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (median || (run.run_type == Run::RT_Iteration && run.repetitions <= 1))
                seconds[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // The program's state after choosing 32 sides, with a ten-pixel border for "Pinta".
    polygon::test::ProgramAtStart program;
    settings::Settings.Grosor = 10;
    program.Choose(32);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& t = reporter.seconds;
    if (t.count("Floor") && t.count("DragStep") && t.count("PaintStep")) {
        auto ratio = [&](const char* a, const char* b) { return t[a] / t[b]; };
        std::printf("\ndrag step  / floor: %.3f  (target at most 1.2)\n",
                    ratio("DragStep", "Floor"));
        std::printf("paint step / floor: %.3f  (target at most 1.5)\n",
                    ratio("PaintStep", "Floor"));
        if (t.count("CairoDragStep") && t.count("CairoPaintStep")) {
            std::printf(
                "cairo drag / floor: %.3f, drag step / cairo drag: %.3f  (target below 1)\n",
                ratio("CairoDragStep", "Floor"), ratio("DragStep", "CairoDragStep"));
            std::printf(
                "cairo paint / floor: %.3f, paint step / cairo paint: %.3f  (target below 1)\n",
                ratio("CairoPaintStep", "Floor"), ratio("PaintStep", "CairoPaintStep"));
            std::printf("drawing alone, ours / cairo: mesh %.3f, painted %.3f\n",
                        ratio("DragDrawingOnly", "CairoDragDrawingOnly"),
                        ratio("PaintDrawingOnly", "CairoPaintDrawingOnly"));
        }
    }
    if (t.count("Floor") && t.count("DragChangedStep") && t.count("HoverStep")) {
        std::printf("drag step, changed area only / floor: %.3f  (target at most 0.25)\n",
                    t["DragChangedStep"] / t["Floor"]);
        std::printf("hover step / floor: %.3f  (target at most 0.05)\n",
                    t["HoverStep"] / t["Floor"]);
    }
    if (t.count("PaintFarDrawingOnly") && t.count("PaintDrawingOnly"))
        std::printf("painted with far vertices / painted, drawing alone: %.3f\n",
                    t["PaintFarDrawingOnly"] / t["PaintDrawingOnly"]);
    benchmark::Shutdown();
    return 0;
}

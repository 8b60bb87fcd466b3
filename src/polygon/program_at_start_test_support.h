#pragma once
// The program's state at start, for tests and benchmarks: the settings a missing settings file
// gives, the vertex table before any template, and a made-up main window holding the canvas
// control. All of it is released again when the owner goes, so the next one starts the same.

#include <cstdint>

#include "ids/program_ids.h"
#include "polygon/polygon_drawing.h"
#include "polygon/vertex_model.h"
#include "runtime/canvas/drawing_targets.h"
#include "settings/settings.h"

namespace polygon::test {

// Counts the areas the canvas control was asked to show on screen.
struct CountingPresenter : runtime::ControlPresenter {
    int presents = 0;
    int partialPresents = 0;  // areas smaller than the whole control

    void Present(const runtime::PixelRect& area) override {
        ++presents;
        partialPresents += area.left != 0 || area.top != 0 || area.right != kCanvasSize ||
                           area.bottom != kCanvasSize;
    }
};

class ProgramAtStart {
  public:
    static constexpr runtime::WindowHandle kWindow = 0x4242;
    static constexpr runtime::COLORREF kPaper = 0x00FF00FF;

    CountingPresenter presenter;
    // False when the made-up window has a canvas control already, which a test left behind.
    bool hasCanvasControl = false;

    ProgramAtStart() {
        settings::Settings = {0, runtime::kWhite, kPaper, 1};
        CreateVertexTable();
        OutlinePoints = {};
        CanvasWindow = kWindow;
        hasCanvasControl = runtime::RegisterCanvasControl(kWindow, ids::kCanvasControl, kCanvasSize,
                                                          kCanvasSize, &presenter);
    }
    ~ProgramAtStart() {
        ReleaseCanvas();
        if (hasCanvasControl) runtime::UnregisterCanvasControl(kWindow, ids::kCanvasControl);
        runtime::DetachTarget();
    }
    ProgramAtStart(const ProgramAtStart&) = delete;
    ProgramAtStart& operator=(const ProgramAtStart&) = delete;

    // What choosing "n lados" in the list does.
    static void Choose(int sides) {
        SideCount = static_cast<std::uint8_t>(sides);
        LoadTemplate(sides);
    }
    // A pixel of the canvas control, as the window shows it.
    static runtime::COLORREF Shown(int x, int y) {
        runtime::AttachTarget(kWindow, ids::kCanvasControl, 0);
        return runtime::ReadPixel(float(x), float(y));
    }
    // A pixel of the Canvas bitmap, which the control shows at its next refresh.
    static runtime::COLORREF OnCanvas(int x, int y) {
        runtime::AttachTarget(CanvasHandle, 0, 0);
        return runtime::ReadPixel(float(x), float(y));
    }
};

}  // namespace polygon::test

// Drags and typed moves redraw only what changed on the Canvas and copy only the pixels that
// differ into the canvas control. What the user sees must still be, pixel for pixel, what a
// full clear and redraw gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>

#include "editing/canvas_pointer.h"
#include "editing/vertex_dialog.h"
#include "ids/program_ids.h"
#include "polygon/polygon_drawing.h"
#include "polygon/program_at_start_test_support.h"
#include "polygon/vertex_model.h"
#include "settings/settings.h"

namespace editing {
namespace {

using namespace runtime;

using polygon::test::ProgramAtStart;

int Differing(const Raster& a, const Raster& b) {
    const std::size_t size = static_cast<std::size_t>(a.width) * a.height;
    if (a.width != b.width || a.height != b.height) return -1;
    if (std::memcmp(a.pixels, b.pixels, size * sizeof(Pixel)) == 0) return 0;
    int n = 0;
    for (std::size_t i = 0; i < size; ++i) n += a.pixels[i] != b.pixels[i];
    return n;
}

// How many pixels of the bitmap differ from the canvas control's.
int DifferingFromControl(TargetHandle bitmap) {
    int n = -1;
    AttachTarget(bitmap, 0, 0);
    WithCurrentRaster([&](const Raster& r, void*) {
        WithCanvasControlRaster(ProgramAtStart::kWindow, ids::kCanvasControl,
                                [&](const Raster& shown) { n = Differing(r, shown); });
    });
    return n;
}

// Border and fill colours of their own, so that "Pinta" leaves pixels no mesh has.
struct MeshRedraw : ::testing::Test, ProgramAtStart {
    OwnedBitmap reference{NewBitmap(800, 800)};
    std::mt19937 random{13};

    void SetUp() override {
        ASSERT_TRUE(hasCanvasControl);
        ASSERT_GT(reference.Get(), 0);
        settings::Settings.Borde = 0x00000080;
        settings::Settings.Relleno = 0x0000FFFF;
        PointerReleased({});  // ends any drag an earlier test left
        ChosenVertex = 0;
    }

    int Below(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }

    // The control must show the Canvas, and the Canvas the mesh of the vertex table as a
    // full clear and redraw leaves it, drawn aside for the comparison.
    void ExpectFullRedraw() {
        const TargetHandle canvas = polygon::CanvasHandle;
        polygon::CanvasHandle = reference.Get();
        polygon::ClearCanvas(reference.Get());
        polygon::RedrawPolygon();
        polygon::CanvasHandle = canvas;
        ASSERT_EQ(DifferingFromControl(reference.Get()), 0) << "a full redraw";
        ExpectControlShowsCanvas();
    }
    void ExpectControlShowsCanvas() { ASSERT_EQ(DifferingFromControl(polygon::CanvasHandle), 0); }

    // Mostly a few pixels, now and then far across or off the canvas.
    PointerPosition NextPointer(PointerPosition p) {
        if (Below(6) == 0) return {Below(2) ? 65535 : Below(900), Below(3) ? Below(900) : 65535};
        return {std::clamp(p.x + Below(41) - 20, 0, 65535),
                std::clamp(p.y + Below(41) - 20, 0, 65535)};
    }
    std::string TypedCoordinate() {
        static const char* const kFar[] = {"-2147483648", "2147483647", "-70000",
                                           "99999",       "-8",         "805"};
        return Below(3) == 0 ? kFar[Below(6)] : std::to_string(Below(840) - 20);
    }

    void Drag(int sides) {
        const polygon::VertexRecord& v = polygon::VertexTable[1 + Below(sides)];
        if (v.x < 0 || v.y < 0 || v.x > 65535 - 8 || v.y > 65535 - 8)
            return;  // no pointer reaches it
        PointerPosition p{v.x + Below(9), v.y + Below(9)};
        PointerPressed(p);
        for (int move = Below(5); move >= 0; --move) {
            p = NextPointer(p);
            PointerMoved(p);
            ExpectFullRedraw();
            if (HasFatalFailure()) return;
        }
        PointerReleased(p);
    }
};

// Every template; seeded random drags (a few pixels, across and off the canvas), typed moves
// (far beyond the canvas too), a vertex highlighted as the vertex dialog leaves it, "Pinta"
// in between, and pointer moves with nothing grabbed.
TEST_F(MeshRedraw, DragsAndTypedMovesShowTheFullRedrawsPixels) {
    for (int sides = polygon::kMinSides; sides <= polygon::kMaxSides; ++sides) {
        settings::Settings.Grosor = static_cast<std::int16_t>(1 + sides % 10);
        Choose(sides);
        for (int step = 0; step < 24; ++step) {
            const int kind = Below(8);
            SCOPED_TRACE(testing::Message()
                         << sides << " sides, step " << step << ", kind " << kind);
            switch (kind) {
                case 0:
                    polygon::PaintPolygon();
                    ExpectControlShowsCanvas();
                    break;
                case 1:
                    ChooseVertex(VertexItemText(1 + Below(sides)));
                    ExpectControlShowsCanvas();
                    break;
                case 2:
                    ReleaseChosenVertex();
                    break;
                case 3:
                    PointerMoved({Below(800), Below(800)});
                    ExpectControlShowsCanvas();
                    break;
                case 4:
                    ChooseVertex(VertexItemText(1 + Below(sides)));
                    ApplyCoordinates(TypedCoordinate(), TypedCoordinate());
                    ExpectFullRedraw();
                    break;
                default:
                    Drag(sides);
                    break;
            }
            if (HasFatalFailure()) return;
        }
    }
    EXPECT_GT(presenter.partialPresents, 100) << "most steps show only part of the control";

    // A pixel changed behind the drawing's back, far from the drag, shows that the redraw
    // kept to the changed area; a full redraw takes it away.
    Choose(32);
    PointerPressed({316, 375});  // vertex 32
    PointerMoved({318, 374});
    AttachTarget(polygon::CanvasHandle, 0, 0);
    WithCurrentRaster([](const Raster& r, void*) { r.At(799, 0) = 0; });
    PointerMoved({320, 377});
    AttachTarget(polygon::CanvasHandle, 0, 0);
    EXPECT_EQ(ReadPixel(799, 0), 0);
    polygon::ClearCanvas(polygon::CanvasHandle);
    polygon::RedrawPolygon();
    EXPECT_EQ(ReadPixel(799, 0), settings::Settings.Papel);
}

}  // namespace
}  // namespace editing

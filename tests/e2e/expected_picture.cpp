#include "expected_picture.h"

#include "ids/program_ids.h"
#include "polygon/polygon_drawing.h"
#include "polygon/vertex_model.h"
#include "runtime/bmp/bmp_writer.h"
#include "runtime/canvas/drawing_targets.h"

namespace e2e {

settings::SettingsRecord DefaultSettings() {
    return {0, 0x00FFFFFF, 0x00FF00FF, 1};
}

std::function<void()> VertexMovedTo(int k, int x, int y) {
    return [=] {
        polygon::VertexTable[k].x = x;
        polygon::VertexTable[k].y = y;
        polygon::ClearCanvas(polygon::CanvasHandle);
        polygon::RedrawPolygon();
    };
}

std::vector<std::uint8_t> ExpectedPicture(int sides, const settings::SettingsRecord& settings,
                                          const std::function<void()>& change) {
    constexpr runtime::WindowHandle kStandIn = 0x6e6e;
    settings::Settings = settings;
    polygon::CreateVertexTable();
    polygon::CanvasWindow = kStandIn;
    runtime::RegisterCanvasControl(kStandIn, ids::kCanvasControl, 800, 800, nullptr);
    polygon::SideCount = static_cast<std::uint8_t>(sides);
    polygon::LoadTemplate(sides);
    if (change) change();
    std::vector<std::uint8_t> file = runtime::BmpHeaders(800, 800);
    runtime::AttachTarget(polygon::CanvasHandle, 0, 0);
    runtime::WithCurrentRaster([&](const runtime::Raster& r, void*) {
        const auto pixels = runtime::BmpPixelArray(r);
        file.insert(file.end(), pixels.begin(), pixels.end());
    });
    polygon::ReleaseCanvas();
    runtime::UnregisterCanvasControl(kStandIn, ids::kCanvasControl);
    return file;
}

}  // namespace e2e

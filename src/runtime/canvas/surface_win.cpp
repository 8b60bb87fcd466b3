#include <windows.h>

#include <optional>

#include "runtime/canvas/gdi_objects_win.h"
#include "runtime/canvas/surface.h"
#include "runtime/canvas/surface_limits.h"

namespace runtime {

namespace {

// The DIB section stays selected into its own memory context for its whole life, so GDI
// can show it and draw text into it.
class DibSurface final : public Surface {
  public:
    DibSurface(Bitmap bitmap, void* bits, int width, int height) : bitmap_(std::move(bitmap)) {
        raster_ = {static_cast<Pixel*>(bits), width, height};
        selection_.emplace(dc_.Get(), bitmap_.Get());
    }
    bool Ready() const { return dc_ && bitmap_; }
    void* DrawingContext() const override { return dc_.Get(); }

  private:
    Bitmap bitmap_;
    MemoryDc dc_;
    std::optional<Selection> selection_;  // released first: the bitmap leaves the context
};

}  // namespace

std::unique_ptr<Surface> CreateSurface(int width, int height) {
    if (!SurfaceSizeAllowed(width, height)) return nullptr;
    const BITMAPINFO info = TopDownDibInfo(width, height);
    void* bits = nullptr;
    Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return nullptr;
    auto surface = std::make_unique<DibSurface>(std::move(bitmap), bits, width, height);
    if (!surface->Ready()) return nullptr;
    return surface;
}

}  // namespace runtime

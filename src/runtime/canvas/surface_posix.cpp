#include <cstdint>
#include <new>

#include "runtime/canvas/surface.h"
#include "runtime/canvas/surface_limits.h"

namespace runtime {

namespace {

class HeapSurface final : public Surface {
  public:
    HeapSurface(std::unique_ptr<Pixel[]> memory, int width, int height)
        : memory_(std::move(memory)) {
        raster_ = {memory_.get(), width, height};
    }

  private:
    std::unique_ptr<Pixel[]> memory_;
};

}  // namespace

std::unique_ptr<Surface> CreateSurface(int width, int height) {
    if (!SurfaceSizeAllowed(width, height)) return nullptr;
    const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::unique_ptr<Pixel[]> memory(new (std::nothrow) Pixel[count]());
    if (!memory) return nullptr;
    return std::make_unique<HeapSurface>(std::move(memory), width, height);
}

}  // namespace runtime

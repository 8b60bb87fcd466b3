#pragma once
// The pixel memory of one drawing target. On Windows it is a 32-bit top-down DIB section
// selected into a memory device context, so GDI can show it and write text into it; elsewhere
// plain memory. Either way the raster is ours to draw on.

#include <memory>

#include "runtime/canvas/raster.h"

namespace runtime {

class Surface {
  public:
    virtual ~Surface() = default;
    const Raster& Pixels() const { return raster_; }
    // The platform drawing context over the pixels (an HDC on Windows); null elsewhere.
    virtual void* DrawingContext() const { return nullptr; }

  protected:
    Raster raster_;
};

// A zeroed surface of w x h pixels, or null when the platform cannot make one (non-positive
// or absurd sizes included).
std::unique_ptr<Surface> CreateSurface(int width, int height);

}  // namespace runtime

#include <windows.h>

#include "runtime/canvas/surface.h"
#include "runtime/canvas/surface_limits.h"

namespace runtime {

namespace {

class DibSurface final : public Surface {
public:
    DibSurface(HDC dc, HBITMAP bitmap, HGDIOBJ previous, void* bits, int width, int height)
        : dc_(dc), bitmap_(bitmap), previous_(previous) {
        raster_ = {static_cast<Pixel*>(bits), width, height};
    }
    ~DibSurface() override {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    void* DrawingContext() const override { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

}  // namespace

std::unique_ptr<Surface> CreateSurface(int width, int height) {
    if (!SurfaceSizeAllowed(width, height)) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, like our raster
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) {
        if (bitmap) DeleteObject(bitmap);
        return nullptr;
    }
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) {
        DeleteObject(bitmap);
        return nullptr;
    }
    HGDIOBJ previous = SelectObject(dc, bitmap);
    return std::make_unique<DibSurface>(dc, bitmap, previous, bits, width, height);
}

}  // namespace runtime

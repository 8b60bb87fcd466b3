// The targets themselves: canvas controls and bitmaps coming and going, the current target,
// and what each keeps for the primitives (pen, colours, clip) and for the services above.
#include "runtime/canvas/drawing_targets.h"

#include "runtime/canvas/system_colors.h"
#include "runtime/canvas/target_state.h"
#include "runtime/files/error_number.h"

namespace runtime {

using namespace targets;

bool RegisterCanvasControl(WindowHandle owner, int controlId, int width, int height,
                           ControlPresenter* presenter) {
    if (controlId == 0) return false;
    auto surface = CreateSurface(width, height);
    if (!surface) return false;
    auto target = std::make_shared<DrawingTarget>();
    target->kind = TargetKind::CanvasControl;
    target->surface = std::move(surface);
    target->foreColor = WindowTextColor();
    target->backColor = ButtonFaceColor();
    target->presenter = presenter;
    std::lock_guard draw(drawingLock);
    std::lock_guard guard(registry.mutex);
    return registry.controls.emplace(std::pair{owner, controlId}, std::move(target)).second;
}

void UnregisterCanvasControl(WindowHandle owner, int controlId) {
    std::lock_guard draw(drawingLock);
    std::lock_guard guard(registry.mutex);
    auto it = registry.controls.find({owner, controlId});
    if (it == registry.controls.end()) return;
    it->second->alive = false;
    it->second->presenter = nullptr;
    registry.controls.erase(it);
}

void AttachTarget(std::intptr_t owner, int controlId, int bufferedFlag) {
    std::lock_guard draw(drawingLock);
    current = registry.Find(owner, controlId);
    if (!current) {
        RecordError(kIllegalFunctionCall);
        return;
    }
    if (current->kind == TargetKind::CanvasControl) current->buffered = bufferedFlag != 0;
}

void DetachTarget() {
    std::lock_guard draw(drawingLock);
    current.reset();
}

TargetHandle NewBitmap(int width, int height) {
    auto surface = CreateSurface(width, height);
    if (!surface) return 0;
    auto target = std::make_shared<DrawingTarget>();
    target->surface = std::move(surface);
    target->foreColor = WindowTextColor();
    target->backColor = ButtonFaceColor();
    std::lock_guard draw(drawingLock);
    return registry.Add(std::move(target));
}

void EndBitmap() {
    std::lock_guard draw(drawingLock);
    if (!current || !current->alive || current->kind != TargetKind::Bitmap) return;
    current->alive = false;
    registry.Remove(current.get());
    current->surface.reset();
    current.reset();
}

void ReleaseBitmap(TargetHandle& handle) {
    if (handle <= 0) return;
    AttachTarget(handle, 0, 0);
    EndBitmap();
    handle = 0;
}

void ClipTarget(const PixelRect& area) {
    CurrentTarget t;
    if (t) t->clip = area;
}

void UnclipTarget() {
    CurrentTarget t;
    if (t) t->clip = kNoClip;
}

std::uint64_t TargetRevision() {
    CurrentTarget t;
    return t ? t->revision : 0;
}

void SetPenWidth(int width) {
    CurrentTarget t;
    if (t) t->penWidth = width;
}

void SetForeColor(COLORREF color) {
    CurrentTarget t;
    if (!t || color == KeepColor) return;
    t->foreColor = color == DefaultColor ? WindowTextColor() : PlainColor(color);
}

void SetBackColor(COLORREF color) {
    CurrentTarget t;
    if (!t || color == KeepColor) return;
    if (color == DefaultColor)
        t->backColor = ButtonFaceColor();
    else if (color == NoColor)
        t->backColor = NoColor;
    else
        t->backColor = PlainColor(color);
}

void ResetScale() {
    // Targets keep no coordinate scale of their own: coordinates are always pixels.
}

bool WithCurrentRaster(const std::function<void(const Raster&, void*)>& use) {
    CurrentTarget t;
    if (!t) return false;
    use(t->Pixels(), t->surface->DrawingContext());
    return true;
}

bool WithCurrentText(const std::function<PixelRect(TextTarget&)>& use) {
    CurrentTarget t;
    if (!t) return false;
    TextTarget target{t->Pixels(), t->surface->DrawingContext(), t->foreColor, t->backColor,
                      t->text};
    const PixelRect changed = use(target);
    if (!changed.Empty()) MarkChanged(*t, changed);
    return true;
}

bool WithCanvasControlRaster(WindowHandle owner, int controlId,
                             const std::function<void(const Raster&)>& use) {
    std::lock_guard draw(drawingLock);
    TargetRef target = registry.Find(owner, controlId);
    if (!target || controlId == 0) return false;
    use(target->Pixels());
    return true;
}

}  // namespace runtime

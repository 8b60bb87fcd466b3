#include "runtime/canvas/drawing_targets.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "runtime/canvas/frame_policy.h"
#include "runtime/canvas/raster_box.h"
#include "runtime/canvas/raster_fill.h"
#include "runtime/canvas/raster_lines.h"
#include "runtime/canvas/surface.h"
#include "runtime/canvas/system_colors.h"
#include "runtime/canvas/wide_pen.h"
#include "runtime/files/error_number.h"

namespace runtime {

namespace {

enum class TargetKind { Bitmap, CanvasControl };

struct DrawingTarget {
    TargetKind kind = TargetKind::Bitmap;
    std::unique_ptr<Surface> surface;
    COLORREF foreColor = 0;
    COLORREF backColor = 0;  // NoColor: transparent
    int penWidth = 0;
    bool buffered = true;
    PixelRect pending;
    ControlPresenter* presenter = nullptr;
    // A copy from a source whose pixels this target still holds unchanged needs to take only
    // what the source changed since: `copyOf` is that source, `copiedTo` where this target
    // was copied last, `uncopied` what changed here since this target was last copied out.
    std::weak_ptr<DrawingTarget> copyOf;
    std::weak_ptr<DrawingTarget> copiedTo;
    PixelRect uncopied;
    PixelRect clip = kNoClip;    // what the drawing primitives may change
    std::uint64_t revision = 0;  // see TargetRevision
    TextState text;
    bool alive = true;  // false once ended or unregistered; other threads may still hold it

    const Raster& Pixels() const { return surface->Pixels(); }
    // The pixels as the drawing primitives see them: within the clip.
    Raster Drawable() const {
        Raster r = surface->Pixels();
        r.clip = clip;
        return r;
    }
};

using TargetRef = std::shared_ptr<DrawingTarget>;

// One process-wide lock serialises the primitives. A thread that finds it taken yields and
// tries again; the thread holding it may take it again, since a presenter called from inside
// a primitive paints from the same raster.
class DrawingLock {
  public:
    void lock() {
        const auto me = std::this_thread::get_id();
        if (owner_.load(std::memory_order_acquire) == me) {
            ++depth_;
            return;
        }
        std::thread::id none;
        while (!owner_.compare_exchange_weak(none, me, std::memory_order_acquire)) {
            none = std::thread::id();
            std::this_thread::yield();
        }
        depth_ = 1;
    }
    void unlock() {
        if (--depth_ == 0) owner_.store(std::thread::id(), std::memory_order_release);
    }

  private:
    std::atomic<std::thread::id> owner_{};
    int depth_ = 0;
};

DrawingLock drawingLock;

// The registry of live targets, with its own lock, always taken inside the drawing lock.
struct Registry {
    std::mutex mutex;
    std::unordered_map<TargetHandle, TargetRef> bitmaps;
    std::map<std::pair<WindowHandle, int>, TargetRef> controls;
    TargetHandle lastHandle = 0;

    TargetRef Find(std::intptr_t owner, int controlId) {
        std::lock_guard guard(mutex);
        if (controlId != 0) {
            auto it = controls.find({owner, controlId});
            return it == controls.end() ? nullptr : it->second;
        }
        if (owner <= 0 || owner > INT32_MAX) return nullptr;
        auto it = bitmaps.find(static_cast<TargetHandle>(owner));
        return it == bitmaps.end() ? nullptr : it->second;
    }

    TargetHandle Add(TargetRef target) {
        std::lock_guard guard(mutex);
        do {
            lastHandle = lastHandle == INT32_MAX ? 1 : lastHandle + 1;
        } while (bitmaps.contains(lastHandle));
        bitmaps.emplace(lastHandle, std::move(target));
        return lastHandle;
    }

    void Remove(const DrawingTarget* target) {
        std::lock_guard guard(mutex);
        std::erase_if(bitmaps, [&](const auto& entry) { return entry.second.get() == target; });
    }
};

Registry registry;

thread_local TargetRef current;

std::uint64_t lastRevision = 0;  // taken under the drawing lock

// The current target with the drawing lock held, for the span of one primitive.
class CurrentTarget {
  public:
    CurrentTarget() : guard_(drawingLock) {
        if (current && current->alive) target_ = current.get();
    }
    explicit operator bool() const { return target_ != nullptr; }
    DrawingTarget* operator->() const { return target_; }
    DrawingTarget& operator*() const { return *target_; }

  private:
    std::lock_guard<DrawingLock> guard_;
    DrawingTarget* target_ = nullptr;
};

// Records what a primitive changed and, on an unbuffered canvas control, shows it now.
void MarkChanged(DrawingTarget& t, const PixelRect& area) {
    const PixelRect changed = Intersect(area, t.Pixels().Bounds());
    if (!changed.Empty()) {
        t.uncopied = Union(t.uncopied, changed);
        t.copyOf.reset();
        t.revision = ++lastRevision;
    }
    t.pending = Union(t.pending, changed);
    if (t.kind != TargetKind::CanvasControl || t.buffered || t.pending.Empty()) return;
    PixelRect shown = t.pending;
    t.pending = {};
    if (t.presenter) t.presenter->Present(shown);
}

COLORREF ResolveBorder(const DrawingTarget& t, COLORREF border) {
    return border == DefaultColor ? t.foreColor : border;
}

// A fill of DefaultColor takes the (resolved) border colour; NoColor means no fill.
std::optional<Pixel> ResolveFill(COLORREF fill, COLORREF resolvedBorder) {
    if (fill == DefaultColor) fill = resolvedBorder;
    if (fill == NoColor) return std::nullopt;
    return PixelFromColor(PlainColor(fill));
}

std::optional<Pixel> BorderPixel(COLORREF resolvedBorder) {
    if (resolvedBorder == NoColor) return std::nullopt;
    return PixelFromColor(PlainColor(resolvedBorder));
}

}  // namespace

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

void ClearTarget(COLORREF color, int /*fillStyle: only solid is used*/) {
    CurrentTarget t;
    if (!t) return;
    if (color == DefaultColor) color = t->backColor;
    const Raster r = t->Drawable();
    if (color != NoColor) FillRect(r, r.Bounds(), PixelFromColor(PlainColor(color)));
    t->text.x = t->text.y = 0;  // text starts again at the top left
    MarkChanged(*t, r.Bounds());
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

void DrawBox(float x1, float y1, float x2, float y2, int roundness, COLORREF borderColor,
             COLORREF fillColor, int /*fillStyle*/) {
    CurrentTarget t;
    if (!t) return;
    int left = PixelCoordinate(x1), top = PixelCoordinate(y1);
    int right = PixelCoordinate(x2), bottom = PixelCoordinate(y2);
    const COLORREF border = ResolveBorder(*t, borderColor);
    roundness = std::clamp(roundness, 0, 100);
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    const std::int64_t corner =
        std::min(std::int64_t{right} - left, std::int64_t{bottom} - top) * roundness / 100;

    BoxStyle style;
    style.penWidth = t->penWidth;
    style.border = BorderPixel(border);
    style.fill = ResolveFill(fillColor, border);
    style.cornerWidth = style.cornerHeight = corner;
    const Raster r = t->Drawable();
    DrawBoxPixels(r, {left, top, right, bottom}, style);

    const int grow = std::clamp(t->penWidth, 0, kMaxPenWidth) / 2 + 1;
    MarkChanged(*t, Clip(FarRect{std::int64_t{left} - grow, std::int64_t{top} - grow,
                                 std::int64_t{right} + grow, std::int64_t{bottom} + grow},
                         r.Bounds()));
}

void DrawPolygon(const PointList& list, COLORREF borderColor, COLORREF fillColor, int /*fillStyle*/,
                 int fillMode) {
    CurrentTarget t;
    if (!t) return;
    const int n = list.count;
    if (n < 2 || n > kMaxPolygonPointCount || static_cast<std::size_t>(n) > list.points.size())
        return;
    std::array<PixelPoint, kMaxPolygonPointCount> points;
    for (int i = 0; i < n; ++i)
        points[i] = {PixelCoordinate(list.points[i].x), PixelCoordinate(list.points[i].y)};
    const COLORREF border = ResolveBorder(*t, borderColor);
    const Raster r = t->Drawable();
    if (auto fill = ResolveFill(fillColor, border))
        FillPolygon(r, points.data(), n, fillMode == 0 ? FillRule::Winding : FillRule::Alternate,
                    *fill);
    if (auto pen = BorderPixel(border)) {
        if (t->penWidth > 1)
            DrawWideOutline(r, points.data(), n, t->penWidth, *pen);
        else
            DrawClosedOutline(r, points.data(), n, *pen);
    }
    MarkChanged(*t, r.Bounds());
}

// Copies the pixels of `area` that differ and gives back the box round them.
PixelRect CopyDifferences(const Raster& from, const Raster& to, const PixelRect& area) {
    PixelRect changed;
    for (int y = area.top; y < area.bottom; ++y) {
        const Pixel* source = from.Row(y);
        Pixel* row = to.Row(y);
        int left = area.left, right = area.right;
        while (left < right && source[left] == row[left]) ++left;
        if (left == right) continue;
        while (source[right - 1] == row[right - 1]) --right;
        std::copy(source + left, source + right, row + left);
        changed = Union(changed, {left, y, right, y + 1});
    }
    return changed;
}

void CopyBitmap(std::intptr_t sourceOwner, int sourceControlId, int /*copyMode*/) {
    // Every copy the program makes is a plain one (its mode lies outside the table of raster
    // operations, which counts as the plain copy), so that is the one copy there is.
    CurrentTarget t;
    if (!t) return;
    TargetRef source = registry.Find(sourceOwner, sourceControlId);
    if (!source || !source->alive || source.get() == &*t) return;
    const Raster& from = source->Pixels();
    const Raster& to = t->Pixels();
    const int w = std::min(from.width, to.width), h = std::min(from.height, to.height);
    const PixelRect block{0, 0, w, h};
    // Where this target still holds the source's last copy, only what the source changed
    // since can differ; of that, only the pixels that do differ are copied and shown.
    const bool follows =
        OnlyWhatChanged() && t->copyOf.lock() == source && source->copiedTo.lock() == current;
    const PixelRect stale = Intersect(source->uncopied, block);
    const bool whole = stale.left == 0 && stale.top == 0 && stale.right == w && stale.bottom == h;
    PixelRect changed = block;
    if (follows && !whole) {
        changed = CopyDifferences(from, to, stale);
    } else if (w == from.width && w == to.width) {
        std::copy(from.Row(0), from.Row(h), to.Row(0));
    } else {
        for (int y = 0; y < h; ++y) std::copy(from.Row(y), from.Row(y) + w, to.Row(y));
    }
    source->uncopied = {};
    source->copiedTo = current;
    MarkChanged(*t, changed);
    t->copyOf = source;
}

void RedrawTarget() {
    CurrentTarget t;
    if (!t || t->kind != TargetKind::CanvasControl) return;
    // What was shown already is on screen: a repaint needs only what is still pending.
    const PixelRect shown = OnlyWhatChanged() ? t->pending : t->Pixels().Bounds();
    t->pending = {};
    if (t->presenter && !shown.Empty()) t->presenter->Present(shown);
}

COLORREF ReadPixel(float x, float y) {
    CurrentTarget t;
    if (!t) return NoPixel;
    const int px = PixelCoordinate(x), py = PixelCoordinate(y);
    if (!t->Pixels().Contains(px, py)) return NoPixel;
    return ColorFromPixel(t->Pixels().At(px, py));
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

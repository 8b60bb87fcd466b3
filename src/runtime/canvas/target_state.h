#pragma once
// What lies behind drawing_targets.h, shared by the files that implement it and by nothing
// outside runtime/canvas: a target's state, the drawing lock, the registry of live targets and
// the calling thread's current target.

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <utility>

#include "runtime/canvas/drawing_targets.h"
#include "runtime/canvas/surface.h"

namespace runtime::targets {

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

extern DrawingLock drawingLock;

// The registry of live targets, with its own lock, always taken inside the drawing lock.
struct Registry {
    std::mutex mutex;
    std::unordered_map<TargetHandle, TargetRef> bitmaps;
    std::map<std::pair<WindowHandle, int>, TargetRef> controls;
    TargetHandle lastHandle = 0;

    TargetRef Find(std::intptr_t owner, int controlId);
    TargetHandle Add(TargetRef target);
    void Remove(const DrawingTarget* target);
};

extern Registry registry;

extern thread_local TargetRef current;

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
void MarkChanged(DrawingTarget& t, const PixelRect& area);

}  // namespace runtime::targets

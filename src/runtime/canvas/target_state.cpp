#include "runtime/canvas/target_state.h"

#include <algorithm>
#include <cstdint>

namespace runtime::targets {

DrawingLock drawingLock;
Registry registry;
thread_local TargetRef current;

namespace {

std::uint64_t lastRevision = 0;  // taken under the drawing lock

}  // namespace

TargetRef Registry::Find(std::intptr_t owner, int controlId) {
    std::lock_guard guard(mutex);
    if (controlId != 0) {
        auto it = controls.find({owner, controlId});
        return it == controls.end() ? nullptr : it->second;
    }
    if (owner <= 0 || owner > INT32_MAX) return nullptr;
    auto it = bitmaps.find(static_cast<TargetHandle>(owner));
    return it == bitmaps.end() ? nullptr : it->second;
}

TargetHandle Registry::Add(TargetRef target) {
    std::lock_guard guard(mutex);
    do {
        lastHandle = lastHandle == INT32_MAX ? 1 : lastHandle + 1;
    } while (bitmaps.contains(lastHandle));
    bitmaps.emplace(lastHandle, std::move(target));
    return lastHandle;
}

void Registry::Remove(const DrawingTarget* target) {
    std::lock_guard guard(mutex);
    std::erase_if(bitmaps, [&](const auto& entry) { return entry.second.get() == target; });
}

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

}  // namespace runtime::targets

// Copying one target into another, and showing what a canvas control holds: both limited to
// what changed while the frame policy says so.
#include <algorithm>

#include "runtime/canvas/drawing_targets.h"
#include "runtime/canvas/frame_policy.h"
#include "runtime/canvas/target_state.h"

namespace runtime {

using namespace targets;

namespace {

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

}  // namespace

void CopyBitmap(std::intptr_t sourceOwner, int sourceControlId, int /*copyMode*/) {
    // Every copy the program makes is a plain one (SRCCOPY), so that is the one copy there is.
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

}  // namespace runtime

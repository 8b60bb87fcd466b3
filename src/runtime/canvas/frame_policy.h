#pragma once
// Whether a change reaches the screen as just the area it changed or as a whole frame. The
// program limits every copy, repaint and mesh redraw to what changed; the pixels are the same
// either way. A build that works in whole frames, for the benchmarks to compare against,
// links its own definition of this one function in place of frame_policy.cpp's.

namespace runtime {

bool OnlyWhatChanged();

}  // namespace runtime

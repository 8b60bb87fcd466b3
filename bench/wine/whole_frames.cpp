// Linked into poligonos_whole_frames ahead of the libraries, in place of frame_policy.cpp: the
// same program, clearing, redrawing, copying and repainting whole frames on every change, as
// the measure that make bench-wine compares the program against.
#include "runtime/canvas/frame_policy.h"

namespace runtime {

bool OnlyWhatChanged() {
    return false;
}

}  // namespace runtime

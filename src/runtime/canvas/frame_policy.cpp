// Alone in its file on purpose: a build that links another definition first never pulls this
// one out of the library.
#include "runtime/canvas/frame_policy.h"

namespace runtime {

bool OnlyWhatChanged() {
    return true;
}

}  // namespace runtime

#include "app/profile_store.h"

namespace app {

// Only the host tests run this build, and they keep their settings in memory.
ProfileStore& PlatformProfileStore() {
    static MemoryProfileStore store;
    return store;
}

}  // namespace app

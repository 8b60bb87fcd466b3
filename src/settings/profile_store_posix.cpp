#include "settings/profile_store.h"

namespace settings {

// Only the host tests run this build, and they keep their settings in memory.
ProfileStore& PlatformProfileStore() {
    static MemoryProfileStore store;
    return store;
}

}  // namespace settings

#include <windows.h>

#include "app/profile_store.h"

namespace app {

namespace {

// The profile functions take and give the program's single-byte text as it is.
class WindowsProfileStore : public ProfileStore {
public:
    std::string Read(const std::string& section, const std::string& key, const std::string& fallback,
                     const std::string& path) override {
        char value[260] = {};
        const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), value,
                                                      sizeof value, path.c_str());
        return std::string(value, length < sizeof value ? length : sizeof value - 1);
    }

    void Write(const std::string& section, const std::string& key, const std::string& value,
               const std::string& path) override {
        // Windows refuses to write a read-only file; Wine run by root would write it anyway.
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return;
        WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
    }
};

}  // namespace

ProfileStore& PlatformProfileStore() {
    static WindowsProfileStore store;
    return store;
}

}  // namespace app

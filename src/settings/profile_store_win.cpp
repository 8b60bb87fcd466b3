#include <windows.h>

#include "runtime/files/error_number.h"
#include "runtime/files/record_file_platform.h"
#include "runtime/files/replacement_file.h"
#include "settings/profile_store.h"

namespace settings {

namespace {

// The profile functions take and give the program's single-byte text as it is.
class WindowsProfileStore : public ProfileStore {
  public:
    std::string Read(const std::string& section, const std::string& key,
                     const std::string& fallback, const std::string& path) override {
        char value[260] = {};
        const DWORD length = GetPrivateProfileStringA(
            section.c_str(), key.c_str(), fallback.c_str(), value, sizeof value, path.c_str());
        return std::string(value, length < sizeof value ? length : sizeof value - 1);
    }

    void Write(const std::string& section, const std::string& key, const std::string& value,
               const std::string& path) override {
        if (runtime::platform::HasAttribute(path, runtime::kAttributeReadOnly)) return;
        WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
    }

    // Each profile write rewrites the whole file, and an end between them (or inside one)
    // would leave it damaged: they go to a copy, which then takes the file's place whole.
    void WriteAll(const std::vector<Value>& values, const std::string& path) override {
        runtime::ProcedureError quiet;        // a store that cannot write says nothing
        runtime::ReplacementFile file(path);  // and leaves a read-only file alone
        if (!file.Open() || !file.CopyTarget()) return;
        const std::string copy = file.HandOver();
        for (const Value& v : values)
            if (!WritePrivateProfileStringA(v.section.c_str(), v.key.c_str(), v.value.c_str(),
                                            copy.c_str()))
                return;
        file.Commit();
    }
};

}  // namespace

ProfileStore& PlatformProfileStore() {
    static WindowsProfileStore store;
    return store;
}

}  // namespace settings

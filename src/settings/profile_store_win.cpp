#include <windows.h>

#include <algorithm>
#include <iterator>

#include "runtime/files/error_number.h"
#include "runtime/files/platform_text.h"
#include "runtime/files/record_file_platform.h"
#include "runtime/files/replacement_file.h"
#include "settings/profile_store.h"

namespace settings {

namespace {

using runtime::WideFromText;

// The wide profile functions, so that the file is named by its full name; what they store in
// the file is the same single-byte text.
class WindowsProfileStore : public ProfileStore {
  public:
    std::string Read(const std::string& section, const std::string& key,
                     const std::string& fallback, const std::filesystem::path& path) override {
        wchar_t value[kLongestProfileText + 1] = {};
        const DWORD length = GetPrivateProfileStringW(
            WideFromText(section).c_str(), WideFromText(key).c_str(),
            WideFromText(fallback).c_str(), value, std::size(value), path.c_str());
        return runtime::TextFromWide(
            std::wstring(value, std::min<std::size_t>(length, kLongestProfileText)));
    }

    void Write(const std::string& section, const std::string& key, const std::string& value,
               const std::filesystem::path& path) override {
        if (runtime::platform::HasAttribute(path, runtime::kAttributeReadOnly)) return;
        WriteValue({section, key, value}, path);
    }

    // Each profile write rewrites the whole file, and an end between them (or inside one)
    // would leave it damaged: they go to a copy, which then takes the file's place whole.
    // Where no copy can be made beside the file (a folder that lets the user change the file
    // but make none), the values are written into the file itself, one by one.
    void WriteAll(const std::vector<Value>& values, const std::filesystem::path& path) override {
        runtime::ProcedureError unread;       // a store that cannot write says nothing
        runtime::ReplacementFile file(path);  // and leaves a read-only file alone
        if (!file.Open()) return ProfileStore::WriteAll(values, path);
        if (!file.CopyTarget()) return;
        const std::filesystem::path copy = file.HandOver();
        for (const Value& v : values)
            if (!WriteValue(v, copy)) return;
        file.Commit();
    }

  private:
    static bool WriteValue(const Value& v, const std::filesystem::path& path) {
        return WritePrivateProfileStringW(WideFromText(v.section).c_str(),
                                          WideFromText(v.key).c_str(),
                                          WideFromText(v.value).c_str(), path.c_str()) != 0;
    }
};

}  // namespace

ProfileStore& PlatformProfileStore() {
    static WindowsProfileStore store;
    return store;
}

}  // namespace settings

#pragma once
// The platform's profile-string functions, the only way the settings file is read and written.
// Windows has them built in; elsewhere an in-memory store stands in.

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace settings {

// The longest text the profile functions' 260-character buffers hold: a value read, a value
// written, and the settings file's whole name.
constexpr std::size_t kLongestProfileText = 259;

class ProfileStore {
  public:
    virtual ~ProfileStore() = default;
    // The value of `key` in `section` of the file `path`, at most kLongestProfileText; `fallback`
    // when the file, the section or the key is missing. "key=" gives "".
    virtual std::string Read(const std::string& section, const std::string& key,
                             const std::string& fallback, const std::filesystem::path& path) = 0;
    // Creates the file, section or key as needed, or replaces the value in place. Leading
    // blanks of `value` are not stored. A failure is not reported.
    virtual void Write(const std::string& section, const std::string& key, const std::string& value,
                       const std::filesystem::path& path) = 0;

    struct Value {
        std::string section, key, value;
    };
    // Writes the values, in order, as one change of the file: all of them, or none when the
    // file cannot be written. One by one unless the store can do better.
    virtual void WriteAll(const std::vector<Value>& values, const std::filesystem::path& path) {
        for (const Value& v : values) Write(v.section, v.key, v.value, path);
    }
};

// The store the program uses: the profile functions of Windows.
ProfileStore& PlatformProfileStore();

// Profile files held in memory, with the platform's rules for names (either case), values
// (surrounding blanks and one pair of quotes dropped on reading) and order (new sections and
// keys go last).
class MemoryProfileStore : public ProfileStore {
  public:
    std::string Read(const std::string& section, const std::string& key,
                     const std::string& fallback, const std::filesystem::path& path) override;
    void Write(const std::string& section, const std::string& key, const std::string& value,
               const std::filesystem::path& path) override;

    // Writes are dropped while refused, as for a file that cannot be written.
    void RefuseWrites(bool refuse) { refuseWrites_ = refuse; }
    bool HasFile(const std::filesystem::path& path) const { return files_.contains(path); }
    // The file laid out as the platform writes it: "[section]" and "key=value" lines, CRLF.
    std::string Contents(const std::filesystem::path& path) const;

  private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    std::map<std::filesystem::path, std::vector<Section>> files_;
    bool refuseWrites_ = false;
};

}  // namespace settings

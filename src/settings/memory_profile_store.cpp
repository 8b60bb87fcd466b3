#include <algorithm>

#include "runtime/files/name_case.h"
#include "settings/profile_store.h"

namespace settings {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Trimmed(const std::string& value) {
    std::size_t from = 0, to = value.size();
    while (from < to && IsBlank(value[from])) ++from;
    while (to > from && IsBlank(value[to - 1])) --to;
    std::string text = value.substr(from, to - from);
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front())
        text = text.substr(1, text.size() - 2);
    return text;
}

}  // namespace

std::string MemoryProfileStore::Read(const std::string& section, const std::string& key,
                                     const std::string& fallback,
                                     const std::filesystem::path& path) {
    const auto file = files_.find(path);
    if (file == files_.end()) return fallback.substr(0, kLongestProfileText);
    for (const Section& s : file->second) {
        if (!runtime::SameIgnoringCase(s.name, section)) continue;
        for (const auto& [name, value] : s.keys)
            if (runtime::SameIgnoringCase(name, key))
                return Trimmed(value).substr(0, kLongestProfileText);
        break;
    }
    return fallback.substr(0, kLongestProfileText);
}

void MemoryProfileStore::Write(const std::string& section, const std::string& key,
                               const std::string& value, const std::filesystem::path& path) {
    if (refuseWrites_) return;
    const std::string stored = value.substr(std::min(value.find_first_not_of(" \t"), value.size()));
    std::vector<Section>& file = files_[path];
    auto s = std::find_if(file.begin(), file.end(), [&](const Section& x) {
        return runtime::SameIgnoringCase(x.name, section);
    });
    if (s == file.end()) s = file.insert(file.end(), Section{section, {}});
    for (auto& [name, old] : s->keys) {
        if (runtime::SameIgnoringCase(name, key)) {
            old = stored;
            return;
        }
    }
    s->keys.emplace_back(key, stored);
}

std::string MemoryProfileStore::Contents(const std::filesystem::path& path) const {
    std::string text;
    const auto file = files_.find(path);
    if (file == files_.end()) return text;
    for (const Section& s : file->second) {
        text += "[" + s.name + "]\r\n";
        for (const auto& [name, value] : s.keys) text += name + "=" + value + "\r\n";
    }
    return text;
}

}  // namespace settings

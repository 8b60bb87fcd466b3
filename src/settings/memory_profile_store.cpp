#include <algorithm>
#include <cctype>

#include "settings/profile_store.h"

namespace settings {

namespace {

constexpr std::size_t kLongestValue = 259;

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

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
    if (file == files_.end()) return fallback.substr(0, kLongestValue);
    for (const Section& s : file->second) {
        if (!SameName(s.name, section)) continue;
        for (const auto& [name, value] : s.keys)
            if (SameName(name, key)) return Trimmed(value).substr(0, kLongestValue);
        break;
    }
    return fallback.substr(0, kLongestValue);
}

void MemoryProfileStore::Write(const std::string& section, const std::string& key,
                               const std::string& value, const std::filesystem::path& path) {
    if (refuseWrites_) return;
    const std::string stored = value.substr(std::min(value.find_first_not_of(" \t"), value.size()));
    std::vector<Section>& file = files_[path];
    auto s = std::find_if(file.begin(), file.end(),
                          [&](const Section& x) { return SameName(x.name, section); });
    if (s == file.end()) s = file.insert(file.end(), Section{section, {}});
    for (auto& [name, old] : s->keys) {
        if (SameName(name, key)) {
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

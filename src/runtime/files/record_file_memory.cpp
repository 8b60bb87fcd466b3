// Record files in memory, for the fuzz targets. Files are named by their whole path and no
// folder is kept: a file can be made at any path. Otherwise it answers as a disk does, with
// Win32's error codes: one opener at a time, a read-only file refuses writing, reads stop
// at the end of the file, a gap written past the end reads as zeros. A file open elsewhere
// cannot be deleted or moved, as on Windows.
#include "runtime/files/record_file_memory.h"

#include <algorithm>
#include <map>
#include <memory>

#include "runtime/files/record_file_platform.h"
#include "runtime/files/win32_errors.h"

namespace runtime {

namespace {

// A write that would make a file larger than this finds the disk full, rather than asking
// for the memory a sparse file takes nothing for on disk.
constexpr std::int64_t kLargestFile = std::int64_t{1} << 26;

struct File {
    std::vector<std::uint8_t> bytes;
    std::uint32_t attributes = kAttributeArchive;
    bool open = false;
};

std::map<std::string, std::shared_ptr<File>> files;

// What the handle of an open file points at.
struct Opened {
    std::shared_ptr<File> file;
    bool forWriting;
};

Opened& OpenedOf(std::intptr_t handle) {
    return *reinterpret_cast<Opened*>(handle);
}

File* Find(const std::string& path) {
    const auto found = files.find(path);
    return found == files.end() ? nullptr : found->second.get();
}

}  // namespace

namespace memory_files {

void Put(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::shared_ptr<File>& file = files[path];
    if (!file) file = std::make_shared<File>();
    file->bytes.assign(bytes.begin(), bytes.end());
    file->attributes = kAttributeArchive;
}

std::optional<std::vector<std::uint8_t>> Get(const std::string& path) {
    const File* file = Find(path);
    if (!file) return std::nullopt;
    return file->bytes;
}

void Clear() {
    files.clear();
}

}  // namespace memory_files

namespace platform {

std::uint32_t OpenFile::Open(const std::filesystem::path& path, bool forWriting, Disposition how) {
    Close();
    const bool exists = Find(path) != nullptr;
    if (how == Disposition::CreateNew && exists) return kErrorFileExists;
    if ((how == Disposition::OpenExisting || how == Disposition::InPlace) && !exists)
        return kErrorFileNotFound;
    std::shared_ptr<File>& file = files[path];
    if (!file) file = std::make_shared<File>();  // a missing file is created empty
    if (forWriting && (file->attributes & kAttributeReadOnly)) return kErrorAccessDenied;
    if (file->open) return kErrorSharingViolation;
    file->open = true;
    handle_ = reinterpret_cast<std::intptr_t>(new Opened{file, forWriting});
    disk_ = true;
    return 0;
}

std::uint32_t OpenFile::Length(std::int64_t& length) const {
    length = static_cast<std::int64_t>(OpenedOf(handle_).file->bytes.size());
    return 0;
}

std::uint32_t OpenFile::ReadAt(std::int64_t offset, std::span<std::uint8_t> bytes,
                               std::size_t& got) const {
    got = 0;
    const Opened& opened = OpenedOf(handle_);
    if (opened.forWriting) return kErrorAccessDenied;
    if (offset < 0) return kErrorInvalidParameter;
    const std::vector<std::uint8_t>& file = opened.file->bytes;
    if (offset >= static_cast<std::int64_t>(file.size())) return 0;
    got = std::min(bytes.size(), file.size() - static_cast<std::size_t>(offset));
    std::copy_n(file.begin() + offset, got, bytes.begin());
    return 0;
}

std::uint32_t OpenFile::WriteAt(std::int64_t offset, std::span<const std::uint8_t> bytes,
                                std::size_t& put) const {
    put = 0;
    const Opened& opened = OpenedOf(handle_);
    if (!opened.forWriting) return kErrorAccessDenied;
    if (offset < 0) return kErrorInvalidParameter;
    if (offset > kLargestFile - static_cast<std::int64_t>(bytes.size())) return kErrorDiskFull;
    std::vector<std::uint8_t>& file = opened.file->bytes;
    const std::size_t end = static_cast<std::size_t>(offset) + bytes.size();
    if (file.size() < end) file.resize(end);
    std::copy(bytes.begin(), bytes.end(), file.begin() + offset);
    put = bytes.size();
    return 0;
}

std::uint32_t OpenFile::Truncate(std::int64_t length) const {
    const Opened& opened = OpenedOf(handle_);
    if (!opened.forWriting) return kErrorAccessDenied;
    if (length < 0 || length > kLargestFile) return kErrorInvalidParameter;
    opened.file->bytes.resize(static_cast<std::size_t>(length));
    return 0;
}

std::uint32_t OpenFile::Flush() const {
    return 0;
}

std::uint32_t OpenFile::Close() {
    if (handle_ < 0) return 0;
    Opened* opened = &OpenedOf(handle_);
    opened->file->open = false;
    delete opened;
    handle_ = -1;
    return 0;
}

std::uint32_t GetAttributes(const std::filesystem::path& path, std::uint32_t& attributes) {
    const File* file = Find(path);
    attributes = file ? file->attributes : 0;
    return file ? 0 : kErrorFileNotFound;
}

std::uint32_t SetAttributes(const std::filesystem::path& path, std::uint32_t attributes) {
    File* file = Find(path);
    if (!file) return kErrorFileNotFound;
    file->attributes = attributes;
    return 0;
}

std::vector<Match> FindMatches(const std::filesystem::path& patternPath) {
    const std::string& pattern = patternPath.native();
    const std::size_t cut = pattern.find_last_of('/');
    const std::string folder =
        cut == std::string::npos ? std::string() : pattern.substr(0, cut + 1);
    const std::string name = pattern.substr(folder.size());
    std::vector<Match> matches;
    for (const auto& [path, file] : files) {
        if (!path.starts_with(folder) || path.find('/', folder.size()) != std::string::npos)
            continue;
        if (NameMatches(name.c_str(), path.c_str() + folder.size()))
            matches.push_back({path, file->attributes});
    }
    return matches;
}

std::uint32_t RemoveFile(const std::filesystem::path& path) {
    const auto found = files.find(path);
    if (found == files.end()) return kErrorFileNotFound;
    if (found->second->open) return kErrorSharingViolation;
    files.erase(found);
    return 0;
}

std::uint32_t ReadShared(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes) {
    const File* file = Find(path);
    bytes = file ? file->bytes : std::vector<std::uint8_t>{};
    return file ? 0 : kErrorFileNotFound;
}

std::uint32_t MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    const File* target = Find(to);
    if (target && (target->attributes & kAttributeReadOnly)) return kErrorAccessDenied;
    const auto source = files.find(from);
    if (source == files.end()) return kErrorFileNotFound;
    if (source->second->open || (target && target->open)) return kErrorSharingViolation;
    if (from == to) return 0;
    std::shared_ptr<File> moved = std::move(source->second);
    files.erase(source);
    files[to] = std::move(moved);
    return 0;
}

std::uint32_t ReplaceKeeping(const std::filesystem::path& from, const std::filesystem::path& to) {
    const File* target = Find(to);
    if (!target) return kErrorFileNotFound;
    const std::uint32_t attributes = target->attributes;
    const std::uint32_t code = MoveReplacing(from, to);
    if (code == 0) Find(to)->attributes = attributes;
    return code;
}

// No creation time is kept in memory.
std::uint32_t GetCreationTime(const std::filesystem::path& path, std::int64_t& created) {
    created = 0;
    return Find(path) ? 0 : kErrorFileNotFound;
}

std::uint32_t SetCreationTime(const std::filesystem::path&, std::int64_t) {
    return 0;
}

}  // namespace platform

}  // namespace runtime

#include "runtime/files/record_file.h"

#include <algorithm>
#include <limits>
#include <map>
#include <string_view>

#include "runtime/files/error_number.h"
#include "runtime/files/name_case.h"
#include "runtime/files/record_file_platform.h"

namespace runtime {

// Ownership of an open file, and name matching for the backends that list folders themselves,
// are the same on every platform.
namespace platform {

OpenFile::~OpenFile() {
    Close();
}

OpenFile::OpenFile(OpenFile&& other) noexcept : handle_(other.handle_), disk_(other.disk_) {
    other.handle_ = -1;
}

OpenFile& OpenFile::operator=(OpenFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        disk_ = other.disk_;
        other.handle_ = -1;
    }
    return *this;
}

bool NameMatches(const char* pattern, const char* name) {
    if (*pattern == '\0') return *name == '\0';
    if (*pattern == '*') {
        if (std::string_view(pattern) == "*.*") return true;
        for (const char* rest = name;; ++rest) {
            if (NameMatches(pattern + 1, rest)) return true;
            if (*rest == '\0') return false;
        }
    }
    if (*name == '\0') return false;
    if (*pattern != '?' && LowerAscii(*pattern) != LowerAscii(*name)) return false;
    return NameMatches(pattern + 1, name + 1);
}

}  // namespace platform

namespace {

constexpr int kLastFileNumber = 32767;

struct RecordFile {
    platform::OpenFile file;
    int recordLength;
};

std::map<int, RecordFile> openFiles;
int lastHanded = 0;

// The open file for a record operation, or null with its error recorded.
RecordFile* RecordTarget(int fileNumber, std::int64_t recordNumber, std::size_t bufferSize) {
    const auto found = openFiles.find(fileNumber);
    if (found == openFiles.end()) {
        RecordError(kBadFileNumber);
        return nullptr;
    }
    RecordFile& f = found->second;
    if (!f.file.IsDisk()) {
        RecordError(kBadFileMode);
        return nullptr;
    }
    if (recordNumber < 1 ||
        recordNumber - 1 > std::numeric_limits<std::int64_t>::max() / f.recordLength) {
        RecordError(kBadRecordNumber);
        return nullptr;
    }
    // A buffer of another size would be read past its end or written short.
    if (bufferSize != static_cast<std::size_t>(f.recordLength)) {
        RecordError(kIllegalFunctionCall);
        return nullptr;
    }
    return &f;
}

}  // namespace

bool HasWildcard(const std::filesystem::path& path) {
    const auto& name = path.native();
    // "\\?\" in front is Windows' own mark of a path taken as it stands, not a pattern.
    const bool prefixed =
        name.size() >= 4 && name[0] == '\\' && name[1] == '\\' && name[2] == '?' && name[3] == '\\';
    return std::any_of(name.begin() + (prefixed ? 4 : 0), name.end(),
                       [](auto c) { return c == '*' || c == '?'; });
}

int FreeFileNumber() {
    for (int tries = 0; tries < kLastFileNumber; ++tries) {
        lastHanded = lastHanded % kLastFileNumber + 1;
        if (!openFiles.contains(lastHanded)) return lastHanded;
    }
    RecordError(kTooManyFiles);
    return 0;
}

void OpenRecordFile(int fileNumber, const std::filesystem::path& path, int recordLength,
                    RecordAccess access) {
    if (fileNumber < 0) return RecordError(kBadFileNumber);
    if (openFiles.contains(fileNumber)) return RecordError(kFileAlreadyOpen);
    if (recordLength < 1 || recordLength > kLongestRecord) return RecordError(kIllegalFunctionCall);
    if (path.empty() || HasWildcard(path)) return RecordError(kBadFileName);

    platform::OpenFile file;
    const std::uint32_t code = file.Open(path, access == RecordAccess::WriteOnly);
    if (code != 0) return RecordPlatformError(code);
    openFiles.emplace(fileNumber, RecordFile{std::move(file), recordLength});
}

std::int64_t FileLength(int fileNumber) {
    const auto found = openFiles.find(fileNumber);
    if (found == openFiles.end()) {
        RecordError(kBadFileNumber);
        return 0;
    }
    std::int64_t length = 0;
    const std::uint32_t code = found->second.file.Length(length);
    if (code != 0) RecordPlatformError(code);
    return length;
}

void WriteRecord(int fileNumber, std::int64_t recordNumber, std::span<const std::uint8_t> bytes) {
    RecordFile* f = RecordTarget(fileNumber, recordNumber, bytes.size());
    if (!f) return;
    std::size_t put = 0;
    const std::uint32_t code = f->file.WriteAt((recordNumber - 1) * f->recordLength, bytes, put);
    if (code != 0) return RecordPlatformError(code);
    if (put < bytes.size()) RecordError(kDiskFull);
}

void ReadRecord(int fileNumber, std::int64_t recordNumber, std::span<std::uint8_t> bytes) {
    RecordFile* f = RecordTarget(fileNumber, recordNumber, bytes.size());
    if (!f) return;
    std::size_t got = 0;
    const std::uint32_t code = f->file.ReadAt((recordNumber - 1) * f->recordLength, bytes, got);
    // Whatever the file did not have reads as zeros.
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(std::min(got, bytes.size())), bytes.end(),
              std::uint8_t{0});
    if (code != 0) RecordPlatformError(code);
}

void CloseFile(int fileNumber) {
    const auto found = openFiles.find(fileNumber);
    if (found == openFiles.end()) return;
    const std::uint32_t code = found->second.file.Close();
    openFiles.erase(found);
    if (code != 0) RecordPlatformError(code);
}

std::uint32_t FileAttributes(const std::filesystem::path& path) {
    if (HasWildcard(path)) {
        RecordError(kBadFileName);
        return 0;
    }
    std::uint32_t attributes = 0;
    if (platform::GetAttributes(path, attributes) != 0) {
        RecordError(kFileNotFound);
        return 0;
    }
    return attributes;
}

void ChangeFileAttributes(const std::filesystem::path& path, std::uint32_t attributes) {
    if (HasWildcard(path)) return RecordError(kBadFileName);
    constexpr std::uint32_t kChangeable =
        kAttributeReadOnly | kAttributeHidden | kAttributeSystem | kAttributeArchive;
    const std::uint32_t code = platform::SetAttributes(path, attributes & kChangeable);
    if (code != 0) RecordPlatformError(code);
}

void DeleteFiles(const std::filesystem::path& pattern) {
    std::filesystem::path wanted = pattern;
    const auto& name = pattern.native();
    if (!name.empty() && (name.back() == '\\' || name.back() == '/' || name.back() == ':'))
        wanted += "*.*";
    constexpr std::uint32_t kLeftAlone =
        kAttributeHidden | kAttributeSystem | kAttributeVolume | kAttributeFolder;
    bool any = false;
    // The matches are listed first, so that deleting never disturbs the listing.
    for (const platform::Match& match : platform::FindMatches(wanted)) {
        if (match.attributes & kLeftAlone) continue;
        any = true;
        const std::uint32_t code = platform::RemoveFile(match.path);
        if (code != 0) return RecordPlatformError(code);
    }
    if (!any) RecordError(kFileNotFound);
}

}  // namespace runtime

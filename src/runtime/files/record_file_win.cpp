#include <windows.h>

#include <memory>

#include "runtime/files/record_file_platform.h"

namespace runtime::platform {

namespace {

HANDLE AsHandle(std::intptr_t h) {
    return reinterpret_cast<HANDLE>(h);
}

struct FindCloser {
    void operator()(HANDLE h) const { FindClose(h); }
};
using FindHandle = std::unique_ptr<void, FindCloser>;

struct HandleCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
using OwnedFile = std::unique_ptr<void, HandleCloser>;

std::int64_t Ticks(const FILETIME& t) {
    return static_cast<std::int64_t>((std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime);
}

std::wstring FolderPart(const std::wstring& pattern) {
    const std::size_t cut = pattern.find_last_of(L"\\/:");
    return cut == std::wstring::npos ? std::wstring() : pattern.substr(0, cut + 1);
}

bool Seek(HANDLE h, std::int64_t offset) {
    LARGE_INTEGER to;
    to.QuadPart = offset;
    return SetFilePointerEx(h, to, nullptr, FILE_BEGIN) != 0;
}

}  // namespace

std::uint32_t OpenFile::Open(const std::filesystem::path& path, bool forWriting, Disposition how) {
    Close();
    if (forWriting && HasAttribute(path, kAttributeReadOnly)) return kErrorAccessDenied;
    const DWORD disposition = how == Disposition::CreateNew      ? CREATE_NEW
                              : how == Disposition::OpenOrCreate ? OPEN_ALWAYS
                                                                 : OPEN_EXISTING;
    // Written in place, the file stays open to the editor or sync client that holds it.
    const DWORD sharing = how == Disposition::InPlace ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0;
    HANDLE h = CreateFileW(path.c_str(), forWriting ? GENERIC_WRITE : GENERIC_READ, sharing,
                           nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_ALREADY_EXISTS ? kErrorFileExists : error;
    }
    handle_ = reinterpret_cast<std::intptr_t>(h);
    disk_ = GetFileType(h) == FILE_TYPE_DISK;
    return 0;
}

std::uint32_t OpenFile::Length(std::int64_t& length) const {
    length = 0;
    if (!disk_) return 0;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(AsHandle(handle_), &size)) return GetLastError();
    length = size.QuadPart;
    return 0;
}

std::uint32_t OpenFile::ReadAt(std::int64_t offset, std::span<std::uint8_t> bytes,
                               std::size_t& got) const {
    got = 0;
    if (!Seek(AsHandle(handle_), offset)) return GetLastError();
    while (got < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(AsHandle(handle_), bytes.data() + got, static_cast<DWORD>(bytes.size() - got),
                      &read, nullptr))
            return GetLastError();
        if (read == 0) break;  // the end of the file
        got += read;
    }
    return 0;
}

std::uint32_t OpenFile::WriteAt(std::int64_t offset, std::span<const std::uint8_t> bytes,
                                std::size_t& put) const {
    put = 0;
    if (!Seek(AsHandle(handle_), offset)) return GetLastError();
    DWORD written = 0;
    if (!WriteFile(AsHandle(handle_), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                   nullptr))
        return GetLastError();
    put = written;
    return 0;
}

std::uint32_t OpenFile::Truncate(std::int64_t length) const {
    if (!Seek(AsHandle(handle_), length) || !SetEndOfFile(AsHandle(handle_))) return GetLastError();
    return 0;
}

std::uint32_t OpenFile::Flush() const {
    if (handle_ == -1 || !disk_) return 0;
    return FlushFileBuffers(AsHandle(handle_)) ? 0 : GetLastError();
}

std::uint32_t OpenFile::Close() {
    if (handle_ == -1) return 0;
    const bool closed = CloseHandle(AsHandle(handle_)) != 0;
    handle_ = -1;
    return closed ? 0 : GetLastError();
}

std::uint32_t GetAttributes(const std::filesystem::path& path, std::uint32_t& attributes) {
    attributes = 0;
    const DWORD found = GetFileAttributesW(path.c_str());
    if (found == INVALID_FILE_ATTRIBUTES) return GetLastError();
    attributes = found;
    return 0;
}

std::uint32_t SetAttributes(const std::filesystem::path& path, std::uint32_t attributes) {
    // No bits at all is spelt "normal".
    const DWORD wanted = attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
    if (!SetFileAttributesW(path.c_str(), wanted)) return GetLastError();
    return 0;
}

std::vector<Match> FindMatches(const std::filesystem::path& pattern) {
    std::vector<Match> matches;
    WIN32_FIND_DATAW entry;
    FindHandle find(FindFirstFileW(pattern.c_str(), &entry));
    if (find.get() == INVALID_HANDLE_VALUE) {
        find.release();
        return matches;
    }
    const std::wstring folder = FolderPart(pattern.native());
    do {
        matches.push_back({folder + entry.cFileName, entry.dwFileAttributes});
    } while (FindNextFileW(find.get(), &entry));
    return matches;
}

std::uint32_t RemoveFile(const std::filesystem::path& path) {
    if (!DeleteFileW(path.c_str())) return GetLastError();
    return 0;
}

std::uint32_t ReadShared(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return GetLastError();
    const OwnedFile owned(h);
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(h, chunk, sizeof chunk, &read, nullptr)) {
        if (read == 0) return 0;  // the end of the file
        bytes.insert(bytes.end(), chunk, chunk + read);
    }
    return GetLastError();
}

std::uint32_t MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    // Wine's MoveFileExW replaces a read-only file (and drops the attribute); Windows refuses.
    if (HasAttribute(to, kAttributeReadOnly | kAttributeFolder)) return kErrorAccessDenied;
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return GetLastError();
    return 0;
}

namespace {

// Wine's ReplaceFileW is not one step, drops what it should keep, and where it fails leaves a
// file of its own ("rff*.tmp") beside the target: there the move is used, and the caller puts
// back what it can.
bool UnderWine() {
    static const bool wine =
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

}  // namespace

std::uint32_t ReplaceKeeping(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (UnderWine()) return ERROR_CALL_NOT_IMPLEMENTED;
    if (HasAttribute(to, kAttributeReadOnly | kAttributeFolder)) return kErrorAccessDenied;
    // The file's own attributes, permissions and creation time pass to the new content; a
    // permission the user may not copy does not stop the replacement.
    if (!ReplaceFileW(to.c_str(), from.c_str(), nullptr,
                      REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                      nullptr))
        return GetLastError();
    return 0;
}

std::uint32_t GetCreationTime(const std::filesystem::path& path, std::int64_t& created) {
    created = 0;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return GetLastError();
    created = Ticks(data.ftCreationTime);
    return 0;
}

std::uint32_t SetCreationTime(const std::filesystem::path& path, std::int64_t created) {
    if (created == 0) return 0;
    HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return GetLastError();
    const OwnedFile owned(h);
    FILETIME time;
    time.dwLowDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(created));
    time.dwHighDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(created) >> 32);
    return SetFileTime(h, &time, nullptr, nullptr) ? 0 : GetLastError();
}

}  // namespace runtime::platform

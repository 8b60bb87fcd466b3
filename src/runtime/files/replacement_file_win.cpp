#include <windows.h>

#include "runtime/files/platform_text.h"
#include "runtime/files/replacement_file.h"

namespace runtime {

namespace {

HANDLE AsHandle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

// Windows refuses to replace a read-only file; Wine's MoveFileExW would do it anyway and drop
// the attribute, so the check is ours.
bool RefusesReplacement(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error != ERROR_FILE_NOT_FOUND;
    }
    return (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0;
}

}  // namespace

ReplacementFile::ReplacementFile(std::string target) : target_(std::move(target)) {}

ReplacementFile::~ReplacementFile() { Discard(); }

bool ReplacementFile::Open() {
    if (target_.empty() || RefusesReplacement(WideFromAnsi(target_))) return false;
    for (int attempt = 0; attempt < 100 && handle_ == -1; ++attempt) {
        temporary_ = target_ + ".tmp~" + std::to_string(attempt);
        HANDLE h = CreateFileW(WideFromAnsi(temporary_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            handle_ = reinterpret_cast<std::intptr_t>(h);
            break;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    if (handle_ == -1) temporary_.clear();
    return handle_ != -1;
}

bool ReplacementFile::Write(const void* data, std::size_t size) {
    if (handle_ == -1) return false;
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(AsHandle(handle_), bytes, chunk, &written, nullptr) || written != chunk)
            return false;
        bytes += written;
        size -= written;
    }
    return true;
}

bool ReplacementFile::Commit() {
    if (handle_ == -1) return false;
    const bool flushed = FlushFileBuffers(AsHandle(handle_)) != 0;
    const bool closed = CloseHandle(AsHandle(handle_)) != 0;
    handle_ = -1;
    const std::wstring target = WideFromAnsi(target_);
    if (!flushed || !closed || RefusesReplacement(target) ||
        !MoveFileExW(WideFromAnsi(temporary_).c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Discard();
        return false;
    }
    temporary_.clear();
    return true;
}

void ReplacementFile::Discard() {
    if (handle_ != -1) CloseHandle(AsHandle(handle_));
    handle_ = -1;
    if (!temporary_.empty()) DeleteFileW(WideFromAnsi(temporary_).c_str());
    temporary_.clear();
}

}  // namespace runtime

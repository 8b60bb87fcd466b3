#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "runtime/files/replacement_file.h"

namespace runtime {

namespace {

// A file without any write permission stands for the Windows read-only attribute, which
// refuses to be replaced whoever asks (root included).
bool RefusesReplacement(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return errno != ENOENT;
    return S_ISDIR(st.st_mode) || (st.st_mode & 0222) == 0;
}

}  // namespace

ReplacementFile::ReplacementFile(std::string target) : target_(std::move(target)) {}

ReplacementFile::~ReplacementFile() { Discard(); }

bool ReplacementFile::Open() {
    if (target_.empty() || RefusesReplacement(target_)) return false;
    for (int attempt = 0; attempt < 100 && handle_ < 0; ++attempt) {
        temporary_ = target_ + ".tmp~" + std::to_string(attempt);
        handle_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (handle_ < 0 && errno != EEXIST) break;
    }
    if (handle_ < 0) temporary_.clear();
    return handle_ >= 0;
}

bool ReplacementFile::Write(const void* data, std::size_t size) {
    if (handle_ < 0) return false;
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t written = ::write(static_cast<int>(handle_), bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool ReplacementFile::Commit() {
    if (handle_ < 0) return false;
    const bool flushed = ::fsync(static_cast<int>(handle_)) == 0;
    const bool closed = ::close(static_cast<int>(handle_)) == 0;
    handle_ = -1;
    if (!flushed || !closed || RefusesReplacement(target_) ||
        std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Discard();
        return false;
    }
    temporary_.clear();
    return true;
}

void ReplacementFile::Discard() {
    if (handle_ >= 0) ::close(static_cast<int>(handle_));
    handle_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

}  // namespace runtime

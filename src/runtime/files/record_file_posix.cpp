// Record files on a POSIX system, for the host tests: Win32's error codes and, as far as the
// file system can hold them, its attributes. A file without write permission is read-only;
// a name starting with "." is hidden; system and archive bits cannot be kept.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "runtime/files/record_file_platform.h"

namespace runtime::platform {

namespace {

std::uint32_t CodeOf(int error) {
    switch (error) {
        case ENOENT:
            return kErrorFileNotFound;
        case ENOTDIR:
            return kErrorPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case EBADF:  // reading a file opened for writing, or the other way round
            return kErrorAccessDenied;
        case EWOULDBLOCK:
            return kErrorSharingViolation;
        case EMFILE:
        case ENFILE:
            return kErrorTooManyOpenFiles;
        case ENOSPC:
        case EDQUOT:
            return kErrorDiskFull;
        case EIO:
            return kErrorInvalidHandle;  // what Windows reports as a device I/O error
        case ENOMEM:
            return kErrorNotEnoughMemory;
        case EINVAL:
            return kErrorInvalidParameter;
        default:
            return kErrorInvalidFunction;
    }
}

bool ReadOnlyMode(mode_t mode) {
    return (mode & 0222) == 0;
}

std::string NamePart(const std::string& path) {
    const std::size_t cut = path.find_last_of('/');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

struct DirCloser {
    void operator()(DIR* d) const { closedir(d); }
};

}  // namespace

std::uint32_t OpenFile::Open(const std::filesystem::path& path, bool forWriting, Disposition how) {
    Close();
    struct stat st;
    if (forWriting && stat(path.c_str(), &st) == 0 && ReadOnlyMode(st.st_mode))
        return kErrorAccessDenied;
    const int creating = how == Disposition::CreateNew      ? O_CREAT | O_EXCL
                         : how == Disposition::OpenOrCreate ? O_CREAT
                                                            : 0;
    const int fd =
        ::open(path.c_str(), (forWriting ? O_WRONLY : O_RDONLY) | creating | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) return kErrorFileExists;
    // Where a missing file would be created, a missing name can only be a missing folder.
    if (fd < 0) return errno == ENOENT && creating ? kErrorPathNotFound : CodeOf(errno);
    handle_ = fd;
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        Close();
        return kErrorAccessDenied;
    }
    // One lock per open file description: a second opener, even in this process, is refused.
    // Written in place, the file is shared, as it is with whoever holds it.
    if (how != Disposition::InPlace && flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const std::uint32_t code = CodeOf(errno);
        Close();
        return code;
    }
    disk_ = S_ISREG(st.st_mode);
    return 0;
}

std::uint32_t OpenFile::Length(std::int64_t& length) const {
    length = 0;
    if (!disk_) return 0;
    struct stat st;
    if (fstat(static_cast<int>(handle_), &st) != 0) return CodeOf(errno);
    length = st.st_size;
    return 0;
}

std::uint32_t OpenFile::ReadAt(std::int64_t offset, std::span<std::uint8_t> bytes,
                               std::size_t& got) const {
    got = 0;
    while (got < bytes.size()) {
        const ssize_t read =
            ::pread(static_cast<int>(handle_), bytes.data() + got, bytes.size() - got,
                    static_cast<off_t>(offset + static_cast<std::int64_t>(got)));
        if (read < 0 && errno == EINTR) continue;
        if (read < 0) return CodeOf(errno);
        if (read == 0) break;
        got += static_cast<std::size_t>(read);
    }
    return 0;
}

std::uint32_t OpenFile::WriteAt(std::int64_t offset, std::span<const std::uint8_t> bytes,
                                std::size_t& put) const {
    put = 0;
    while (put < bytes.size()) {
        const ssize_t written =
            ::pwrite(static_cast<int>(handle_), bytes.data() + put, bytes.size() - put,
                     static_cast<off_t>(offset + static_cast<std::int64_t>(put)));
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return put > 0 ? 0 : CodeOf(errno);
        if (written == 0) break;
        put += static_cast<std::size_t>(written);
    }
    return 0;
}

std::uint32_t OpenFile::Truncate(std::int64_t length) const {
    return ::ftruncate(static_cast<int>(handle_), static_cast<off_t>(length)) == 0 ? 0
                                                                                   : CodeOf(errno);
}

std::uint32_t OpenFile::Flush() const {
    if (handle_ < 0 || !disk_) return 0;
    return ::fsync(static_cast<int>(handle_)) == 0 ? 0 : CodeOf(errno);
}

std::uint32_t OpenFile::Close() {
    if (handle_ < 0) return 0;
    const int result = ::close(static_cast<int>(handle_));
    handle_ = -1;
    return result == 0 ? 0 : CodeOf(errno);
}

std::uint32_t GetAttributes(const std::filesystem::path& path, std::uint32_t& attributes) {
    attributes = 0;
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return CodeOf(errno);
    attributes = S_ISDIR(st.st_mode) ? kAttributeFolder : kAttributeArchive;
    if (ReadOnlyMode(st.st_mode)) attributes |= kAttributeReadOnly;
    const std::string name = NamePart(path.native());
    if (name.size() > 1 && name[0] == '.' && name != "..") attributes |= kAttributeHidden;
    return 0;
}

std::uint32_t SetAttributes(const std::filesystem::path& path, std::uint32_t attributes) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return CodeOf(errno);
    const mode_t mode =
        (attributes & kAttributeReadOnly) ? (st.st_mode & ~mode_t{0222}) : (st.st_mode | S_IWUSR);
    if (chmod(path.c_str(), mode & 07777) != 0) return CodeOf(errno);
    return 0;
}

std::vector<Match> FindMatches(const std::filesystem::path& patternPath) {
    std::vector<Match> matches;
    const std::string& pattern = patternPath.native();
    const std::size_t cut = pattern.find_last_of('/');
    const std::string folder =
        cut == std::string::npos ? std::string() : pattern.substr(0, cut + 1);
    const std::string name = cut == std::string::npos ? pattern : pattern.substr(cut + 1);
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.empty() ? "." : folder.c_str()));
    if (!dir) return matches;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string found = entry->d_name;
        if (found == "." || found == ".." || !NameMatches(name.c_str(), found.c_str())) continue;
        std::uint32_t attributes = 0;
        if (GetAttributes(folder + found, attributes) == 0)
            matches.push_back({folder + found, attributes});
    }
    return matches;
}

std::uint32_t RemoveFile(const std::filesystem::path& path) {
    if (::unlink(path.c_str()) != 0) return CodeOf(errno);
    return 0;
}

std::uint32_t ReadShared(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return CodeOf(errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } const owned{fd};
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return CodeOf(errno);
        if (got == 0) return 0;
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
}

std::uint32_t MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    struct stat st;
    if (stat(to.c_str(), &st) == 0 && (S_ISDIR(st.st_mode) || ReadOnlyMode(st.st_mode)))
        return kErrorAccessDenied;
    if (stat(from.c_str(), &st) != 0) return CodeOf(errno);
    if (::rename(from.c_str(), to.c_str()) != 0) return CodeOf(errno);
    return 0;
}

// A rename keeps the file's permissions nowhere; they are put back on the new file.
std::uint32_t ReplaceKeeping(const std::filesystem::path& from, const std::filesystem::path& to) {
    struct stat st;
    if (stat(to.c_str(), &st) != 0) return CodeOf(errno);
    const std::uint32_t code = MoveReplacing(from, to);
    if (code == 0 && chmod(to.c_str(), st.st_mode & 07777) != 0) return CodeOf(errno);
    return code;
}

// POSIX file systems keep no creation time that a program can set.
std::uint32_t GetCreationTime(const std::filesystem::path& path, std::int64_t& created) {
    created = 0;
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? 0 : CodeOf(errno);
}

std::uint32_t SetCreationTime(const std::filesystem::path&, std::int64_t) {
    return 0;
}

}  // namespace runtime::platform

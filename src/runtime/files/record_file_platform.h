#pragma once
// What record files ask of the platform. Failures come back as Win32 error codes (the POSIX
// backend imitates them), so that one table turns every failure into the same error number.
// Files are named by paths in the platform's own form (UTF-16 on Windows), never by a
// conversion that could name another file.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "runtime/files/file_attributes.h"
#include "runtime/files/win32_errors.h"

namespace runtime::platform {

// What opening does with the name.
enum class Disposition {
    OpenOrCreate,  // a missing file is created empty
    CreateNew,     // only a new file: kErrorFileExists when the name is taken
    OpenExisting,  // only a file that is there: kErrorFileNotFound when it is not
    InPlace,       // only a file that is there, written while others read and write it too
};

// An open file, closed when it goes.
class OpenFile {
  public:
    OpenFile() = default;
    ~OpenFile();
    OpenFile(OpenFile&& other) noexcept;
    OpenFile& operator=(OpenFile&& other) noexcept;

    // Opens exclusively: nobody else may read or write the file until it is closed. A
    // read-only file refuses writing whoever asks (5). 0 or the error.
    std::uint32_t Open(const std::filesystem::path& path, bool forWriting,
                       Disposition how = Disposition::OpenOrCreate);
    bool IsOpen() const { return handle_ != -1; }
    bool IsDisk() const { return disk_; }
    std::uint32_t Length(std::int64_t& length) const;
    // Reads up to bytes.size() bytes at `offset`; `got` is less at the end of the file.
    std::uint32_t ReadAt(std::int64_t offset, std::span<std::uint8_t> bytes,
                         std::size_t& got) const;
    std::uint32_t WriteAt(std::int64_t offset, std::span<const std::uint8_t> bytes,
                          std::size_t& put) const;
    // Cuts the file at `length`.
    std::uint32_t Truncate(std::int64_t length) const;
    // Makes what was written durable before the file is closed.
    std::uint32_t Flush() const;
    std::uint32_t Close();

  private:
    std::intptr_t handle_ = -1;  // a HANDLE or a file descriptor
    bool disk_ = false;
};

std::uint32_t GetAttributes(const std::filesystem::path& path, std::uint32_t& attributes);
std::uint32_t SetAttributes(const std::filesystem::path& path, std::uint32_t attributes);

// True when `path` exists and has one of `attributes`. Windows refuses to write a read-only
// file whoever asks; Wine run by root would not, so the backends ask first.
inline bool HasAttribute(const std::filesystem::path& path, std::uint32_t attributes) {
    std::uint32_t found = 0;
    return GetAttributes(path, found) == 0 && (found & attributes) != 0;
}

struct Match {
    std::filesystem::path path;  // the folder part of the pattern followed by the entry's name
    std::uint32_t attributes;
};
// Every entry of the pattern's folder whose name matches its last part; none when the folder
// cannot be listed.
std::vector<Match> FindMatches(const std::filesystem::path& pattern);
// Windows matching of a name against a pattern's last part: "*" any run, "?" one character,
// letters in either case; "*.*" is every name. For backends that list folders themselves.
bool NameMatches(const char* pattern, const char* name);

std::uint32_t RemoveFile(const std::filesystem::path& path);

// The whole content of a file, read while others may read and write it too, as an editor
// holding it does.
std::uint32_t ReadShared(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes);

// Renames `from` to `to` in one step, replacing a file of that name. A read-only or folder
// `to` refuses (5) whoever asks, as on Windows.
std::uint32_t MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

// Puts `from` in the place of the existing file `to`, which keeps what its user set on it
// (attributes, permissions, creation time) where the platform can; refuses as MoveReplacing.
std::uint32_t ReplaceKeeping(const std::filesystem::path& from, const std::filesystem::path& to);

// A file's creation time in the platform's ticks; 0 where the platform keeps none.
std::uint32_t GetCreationTime(const std::filesystem::path& path, std::int64_t& created);
// Sets it; a time of 0 is left alone.
std::uint32_t SetCreationTime(const std::filesystem::path& path, std::int64_t created);

}  // namespace runtime::platform

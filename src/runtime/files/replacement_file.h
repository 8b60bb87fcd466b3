#pragma once
// Writes a file as a whole or not at all: the bytes go to a new file beside the target, which
// replaces the target only once it is complete and flushed. Until then, and after any failure,
// an older file of that name stays exactly as it was, and nothing is left behind.

#include <cstddef>
#include <cstdint>
#include <string>

namespace runtime {

class ReplacementFile {
public:
    // `target` is a path in the program's single-byte text, relative to the working folder
    // or absolute.
    explicit ReplacementFile(std::string target);
    ~ReplacementFile();  // an uncommitted replacement is removed
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // False when the target is read-only or a folder, its folder does not exist, or the
    // name is not a valid file name.
    bool Open();
    // False unless every byte was written.
    bool Write(const void* data, std::size_t size);
    // Flushes, closes and puts the new file in the target's place. False when the target
    // cannot be replaced (read-only, held open elsewhere); the old file then stays.
    bool Commit();

private:
    void Discard();

    std::string target_;
    std::string temporary_;
    std::intptr_t handle_ = -1;  // a file descriptor or a HANDLE, -1 when none is open
};

}  // namespace runtime

#pragma once
// Replaces a file as a whole or not at all. The new content goes to a new file beside the
// target, which takes the target's place in one step once it is complete and flushed. Until
// then, and after any failure, the target stays exactly as it was and the new file is gone.
// Nothing else is ever deleted or changed: the new file's name is one that no file had, and
// it is never longer than the target's, so it can be made wherever the target can.
// Failures are stored in the caller's error number, as record files do.

#include <cstddef>
#include <filesystem>
#include <string>

#include "runtime/files/record_file_platform.h"

namespace runtime {

// What a replacement does with a read-only target.
enum class ReadOnlyTarget {
    Refuse,  // leaves it alone and fails (70)
    Clear,   // takes read-only, hidden and system off it first; puts them back on failure
};

class ReplacementFile {
  public:
    // `target` is relative to the working folder or absolute.
    explicit ReplacementFile(std::filesystem::path target,
                             ReadOnlyTarget readOnly = ReadOnlyTarget::Refuse);
    ~ReplacementFile();  // an uncommitted new file is removed
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Makes the new file, empty and open for Write. False when the target is read-only and
    // refused, or no new file can be made beside it.
    bool Open();
    // False unless every byte was written.
    bool Write(const void* data, std::size_t size);
    // Writes what the target holds now (nothing when there is none), for a change of part of
    // it. False when the target cannot be read.
    bool CopyTarget();
    // Closes the new file for writers that open it by its name, and gives that name; empty
    // when there is no new file.
    const std::filesystem::path& HandOver();
    // Flushes the new file and puts it in the target's place. False when the target is a
    // folder, read-only and refused, or held open elsewhere: one busy for a moment only (a
    // scanner or an indexer reading it) is tried again a few times first.
    bool Commit();

  private:
    std::uint32_t Replace();
    void Discard();

    std::filesystem::path target_;
    ReadOnlyTarget readOnly_;
    std::filesystem::path newFile_;
    platform::OpenFile file_;
};

// The name of the new file for the n-th try (from 0) beside `target`: the target's path with
// the last (up to three) characters of its name given over to "~" and base-36 digits. Empty
// when n is past the last name. One of them may be the target's own name.
std::filesystem::path ReplacementName(const std::filesystem::path& target, int n);

}  // namespace runtime

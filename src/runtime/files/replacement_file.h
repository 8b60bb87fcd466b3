#pragma once
// Replaces a file as a whole or not at all. The new content goes to a new file beside the
// target, which takes the target's place in one step once it is complete and flushed, keeping
// what the user set on the target. Where it cannot take the place (the target held open by an
// editor or a sync client, a folder without delete rights), its content is written into the
// target itself. After any failure the target stays as it was, and once a replacement is over
// the new file is gone. Nothing else is ever deleted or changed: the new file's name is one
// that no file had, and it is never longer than the target's. Failures are stored in the
// caller's error number, as record files do.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "runtime/files/record_file_platform.h"

namespace runtime {

// What a replacement does with a read-only target.
enum class ReadOnlyTarget {
    Refuse,  // leaves it alone and fails (70)
    Clear,   // takes read-only off it first; puts it back on failure
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
    // Flushes the new file and puts it in the target's place; where it cannot, writes its
    // content into the target. False when the target is a folder, read-only and refused, or
    // can be neither replaced nor written. A step that another program refuses for a moment
    // (a scanner or an indexer opening the file) is tried again a few times first.
    bool Commit();
    // Where Open could make no new file, writes `bytes` into the existing target from its
    // start and cuts it there: not in one step, but the one way left to store anything.
    bool WriteInPlace(std::span<const std::uint8_t> bytes);

  private:
    std::uint32_t Replace();
    std::uint32_t TakeReadOnlyOff(std::uint32_t& attributes) const;
    std::uint32_t InPlace(std::span<const std::uint8_t> bytes) const;
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

// For tests, a stand-in for another program: called before each try of a step that can be
// refused for a moment ("copy", "flush", "replace", "in place", "remove"), its code other than 0
// refuses that try. Gives back the one it replaces; null for none.
using TryRefusal = std::uint32_t (*)(const char* step, int attempt);
TryRefusal SetTryRefusal(TryRefusal refusal);

}  // namespace runtime

#pragma once
// What the tests read of the files and folders the code under test leaves: a file's bytes,
// how many entries a folder holds, and the little-endian fields of the formats.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

// The whole file, byte for byte; empty when it cannot be read.
std::vector<std::uint8_t> FileBytes(const std::filesystem::path& file);
std::string FileText(const std::filesystem::path& file);
// The files and folders directly in `folder`.
int EntryCount(const std::filesystem::path& folder);

// The 16- and 32-bit little-endian fields at `at`.
inline std::uint32_t Le16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes[at] | std::uint32_t{bytes[at + 1]} << 8;
}
inline std::uint32_t Le32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return Le16(bytes, at) | Le16(bytes, at + 2) << 16;
}

}  // namespace testing_support

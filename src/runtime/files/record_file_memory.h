#pragma once
// Record files kept in memory instead of on disk, for the fuzz targets: a run puts a file's
// bytes in place, lets the program work on it and reads it back, without touching the disk.
// Linked in place of the disk backend (record_file_memory.cpp).

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace runtime::memory_files {

// Makes the file at `path` hold these bytes, with the archive attribute only; creates it if
// missing.
void Put(const std::string& path, std::span<const std::uint8_t> bytes);
// The bytes of the file at `path`, none when there is no such file.
std::optional<std::vector<std::uint8_t>> Get(const std::string& path);
// Forgets every file; one still open keeps its bytes until it is closed.
void Clear();

}  // namespace runtime::memory_files

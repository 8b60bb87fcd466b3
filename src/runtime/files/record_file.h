#pragma once
// Files of fixed-length records named by file numbers, and the few whole-file operations the
// program needs (attributes, deleting). Every failure is an error number stored in the
// caller's error number; nothing here shows a message.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "runtime/files/file_attributes.h"

namespace runtime {

enum class RecordAccess {
    ReadOnly,   // reads only
    WriteOnly,  // writes only
};

constexpr int kLongestRecord = 32768;

// True when `path` holds "*" or "?" (past a leading "\\?\"): a pattern, not the name of one
// file (64).
bool HasWildcard(const std::filesystem::path& path);

// A number from 1 to 32767 not in use; each call hands out the next one, wrapping to 1.
// 67 when every number is taken (the result is then 0).
int FreeFileNumber();

// Opens `path` exclusively for record access with records of `recordLength` bytes and binds
// it to `fileNumber`. A missing file is created empty. The whole name is used, however long:
// a shorter one would be another file. Errors: 52 negative number, 55 number
// in use, 5 bad record length, 64 empty name or one with "*" or "?", else the platform's
// (70 held open elsewhere or read-only for writing, 76 missing folder).
void OpenRecordFile(int fileNumber, const std::filesystem::path& path, int recordLength,
                    RecordAccess access);

// The file's length in bytes (0 for a device); 52 and 0 when the number is not open.
std::int64_t FileLength(int fileNumber);

// Record n (from 1) is bytes (n-1)*L to n*L-1. `bytes` must hold exactly L bytes (5 if not).
// Errors: 52 not open, 54 a device, 63 record number below 1, 61 short write, else the
// platform's.
void WriteRecord(int fileNumber, std::int64_t recordNumber, std::span<const std::uint8_t> bytes);

// Reads record n; what lies past the end of the file reads as zeros, without an error.
// Errors as for WriteRecord, without 61.
void ReadRecord(int fileNumber, std::int64_t recordNumber, std::span<std::uint8_t> bytes);

// Closes the file and frees its number; a number that is not open is left alone, silently.
void CloseFile(int fileNumber);

// The attribute bits of a file or folder: 64 for "*" or "?", 53 when they cannot be had.
std::uint32_t FileAttributes(const std::filesystem::path& path);

// Sets read-only, hidden, system and archive (attributes & 0x27): 64 for "*" or "?", else the
// platform's (53 missing file).
void ChangeFileAttributes(const std::filesystem::path& path, std::uint32_t attributes);

// Deletes every plain file matching `pattern` ("*" and "?" in its last part; a pattern ending
// in "\" or ":" means all files of that folder). Hidden, system and volume entries and folders
// are left alone. 53 when nothing matches; a failed deletion stores its error and stops there.
void DeleteFiles(const std::filesystem::path& pattern);

}  // namespace runtime

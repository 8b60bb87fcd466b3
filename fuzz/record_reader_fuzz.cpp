// Arbitrary bytes as a record file: a record reads as the file's bytes at its place, zeros
// past the end, and never an error. The file is kept in memory (the fuzz tree's
// record file backend), so an input costs no real file.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "runtime/files/error_number.h"
#include "runtime/files/record_file.h"
#include "runtime/files/record_file_memory.h"

using namespace runtime;

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

const std::string kPath = "fuzz/records.dat";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first two bytes choose the record length, the rest is the file.
    if (size < 2) return 0;
    const int length = 1 + ((data[0] | (data[1] << 8)) % kLongestRecord);
    const std::span<const std::uint8_t> file(data + 2, size - 2);
    memory_files::Put(kPath, file);

    ProcedureError error;
    const int n = FreeFileNumber();
    OpenRecordFile(n, kPath, length, RecordAccess::ReadOnly);
    Check(ErrorNumber() == 0);
    Check(FileLength(n) == static_cast<std::int64_t>(file.size()));
    std::vector<std::uint8_t> record(static_cast<std::size_t>(length));
    static const std::vector<std::uint8_t> zeros(kLongestRecord, 0);
    const auto readAndCheck = [&](std::int64_t r) {
        record.assign(record.size(), 0xEE);
        ReadRecord(n, r, record);
        // Compared as runs rather than byte by byte, which would cost more than the reading.
        const std::size_t at = static_cast<std::size_t>(r - 1) * record.size();
        const std::size_t inFile = at < file.size() ? std::min(record.size(), file.size() - at) : 0;
        if (inFile > 0) Check(std::memcmp(record.data(), file.data() + at, inFile) == 0);
        Check(std::memcmp(record.data() + inFile, zeros.data(), record.size() - inFile) == 0);
    };
    // The first records, and the last ones with the two past the end; those in between take
    // the same path as the first, and reading them all would cost thousands of reads per
    // input when records are short.
    constexpr std::int64_t kEnds = 8;
    const std::int64_t last = static_cast<std::int64_t>(file.size()) / length + 2;
    for (std::int64_t r = 1; r <= std::min(kEnds, last); ++r) readAndCheck(r);
    for (std::int64_t r = std::max(kEnds + 1, last - kEnds + 1); r <= last; ++r) readAndCheck(r);
    ReadRecord(n, 0, record);
    Check(ClearError() == 63);
    Check(ErrorNumber() == 0);
    CloseFile(n);
    Check(ErrorNumber() == 0);
    return 0;
}

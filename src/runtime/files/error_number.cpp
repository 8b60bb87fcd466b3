#include "runtime/files/error_number.h"

#include <array>
#include <cstdlib>
#include <utility>

#include "runtime/files/win32_errors.h"

namespace runtime {

namespace {
thread_local ProcedureError* innermost = nullptr;
constexpr int kFatalErrors = 241;
constexpr int kFatalExitCode = 255;
}  // namespace

ProcedureError::ProcedureError() : outer_(innermost) {
    innermost = this;
}

ProcedureError::~ProcedureError() {
    innermost = outer_;
}

int ProcedureError::Clear() {
    int old = number_;
    number_ = 0;
    return old;
}

void RecordError(int number) {
    // A corrupt runtime state cannot be reported and worked around: stop at once.
    if (number >= kFatalErrors) std::_Exit(kFatalExitCode);
    if (innermost) innermost->number_ = number;
}

int ErrorNumber() {
    return innermost ? innermost->Number() : 0;
}

int ClearError() {
    return innermost ? innermost->Clear() : 0;
}

std::string ErrorText(int number) {
    static constexpr std::array<std::pair<int, const char*>, 31> kTexts = {{
        {0, "No Error"},
        {5, "Illegal function call"},
        {6, "Overflow"},
        {7, "Out of memory"},
        {9, "Subscript/Pointer out of range"},
        {11, "Division by zero"},
        {24, "Device timeout"},
        {51, "Internal error"},
        {52, "Bad file name or number"},
        {53, "File not found"},
        {54, "Bad file mode"},
        {55, "File is open"},
        {57, "Device I/O error"},
        {58, "File already exists"},
        {61, "Disk full"},
        {62, "Input past end"},
        {63, "Bad record number"},
        {64, "Bad file name"},
        {67, "Too many files"},
        {68, "Device unavailable"},
        {69, "Comm error"},
        {70, "Permission denied"},
        {71, "Disk not ready"},
        {72, "Disk media error"},
        {74, "Rename across disks"},
        {75, "Path/file access error"},
        {76, "Path not found"},
        {98, "XPrint Preview error"},
        {99, "Object error"},
        {241, "Global memory corrupt"},
        {242, "String space corrupt"},
    }};
    if (number > 255) number = 0;
    for (const auto& [n, text] : kTexts)
        if (n == number) return text;
    return "";
}

int ErrorFromPlatform(std::uint32_t code) {
    // Indexed by the Win32 code; 0 (no error) has no number of its own.
    static constexpr std::array<std::uint8_t, 40> kBelow40 = {
        75,  75, 53, 76, 67, 70, 57, 241, 7,  241,  // 0-9
        241, 51, 51, 51, 7,  68, 75, 74,  53, 70,   // 10-19
        68,  71, 51, 72, 51, 72, 72, 72,  72, 72,   // 20-29
        72,  72, 70, 70, 72, 72, 70, 75,  62, 61,   // 30-39
    };
    if (code < kBelow40.size()) return kBelow40[code];
    if (code == platform::kErrorDiskFull) return kDiskFull;
    if (code == platform::kErrorInvalidParameter) return kIllegalFunctionCall;
    return kPathFileAccessError;
}

void RecordPlatformError(std::uint32_t code) {
    RecordError(ErrorFromPlatform(code));
}

}  // namespace runtime

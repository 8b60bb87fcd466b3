#pragma once
// Error numbers: every procedure owns one for its duration, and a failing runtime operation
// stores its number in the innermost one. Numbers, not exceptions, cross module boundaries.

#include <cstdint>
#include <string>

namespace runtime {

// The error numbers the runtime stores; ErrorText gives each its message.
enum ErrorCode : int {
    kIllegalFunctionCall = 5,   // an argument out of range, or no target to draw on
    kBadFileNumber = 52,        // a file number that is not open, or out of range
    kFileNotFound = 53,         // no file of that name
    kBadFileMode = 54,          // a record operation on a file opened otherwise
    kFileAlreadyOpen = 55,      // the file number is in use
    kDiskFull = 61,             // fewer bytes written than asked
    kBadRecordNumber = 63,      // a record number below 1
    kBadFileName = 64,          // an empty name, or one with "*" or "?"
    kTooManyFiles = 67,         // every file number is taken
    kPermissionDenied = 70,     // read-only, held open elsewhere, or a folder
    kPathFileAccessError = 75,  // any other failure of the platform
    kPathNotFound = 76,         // a folder of the path is missing
};

// Put one of these at the top of a procedure that calls runtime operations. While it lives
// it is the innermost error number of its thread; it starts at 0.
class ProcedureError {
  public:
    ProcedureError();
    ~ProcedureError();
    ProcedureError(const ProcedureError&) = delete;
    ProcedureError& operator=(const ProcedureError&) = delete;

    int Number() const { return number_; }
    int Clear();

  private:
    friend void RecordError(int number);
    ProcedureError* outer_;
    int number_ = 0;
};

// Stores `number` in the innermost error number of the calling thread (dropped when the
// thread has none). Numbers of 241 and above end the process with exit code 255.
void RecordError(int number);

// The innermost error number, and the same returned and reset to 0.
int ErrorNumber();
int ClearError();

// The message of an error number: "" for a number without one; above 255 reads as 0.
std::string ErrorText(int number);

// The error number of a failed platform file operation, from its Win32 error code (the POSIX
// backends speak those codes too).
int ErrorFromPlatform(std::uint32_t code);

// RecordError(ErrorFromPlatform(code)).
void RecordPlatformError(std::uint32_t code);

}  // namespace runtime

#pragma once
// The Win32 error codes the program meets, named after ERROR_FILE_NOT_FOUND and the rest. The
// file backends give them back (the POSIX one imitates them), and error_number.cpp turns each
// into the program's own error number; these names mean the platform's codes only.

#include <cstdint>

namespace runtime::platform {

enum Win32Error : std::uint32_t {
    kErrorInvalidFunction = 1,
    kErrorFileNotFound = 2,
    kErrorPathNotFound = 3,
    kErrorTooManyOpenFiles = 4,
    kErrorAccessDenied = 5,
    kErrorInvalidHandle = 6,
    kErrorNotEnoughMemory = 8,
    kErrorSharingViolation = 32,
    kErrorLockViolation = 33,
    kErrorFileExists = 80,
    kErrorInvalidParameter = 87,
    kErrorDiskFull = 112,
};

}  // namespace runtime::platform

#include "runtime/files/error_number.h"

#include <cstdlib>

namespace runtime {

namespace {
thread_local ProcedureError* innermost = nullptr;
constexpr int kFatalErrors = 241;
constexpr int kFatalExitCode = 255;
}  // namespace

ProcedureError::ProcedureError() : outer_(innermost) { innermost = this; }

ProcedureError::~ProcedureError() { innermost = outer_; }

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

int ErrorNumber() { return innermost ? innermost->Number() : 0; }

int ClearError() { return innermost ? innermost->Clear() : 0; }

}  // namespace runtime

#include "runtime/files/program_folder.h"

namespace runtime {

std::string ProgramFolder;

void KeepProgramFolder() {
    ProgramFolder = KeptProgramFolder(ExecutableFolder());
}

std::string KeptProgramFolder(const std::string& folder) {
    return folder.substr(0, 254);
}

}  // namespace runtime

#include "runtime/files/program_folder.h"

namespace runtime {

std::filesystem::path ProgramFolder;

void KeepProgramFolder() {
    ProgramFolder = ExecutableFolder();
}

}  // namespace runtime

#include "runtime/files/program_folder.h"

namespace runtime {

std::string ProgramFolder;
std::filesystem::path ProgramFolderPath;

void KeepProgramFolder() {
    ProgramFolderPath = ExecutableFolder();
    ProgramFolder = FolderText(ProgramFolderPath).substr(0, 254);
}

}  // namespace runtime

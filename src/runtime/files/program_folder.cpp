#include "runtime/files/program_folder.h"

namespace runtime {

std::string ProgramFolder;
std::filesystem::path ProgramFolderPath;

void KeepProgramFolder() {
    ProgramFolderPath = ExecutableFolder();
    ProgramFolder = KeptProgramFolder(FolderText(ProgramFolderPath));
}

std::string KeptProgramFolder(const std::string& folder) {
    return folder.substr(0, 254);
}

}  // namespace runtime

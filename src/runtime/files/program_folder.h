#pragma once
// Where the running executable lives: the files that travel with the program sit beside it.

#include <filesystem>

namespace runtime {

// The executable's folder with its trailing separator, as the platform names it, however long;
// empty when the platform cannot tell.
std::filesystem::path ExecutableFolder();

// The executable's folder as the program keeps it, read when the main window and the
// favourite colours dialog open: its whole name with the trailing separator, by which the
// files beside the program are opened (never a cut or converted name, which could be another
// folder's).
extern std::filesystem::path ProgramFolder;

// Reads the executable's folder into ProgramFolder.
void KeepProgramFolder();

}  // namespace runtime

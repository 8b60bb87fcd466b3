#pragma once
// Where the running executable lives: the files that travel with the program sit beside it.

#include <string>

namespace runtime {

// The executable's folder with its trailing separator, in the program's single-byte text
// (read from a path of at most 260 characters); "" when the platform cannot tell.
std::string ExecutableFolder();

// The executable's folder as the program keeps it, with its trailing separator; read when the
// main window and the favourite colours dialog open.
extern std::string ProgramFolder;

// Reads the executable's folder into ProgramFolder, cut to 254 characters.
void KeepProgramFolder();

// `folder` as ProgramFolder keeps it.
std::string KeptProgramFolder(const std::string& folder);

}  // namespace runtime

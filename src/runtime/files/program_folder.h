#pragma once
// Where the running executable lives: the files that travel with the program sit beside it.

#include <filesystem>
#include <string>

namespace runtime {

// The executable's folder with its trailing separator, as the platform names it, however long;
// empty when the platform cannot tell.
std::filesystem::path ExecutableFolder();

// `folder` in the program's single-byte text. A character that text lacks becomes "?", never a
// look-alike, so the text cannot be taken for another folder's name.
std::string FolderText(const std::filesystem::path& folder);

// The executable's folder as the program keeps it, read when the main window and the
// favourite colours dialog open: its single-byte text with the trailing separator, cut to 254
// characters, and the full name by which files beside the program are opened.
extern std::string ProgramFolder;
extern std::filesystem::path ProgramFolderPath;

// Reads the executable's folder into ProgramFolder and ProgramFolderPath.
void KeepProgramFolder();

}  // namespace runtime

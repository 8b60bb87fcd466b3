#pragma once
// Where the running executable lives: the files that travel with the program sit beside it.

#include <string>

namespace runtime {

// The executable's folder with its trailing separator, in the program's single-byte text
// (read from a path of at most 260 characters); "" when the platform cannot tell.
std::string ExecutableFolder();

}  // namespace runtime

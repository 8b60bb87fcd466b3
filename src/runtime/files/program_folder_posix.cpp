#include <unistd.h>

#include "runtime/files/program_folder.h"

namespace runtime {

std::filesystem::path ExecutableFolder() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof path) return {};
    const std::string full(path, static_cast<std::size_t>(length));
    const std::size_t cut = full.find_last_of('/');
    return cut == std::string::npos ? std::string() : full.substr(0, cut + 1);
}

}  // namespace runtime

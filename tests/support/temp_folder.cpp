#include "support/temp_folder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <random>

namespace testing_support {

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    std::mt19937_64 rng(static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        path_ = base / ("poligonos-test-" + std::to_string(rng() % 1000000000) + "-" +
                        std::to_string(counter++));
        if (std::filesystem::create_directory(path_)) break;
    }
}

std::string TempFolder::Write(const std::string& name, const std::string& content) const {
    const std::string path = File(name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace testing_support

#pragma once
// What the runner was told besides the binaries: where pictures taken by the tests go, and
// which program features are not built yet (their checks are skipped, saying so).

#include <filesystem>
#include <set>
#include <string>

namespace e2e {

struct TestOptions {
    std::filesystem::path artifacts;  // empty: pictures are not kept
    std::set<std::string> pending;
};

TestOptions& Options();

}  // namespace e2e

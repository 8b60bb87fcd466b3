#pragma once
// A driver step that cannot go on throws a Failure; the test framework reports its text, and
// the owners on the way out stop the program the test started.

#include <stdexcept>
#include <string>

namespace e2e {

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] inline void Fail(const std::string& what) {
    throw Failure(what);
}

}  // namespace e2e

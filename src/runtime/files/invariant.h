#pragma once
// POLIGONOS_INVARIANT(condition): a fact the code relies on, stated where it relies on it. The
// builds that run tests check it (POLIGONOS_INVARIANTS) and stop at once, naming it, where it
// does not hold; the released program leaves the check out.

#include <cstdio>
#include <cstdlib>

namespace runtime {

[[noreturn]] inline void InvariantBroken(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}

}  // namespace runtime

#ifdef POLIGONOS_INVARIANTS
#define POLIGONOS_INVARIANT(condition) \
    ((condition) ? void(0) : ::runtime::InvariantBroken(#condition, __FILE__, __LINE__))
#else
#define POLIGONOS_INVARIANT(condition) ((void)sizeof(condition))
#endif

#pragma once
// The fuzz targets' one way to report a broken law: a line naming it on
// stderr, then abort, which the fuzzer (or the corpus replay) reports as a
// crash.

#include <cstdio>
#include <cstdlib>

inline void Check(bool law, const char* what) {
    if (!law) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property is reported as a crash, so libFuzzer keeps the input.
#define BKS_FUZZ_CHECK(condition)                                                                            \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

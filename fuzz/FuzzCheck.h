#pragma once

#include <cstdio>
#include <cstdlib>

// A property a harness checks: when it does not hold, the input is a fault
// and the process aborts, so that libFuzzer keeps it as a reproducer.
#define FUZZ_CHECK(condition)                                                            \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (false)

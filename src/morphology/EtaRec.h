#pragma once

#include <cstdint>
#include <string>

namespace kunimor {

// One paradigm proposed for a new word.
struct TEtaRec {
    int32_t EtalonNo = 0;  // -1 for the unchangeable pseudo-paradigm
    std::string Osnova;    // the sample stem, after ranking the closest word's stem
    std::string Forms;
    int32_t RodChislo = 0;  // nouns only
    std::string Stems;      // comma-separated stems that produce the known forms
    int32_t Score = 0;
};

}  // namespace kunimor

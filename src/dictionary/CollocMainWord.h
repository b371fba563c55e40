#pragma once

#include "dictionary/Records.h"

#include <cstdint>

namespace kunimor {

// The number of a collocation's main word, or 0 when it names none (MainPar
// -1, or a slot outside the words in use).
inline int32_t MainWordNo(const TCollocRec& colloc) {
    if (colloc.MainPar < 0 || colloc.MainPar >= kCollocSlots) return 0;
    // The words in use end at the first empty slot.
    for (int i = 0; i <= colloc.MainPar; ++i)
        if (colloc.Words[i].No <= 0) return 0;
    return colloc.Words[colloc.MainPar].No;
}

}  // namespace kunimor

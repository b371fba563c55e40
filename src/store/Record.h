#pragma once

#include "store/SlotArray.h"

#include <cstdint>
#include <string>

namespace kunimor {

// One row of a table. Numbers and booleans live in `ints`, strings and memos
// in `strings`; each field knows its slot. A set bit in `nulls` marks a field
// that holds no value.
struct Record {
    uint32_t id = 0;       // allocation order, unique within the table
    int32_t scratch = 0;   // position in the file while the table is saved
    uint64_t nulls = 0;
    // Room inside the record for the dictionary's words, paradigms and links.
    SlotArray<int32_t, 4> ints;
    SlotArray<std::string, 2> strings;
};

}  // namespace kunimor

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kunimor {

// One row of a table. Numbers and booleans live in `ints`, strings and memos
// in `strings`; each field knows its slot. A set bit in `nulls` marks a field
// that holds no value.
struct Record {
    uint32_t id = 0;       // allocation order, unique within the table
    int32_t scratch = 0;   // position in the file while the table is saved
    uint64_t nulls = 0;
    std::vector<int32_t> ints;
    std::vector<std::string> strings;
};

}  // namespace kunimor

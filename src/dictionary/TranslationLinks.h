#pragma once

#include "store/Table.h"

#include <cstdint>
#include <vector>

namespace kunimor {

// One translation link as seen from its source entry.
struct TransLink {
    int32_t target = 0;  // word or collocation number in the other language
    int16_t tag = 0;     // the link's Tag
};

// The links of source entry sourceNo of language sourceLang, in the order
// of the link table's index on that language's field, which it is left set
// to. All are read before a caller follows any, so following one may move
// the table.
std::vector<TransLink> LinksOf(Table& trans, int sourceLang, int32_t sourceNo);

}  // namespace kunimor

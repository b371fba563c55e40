#pragma once

#include <string_view>

namespace kunimor::app {

struct TWordSpan {
    int start = 0;  // 0-based
    int length = 0;
};

// The word around position pos of Windows-1251 text: the run of characters
// that are neither delimiters nor sentence ends, within pos's line.
TWordSpan WordAt(std::string_view text, int pos);

}  // namespace kunimor::app

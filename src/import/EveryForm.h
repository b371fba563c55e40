#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace kunimor {
class TBelModule;
}

namespace kunimor::import {

// Calls proc for every main and alternative form of every word of the
// language in the loaded dictionary. proc may seek words: the walk runs
// over a copy of the words table.
void ForEachForm(TBelModule& module, int lang,
                 const std::function<void(int32_t no, int form, bool alt, const std::string& text)>& proc);

}  // namespace kunimor::import

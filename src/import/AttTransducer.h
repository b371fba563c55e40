#pragma once

#include <functional>
#include <string_view>

namespace kunimor::import {

// Every entry of a transducer printed as ATT text (lt-print -H): each path
// from state 0 to a final state, as its input and output side (UTF-8, tags
// such as <n> kept as written, epsilons dropped). Sections separated by
// "--" lines are separate transducers. States on cycles are skipped: they
// are regular-expression entries (numbers in digits) with endless paths.
// Returns the number of states skipped that way.
using AttEntryProc = std::function<void(std::string_view input, std::string_view output)>;
int ForEachAttEntry(std::string_view attText, const AttEntryProc& proc);

}  // namespace kunimor::import

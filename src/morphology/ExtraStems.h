#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kunimor {

// The stems, other than the word's own, that its paradigm's rules build its
// forms on where a form does not begin with the word's stem (я from м):
// the stem table holds them so that stem seeking finds the word from those
// forms. Distinct, in sorted order; forms whose rules fail are skipped.
std::vector<std::string> ExtraStems(int lang, const std::string& stem, std::string_view forms);

}  // namespace kunimor

#pragma once

#include <string>
#include <string_view>

#include "ground/LetterCase.h"

namespace kunimor {

// The line editors show to identify a paradigm, e.g. "стол (столы)": the
// dictionary form in the given case pattern followed, when withLemma is set,
// by a few telling forms of the kind in brackets (nouns: form 7 unless it is
// the dictionary form, and form 13; adjectives: the alternative of form 1
// and forms 25 and 26; verbs: form 2 and the reflexive dictionary form).
// Without withLemma only that list, or the dictionary form when the list is
// empty. A listed form whose rules fail shows as "?"; a failing dictionary
// form throws Error.
std::string SampleForms(int lang, int kind, std::string_view stem, bool withLemma,
                        TCasePattern casePattern, std::string_view forms);

}  // namespace kunimor

#pragma once

#include <string>
#include <string_view>

#include "translator/WordForm.h"

namespace kunimor {

// Whether the text output last ended in a Belarusian vowel; false at the
// start of every piece.
inline bool VowelEnd = false;

// Sets VowelEnd from the last letter of s, blanks (and a final hyphen)
// aside; leaves it when s has none.
void UpdateVowelEnd(std::string_view s);

// Belarusian euphony at the start of translation t's text: у becomes ў
// after a vowel, and the prothetic і of words such as ільгота comes and goes
// with the sound before it.
void ApplyInitialLetterRules(const TWordForm& t, std::string& text);

}  // namespace kunimor

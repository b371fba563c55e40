#pragma once

#include <string>
#include <string_view>

namespace kunimor {

// One character summing up the text between two words, as collocations
// store it: ' ' blanks and quotes only, ',' a comma, '-' a lone hyphen
// joining the words, ':' a colon, '_' a dash (a hyphen among other
// characters, or an en or em dash), '/' a slash, '*' anything else.

// Classifies text[first..last], 1-based and both included; positions outside
// the text are not read.
char ClassifyGap(std::string_view text, int first, int last);

// The text to put between two words for a separator class (a collocation
// delimiter code; an empty code, 0, reads as a space).
std::string SeparatorText(char separatorClass);

}  // namespace kunimor

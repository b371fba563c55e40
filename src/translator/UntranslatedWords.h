#pragma once

#include "translator/TranslateText.h"

namespace kunimor {

// Settles the words of the piece that have no translation candidate
// (abbreviations and placeholders aside): each is reported to unknownProc
// as written, and one the dictionary knows takes its written text in lower
// case as the text to output (output restores the capitalisation); an
// unknown word keeps its normalised text, a word with foreign characters
// its text as written.
void LeaveUntranslated(const TUnknownProc& unknownProc);

}  // namespace kunimor

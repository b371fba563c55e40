#pragma once

#include "translator/TranslateText.h"

namespace kunimor {

class TBelModule;

// Turns the analysed piece into target words: looks up and ranks the
// translations (reporting the words without any to unknownProc), carries
// case, gender and number over where the target language's grammar differs,
// and sets every element's Text to its target text.
void TransferPiece(TBelModule& module, const TUnknownProc& unknownProc);

}  // namespace kunimor

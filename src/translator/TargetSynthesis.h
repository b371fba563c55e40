#pragma once

#include <string>

#include "translator/WordForm.h"

namespace kunimor {

class TBelModule;

// The target text of translation t in its form (not yet capitalised). A
// participle becomes a relative clause introduced, by turns, by які and by
// што: alt says which comes next and is flipped when used. When t's form
// is missing from the target paradigm, the other ending, the form the
// lookup found and the dictionary form are tried in turn; the last two
// mark t inexact.
std::string SynthesizeTranslation(TBelModule& module, TWordForm& t, bool& alt);

// Sets the Text of every element of the piece to what is to be output.
void SynthesizePiece(TBelModule& module);

}  // namespace kunimor

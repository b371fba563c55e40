#pragma once

#include "import/DictionaryBuilder.h"
#include "import/PrepositionCases.h"

#include <string>

namespace kunimor::import {

// Adds the words and the paradigm the engine looks up by stem when it opens
// a dictionary (particles, conjunctions, prepositions with the cases they
// take, я, ты, два, оба, які/какой, который) and the indeclinable adjective
// paradigm, each with exactly the stem and forms the engine expects. They
// are added before the open data, so that data words with the same stem
// merge into them and pairs of the data link to them.
void AddSpecialEntries(TDictionaryBuilder& builder, const TPrepositionCases& prepositions);

// Whether the data's own word with this dictionary form is replaced by a
// special word (the data declines я or два differently).
bool IsSpecialLemma(int lang, const std::string& lemma, int kind);

}  // namespace kunimor::import

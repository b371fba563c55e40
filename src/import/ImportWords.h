#pragma once

#include <vector>

#include "import/DictionaryBuilder.h"
#include "import/ImportReport.h"
#include "import/ImportTypes.h"
#include "import/Lexemes.h"
#include "import/PrepositionCases.h"

namespace kunimor::import {

// Turns each word of a generator into a stem and a paradigm and adds it,
// indexed by its dictionary form. Returns the verbs with their probe forms
// (3rd person singular, past masculine) for pairing by spelling. The
// lexemes' forms are released on the way.
// Prepositions take the cases of the preposition table.
std::vector<TLemma> AddGeneratorWords(TDictionaryBuilder& builder, int lang, std::vector<TLexeme>& lexemes,
                                      const TPrepositionCases& prepositions, TImportReport& report);

}  // namespace kunimor::import

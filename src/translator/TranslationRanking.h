#pragma once

#include <cstdint>

#include "translator/WordEl.h"

namespace kunimor {

// Puts the best of el's translations first: by link priority, by kind
// (nouns before adjectives before verbs), by how the word is written and
// placed, and by form. Translations of priority 3 leave a list of two or
// more; a single translation is never touched.
void RankTranslations(TWordEl* el);

// Removes every translation of el that is not word wordNo, if el has one
// that is.
void KeepTranslation(TWordEl* el, int32_t wordNo);

}  // namespace kunimor

#pragma once

#include <array>
#include <string_view>

namespace kunimor {

// A language a text may be in (Language.h) and how sure the guess is, 0-100.
struct TLanguageGuess {
    int language;
    double confidence;
};

// Guesses whether a text (Windows-1251) is Russian or Belarusian by the
// letters only one of them writes: и and щ are Russian, і and ў Belarusian.
// As the desktop program chooses its direction, the first line holding any
// of them decides; a text with none is taken for Russian. The confidence is
// the share of such letters that belong to the language, 50 each when there
// are none. Both languages, the chosen one first.
std::array<TLanguageGuess, 2> GuessLanguage(std::string_view text);

}  // namespace kunimor

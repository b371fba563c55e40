#include "ground/LanguageGuess.h"

#include "ground/Cp1251Literal.h"
#include "ground/Language.h"
#include "ground/LetterCase.h"

namespace kunimor {
namespace {

// Which language writes the letter alone, or -1.
int OnlyLanguageOf(char c) {
    switch (LoCaseCyr(c)) {
        case U'и'_cp1251:
        case U'щ'_cp1251: return kRussian;
        case U'і'_cp1251:
        case U'ў'_cp1251: return kBelarusian;
        default: return -1;
    }
}

}  // namespace

std::array<TLanguageGuess, 2> GuessLanguage(std::string_view text) {
    int counts[2] = {0, 0};
    int decided = -1;
    bool lineHasRussian = false, lineHasBelarusian = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int lang = OnlyLanguageOf(text[i]);
        if (lang >= 0) {
            ++counts[lang];
            (lang == kRussian ? lineHasRussian : lineHasBelarusian) = true;
        }
        if (decided < 0 && (text[i] == '\n' || i + 1 == text.size())) {
            // A line with letters of both is Russian, as the desktop program reads it.
            if (lineHasRussian) decided = kRussian;
            else if (lineHasBelarusian) decided = kBelarusian;
            lineHasRussian = lineHasBelarusian = false;
        }
    }
    const int chosen = decided < 0 ? kRussian : decided;
    const int other = 1 - chosen;
    const int total = counts[0] + counts[1];
    const double share = total == 0 ? 50.0 : 100.0 * counts[chosen] / total;
    return {{{chosen, share}, {other, 100.0 - share}}};
}

}  // namespace kunimor

#include "translator/InitialLetterRules.h"

#include <array>

#include "ground/Alphabet.h"
#include "ground/CharSet.h"
#include "ground/Cp1251Literal.h"

namespace kunimor {
namespace {

constexpr char kU = U'у'_cp1251;
constexpr char kShortU = U'ў'_cp1251;
constexpr char kI = U'і'_cp1251;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32 || c == '\xA0'; }

// The word, from its first letter after a prothetic і, starts like one
// that takes such an і.
bool TakesProtheticI(std::string_view rest) {
    constexpr std::array<std::string_view, 9> kStarts = {"грул"_cp1251, "зноў"_cp1251, "лб"_cp1251,
                                                         "лг"_cp1251,   "лж"_cp1251,   "ль"_cp1251,
                                                         "рв"_cp1251,   "рд"_cp1251,   "рж"_cp1251};
    for (std::string_view start : kStarts)
        if (rest.starts_with(start)) return true;
    return false;
}

}  // namespace

void UpdateVowelEnd(std::string_view s) {
    for (std::size_t i = s.size(); i-- > 0;) {
        if (IsBlank(s[i]) || (s[i] == '-' && i + 1 == s.size())) continue;
        VowelEnd = kBelVowels.Contains(s[i]);
        return;
    }
}

void ApplyInitialLetterRules(const TWordForm& t, std::string& text) {
    if (text.empty() || t.IsAbbrWord) return;
    if (VowelEnd && text.front() == kU) {
        text.front() = kShortU;
        return;
    }
    if (t.IsProper || text.size() <= 2) return;
    const bool hasI = text.front() == kI;
    if (!TakesProtheticI(std::string_view(text).substr(hasI ? 1 : 0))) return;
    if (VowelEnd && hasI)
        text.erase(0, 1);
    else if (!VowelEnd && !hasI)
        text.insert(text.begin(), kI);
}

}  // namespace kunimor

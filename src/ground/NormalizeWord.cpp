#include "ground/NormalizeWord.h"

#include "ground/Language.h"
#include "ground/Alphabet.h"
#include "ground/Cp1251Literal.h"

namespace kunimor {
namespace {

constexpr char kRusYo = U'ё'_cp1251;
constexpr char kRusYe = U'е'_cp1251;
constexpr char kBelU = U'у'_cp1251;
constexpr char kBelShortU = U'ў'_cp1251;

// Codes 0 to 32 (controls and the blank) do not count as the preceding character.
constexpr bool IsSignificant(char c) { return static_cast<unsigned char>(c) > 0x20; }

bool ReplaceYo(std::string& word) {
    bool changed = false;
    for (char& c : word) {
        if (c != kRusYo) continue;
        c = kRusYe;
        changed = true;
    }
    return changed;
}

bool AlternateShortU(std::string& word) {
    bool changed = false;
    bool afterVowel = false;
    for (char& c : word) {
        if (c == kBelU || c == kBelShortU) {
            const char wanted = afterVowel ? kBelShortU : kBelU;
            changed = changed || c != wanted;
            c = wanted;
        }
        if (IsSignificant(c)) afterVowel = kBelVowels.Contains(c);
    }
    return changed;
}

}  // namespace

bool NormalizeWord(int lang, std::string& word) {
    return lang == kBelarusian ? AlternateShortU(word) : ReplaceYo(word);
}

}  // namespace kunimor

#include "ground/LatinScript.h"

#include <algorithm>

#include "ground/Language.h"
#include "ground/Alphabet.h"
#include "ground/CharSet.h"
#include "ground/Cp1251Literal.h"
#include "ground/LetterCase.h"

namespace kunimor {
namespace {

constexpr auto npos = std::string_view::npos;

// Letters that map one to one in both directions, aligned by position.
constexpr std::string_view kCyrSingles = "бвджкмпртўфчшы"_cp1251;
constexpr std::string_view kLatSingles = "bvd\xFE" "kmprt\xFB" "f\xE8\xF0" "y";  // ž ū č š

// The iotated vowels and the Latin vowels they are spelled with after j or i.
constexpr std::string_view kCyrIotated = "яеёю"_cp1251;
constexpr std::string_view kLatIotated = "aeou";

// After these (but not after "ь") an iotated vowel is written with "i".
constexpr CharSet kBelPrevConsonants{"'ўбвгджзйклмнпрстфхцчшь"_cp1251};

// One script's side of the conversion.
struct TScriptSide {
    CharSet letters;
    CharSet capitals;      // the letters taken as upper case
    CharSet nextCapitals;  // what makes a capital at a word's start mean "all capitals"
    char (*lower)(char);
};

CharSet CapitalsOf(const CharSet& letters, char (*lower)(char)) {
    CharSet capitals;
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        if (letters.Contains(c) && lower(c) != c) capitals.Add(c);
    }
    return capitals;
}

TScriptSide MakeCyrillicSide() {
    const LanguageLetters& bel = LettersOf(kBelarusian);
    // The apostrophe is no capital itself, yet after a capital it reads as one.
    return {bel.letters, CapitalsOf(bel.letters, LoCaseCyr), bel.upper, LoCaseCyr};
}

TScriptSide MakeLatinSide() {
    CharSet letters = CharSet().AddRange('A', 'Z').AddRange('a', 'z');
    for (const TLatinkaRef& ref : LatinkaRefs) letters.Add(ref.letter);
    const CharSet capitals = CapitalsOf(letters, LoCaseLat);
    return {letters, capitals, capitals, LoCaseLat};
}

const TScriptSide& CyrillicSide() {
    static const TScriptSide side = MakeCyrillicSide();
    return side;
}

const TScriptSide& LatinSide() {
    static const TScriptSide side = MakeLatinSide();
    return side;
}

// Gives a spelling in the target script its case (keep-rest flag set).
using TPatternApplier = std::string (*)(std::string_view, TCasePattern, bool);

// Appends the spelling of the lower-case letter lc in the other script;
// next and prevChar are the neighbouring characters lowered, '\0' when there
// is none. Returns true when the spelling also took next.
using TSpeller = bool (*)(char lc, char next, char prevChar, std::string& out);

bool SpellInLatin(char lc, char next, char prevChar, std::string& out) {
    if (const auto i = kCyrSingles.find(lc); i != npos) {
        out += kLatSingles[i];
        return false;
    }
    if (const auto i = "аоуэій"_cp1251.find(lc); i != npos) {
        out += "aoueij"[i];
        return false;
    }
    if (lc == U'х'_cp1251) {
        out += "ch";
        return false;
    }
    if (lc == U'г'_cp1251) {
        out += prevChar == U'з'_cp1251 ? 'g' : 'h';
        return false;
    }
    if (const auto i = kCyrIotated.find(lc); i != npos) {
        out += kBelPrevConsonants.Contains(prevChar) && prevChar != U'ь'_cp1251 ? 'i' : 'j';
        out += kLatIotated[i];
        return false;
    }
    if (const auto i = "зснц"_cp1251.find(lc); i != npos) {
        const bool soft = next == U'ь'_cp1251;
        out += (soft ? "\xEA\xFA\xF1\xE3" : "zsnc")[i];  // ź ś ń ć
        return soft;
    }
    if (lc == U'л'_cp1251) {
        const auto i = "ьяеёюі"_cp1251.find(next);
        if (i == npos) {
            out += '\xF9';  // ł
            return false;
        }
        out += 'l';
        if (i > 0) out += " aeoui"[i];
        return true;
    }
    if (lc == U'ь'_cp1251) {
        out += '\'';
        return false;
    }
    // What is left is the apostrophe, which an iotated vowel after it replaces.
    if (const auto i = kCyrIotated.find(next); i != npos) {
        out += 'j';
        out += kLatIotated[i];
        return true;
    }
    out += '\'';
    return false;
}

bool IsLatinConsonant(char lc) {
    return LatinSide().letters.Contains(lc) && std::string_view("aeiouy").find(lc) == npos;
}

// l, ć, ń, ś, ź (and capitals): their Cyrillic spelling ends in a soft sign.
bool IsSoftLatinConsonant(char c) {
    return std::string_view("lL\xE3\xC3\xF1\xD1\xFA\xDA\xEA\xCA").find(c) != std::string_view::npos;
}

// After these an iotated vowel is spelled with "i" (bia, nio), after a soft
// consonant and elsewhere with "j" (śjo, jo).
bool TakesIotatedI(char prevChar) { return IsLatinConsonant(prevChar) && !IsSoftLatinConsonant(prevChar); }

bool SpellInCyrillic(char lc, char next, char prevChar, std::string& out) {
    if (const auto i = kLatSingles.find(lc); i != npos) {
        out += kCyrSingles[i];
        return false;
    }
    if (const auto i = std::string_view("aeounsz\xF9").find(lc); i != npos) {  // ł
        out += "аэоунсзл"_cp1251[i];
        return false;
    }
    if (const auto i = std::string_view("\xE3\xEA\xF1\xFA").find(lc); i != npos) {  // ć ź ń ś
        out += "цзнс"_cp1251[i];
        out += U'ь'_cp1251;
        return false;
    }
    switch (lc) {
    case 'g':
    case 'h':
        out += U'г'_cp1251;
        return false;
    case 'c':
        out += next == 'h' ? U'х'_cp1251 : U'ц'_cp1251;
        return next == 'h';
    case 'i':
        // Only after a hard consonant does "i" mark an iotated vowel; at a
        // word's start or after a vowel it is "і" of its own (іон, Іаан).
        if (const auto i = kLatIotated.find(next); i != npos && TakesIotatedI(prevChar)) {
            out += kCyrIotated[i];
            return true;
        }
        out += U'і'_cp1251;
        return false;
    case 'l':
        out += U'л'_cp1251;
        if (const auto i = std::string_view("aeoiu").find(next); i != npos) {
            out += "яеёію"_cp1251[i];
            return true;
        }
        out += U'ь'_cp1251;
        return false;
    case 'j':
        if (const auto i = kLatIotated.find(next); i != npos) {
            // A soft consonant already wrote its soft sign (мільён, Нью-Ёрк):
            // an apostrophe there would be no Belarusian spelling.
            if (TakesIotatedI(prevChar)) out += '\'';
            out += kCyrIotated[i];
            return true;
        }
        out += U'й'_cp1251;
        return false;
    default:  // q, w and x, which have no Cyrillic counterpart
        out += lc;
        return false;
    }
}

TCasePattern CapitalPattern(bool prevUpper, bool prevLetter, bool nextIsCapital) {
    if (prevUpper) return TCasePattern::csUpper;
    if (prevLetter) return TCasePattern::csCapital;
    return nextIsCapital ? TCasePattern::csUpper : TCasePattern::csCapital;
}

// Letter by letter from one script into the other. A capital's spelling is
// all capitals inside a word of capitals (or at the start of one) and
// capitalised otherwise; a letter the spelling takes along gets the case of
// the letter before it.
std::string Transliterate(std::string_view text, const TScriptSide& from, TSpeller spell,
                          TPatternApplier applyPattern) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    bool prevLetter = false;
    bool prevUpper = false;
    char prevChar = '\0';
    std::string spelled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!from.letters.Contains(c)) {
            out += c;
            prevLetter = prevUpper = false;
            prevChar = from.lower(c);
            continue;
        }
        const bool hasNext = i + 1 < text.size();
        const bool upper = from.capitals.Contains(c);
        const TCasePattern pattern =
            upper ? CapitalPattern(prevUpper, prevLetter, hasNext && from.nextCapitals.Contains(text[i + 1]))
                  : TCasePattern::csLower;
        const char lc = from.lower(c);
        const char next = hasNext ? from.lower(text[i + 1]) : '\0';
        spelled.clear();
        const bool tookNext = spell(lc, next, prevChar, spelled);
        out += applyPattern(spelled, pattern, true);
        prevLetter = true;
        prevUpper = upper;
        prevChar = tookNext ? next : lc;
        if (tookNext) ++i;
    }
    return out;
}

}  // namespace

std::string CyrToLatinka(std::string_view cyrillic) {
    return Transliterate(cyrillic, CyrillicSide(), SpellInLatin, ApplyCasePatternLat);
}

std::string LatinkaToCyr(std::string_view latin) {
    return Transliterate(latin, LatinSide(), SpellInCyrillic, ApplyCasePattern);
}

std::string EncodeLatinkaRefs(std::string_view latin) {
    std::string out;
    out.reserve(latin.size());
    for (const char c : latin) {
        const auto ref = std::find_if(LatinkaRefs.begin(), LatinkaRefs.end(),
                                      [c](const TLatinkaRef& r) { return r.letter == c; });
        if (ref == LatinkaRefs.end()) {
            out += c;
        } else {
            out += "&#" + std::to_string(ref->codePoint) + ';';
        }
    }
    return out;
}

std::string DecodeLatinkaRefs(std::string_view latin) {
    std::string out;
    out.reserve(latin.size());
    for (std::size_t i = 0; i < latin.size();) {
        const TLatinkaRef* found = nullptr;
        std::size_t end = i;
        if (latin.substr(i, 2) == "&#") {
            std::string_view rest = latin.substr(i + 2);
            // A line break may split a reference after "&#".
            for (const std::string_view lineBreak : {"\r\n", "\r", "\n"}) {
                if (rest.starts_with(lineBreak)) {
                    rest.remove_prefix(lineBreak.size());
                    break;
                }
            }
            for (const TLatinkaRef& ref : LatinkaRefs) {
                const std::string code = std::to_string(ref.codePoint) + ';';
                if (rest.starts_with(code)) {
                    found = &ref;
                    end = latin.size() - rest.size() + code.size();
                    break;
                }
            }
        }
        if (found) {
            out += found->letter;
            i = end;
        } else {
            out += latin[i++];
        }
    }
    return out;
}

}  // namespace kunimor

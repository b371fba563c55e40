#include "ground/Alphabet.h"

#include "ground/Language.h"

namespace kunimor {
namespace {

constexpr std::string_view kRusLower = "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"_cp1251;
constexpr std::string_view kRusUpper = "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"_cp1251;
constexpr std::string_view kBelLower = "'абвгдеёжзійклмнопрстуўфхцчшыьэюя"_cp1251;
constexpr std::string_view kBelUpper = "'АБВГДЕЁЖЗІЙКЛМНОПРСТУЎФХЦЧШЫЬЭЮЯ"_cp1251;

constexpr LanguageLetters MakeLetters(std::string_view upper, std::string_view lower) {
    return {CharSet(upper).Add(lower), CharSet(upper), CharSet(lower)};
}

constexpr LanguageLetters kRussianLetters = MakeLetters(kRusUpper, kRusLower);
constexpr LanguageLetters kBelarusianLetters = MakeLetters(kBelUpper, kBelLower);

// Blanks, ASCII punctuation other than the apostrophe, and the typographic
// quotes, dashes, ellipsis, no-break space and soft hyphen of Windows-1251.
constexpr CharSet kPunctuation = CharSet("\x82\x84\x85\x91\x92\x93\x94\x96\x97\xA0\xAB\xAD\xBB")
                                     .AddRange(0x09, 0x0D)
                                     .AddRange(0x20, 0x26)
                                     .AddRange(0x28, 0x2F)
                                     .AddRange(0x3A, 0x40)
                                     .AddRange(0x5B, 0x60)
                                     .AddRange(0x7B, 0x7E);

constexpr CharSet kRussianDelimiters = CharSet(kPunctuation).Add('\'');

struct CurrentSets {
    const LanguageLetters* source = &kRussianLetters;
    const LanguageLetters* target = &kBelarusianLetters;
    const CharSet* delimiters = &kRussianDelimiters;
};

CurrentSets& Current() {
    static CurrentSets sets;
    return sets;
}

}  // namespace

const LanguageLetters& LettersOf(int lang) {
    return lang == kBelarusian ? kBelarusianLetters : kRussianLetters;
}

void SetAlphabet(int lang) {
    CurrentSets& sets = Current();
    const bool belarusian = lang == kBelarusian;
    sets.source = belarusian ? &kBelarusianLetters : &kRussianLetters;
    sets.target = belarusian ? &kRussianLetters : &kBelarusianLetters;
    sets.delimiters = &DelimitersOf(lang);
}

const CharSet& SrcLetters() { return Current().source->letters; }
const CharSet& SrcUpper() { return Current().source->upper; }
const CharSet& SrcLower() { return Current().source->lower; }
const CharSet& TrgLetters() { return Current().target->letters; }
const CharSet& TrgUpper() { return Current().target->upper; }
const CharSet& TrgLower() { return Current().target->lower; }
const CharSet& DelimiterChars() { return *Current().delimiters; }

const CharSet& DelimitersOf(int lang) { return lang == kBelarusian ? kPunctuation : kRussianDelimiters; }

}  // namespace kunimor

#pragma once

#include "ground/CharSet.h"
#include "ground/Cp1251Literal.h"

namespace kunimor {

// The letters of one language. The Belarusian apostrophe is a letter and
// counts as both upper and lower case.
struct LanguageLetters {
    CharSet letters;
    CharSet upper;
    CharSet lower;
};

const LanguageLetters& LettersOf(int lang);

// Lower-case sound classes used by form synthesis. The consonant sets hold
// й, ь, ў and the apostrophe because rules treat them as consonant slots.
inline constexpr CharSet kBelVowels{"аеёіоуыэюя"_cp1251};
inline constexpr CharSet kBelConsonants{"бвгджзйклмнпрстфхцчшьў'"_cp1251};
inline constexpr CharSet kAllVowels{"аеёиіоуыэюя"_cp1251};
inline constexpr CharSet kAllConsonants{"бвгджзйклмнпрстфхцчшщъьў'"_cp1251};

// Makes lang the source language of the current letter sets and the other
// one the target. The apostrophe separates words in Russian text but is a
// letter in Belarusian, so the delimiter set follows the source language.
// Until the first call Russian is the source.
void SetAlphabet(int lang);

const CharSet& SrcLetters();
const CharSet& SrcUpper();
const CharSet& SrcLower();
const CharSet& TrgLetters();
const CharSet& TrgUpper();
const CharSet& TrgLower();
const CharSet& DelimiterChars();
// The delimiter set DelimiterChars holds while lang is the source.
const CharSet& DelimitersOf(int lang);

}  // namespace kunimor

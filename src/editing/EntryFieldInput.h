#pragma once

#include <optional>
#include <string>

namespace kunimor {

// The input rules of every Cyrillic entry field of the editors: the letters
// of the field's language whatever keyboard layout is active, the text
// lower-cased and normalised, and checked against the alphabet. Texts are
// Windows-1251.

// Modifier state of a key press.
struct TKeyShift {
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
};

// The character the key (a Windows virtual-key code: letters and digits by
// their ASCII capitals, the OEM keys 0xBA-0xC0 and 0xDB-0xDE) types in the
// standard Russian layout, with the Belarusian letters і, ў and ' for и, щ
// and ъ in a Belarusian field; typed comes back for keys the layout lacks,
// for codes outside 48-255 and with Alt or Ctrl.
char MapKeyToLetter(int lang, int key, char typed, TKeyShift shift);

// The key that types c, on the US layout for Latin letters and signs, on
// the Russian or Belarusian one for Cyrillic letters; 0 for none. shift
// tells whether Shift was needed.
int KeyOfTypedChar(char c, bool& shift);

// What a field of language lang inserts for the character typed: a letter of
// the language stays, anything else is the letter on the same key, so a
// Belarusian field turns the щ key into ў and a Latin q into й. The second
// value says whether the character changed (the caller then switches the
// keyboard to the language).
std::pair<char, bool> MapTypedChar(int lang, char typed);

// The text lower-cased and normalised as the dictionary stores it.
std::string NormalizeEditText(int lang, std::string_view text);

// The characters a dictionary word of lang may hold: the language's
// lower-case letters, with extra the blank and ",-/:_", with abbreviation
// also ".". Latin look-alikes ("acehkmoptxyu`i") are first replaced in text
// by their Cyrillic twins. Returns the message naming the first character
// that is not allowed, or nullopt when all are.
std::optional<std::string> CheckWordChars(int lang, std::string& text, bool abbreviation, bool extra);

}  // namespace kunimor

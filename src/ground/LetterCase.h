#pragma once

#include <string>
#include <string_view>

namespace kunimor {

// Case of single characters. The Cyrillic pair works on Windows-1251 and
// knows ё, і and ў besides А..я and Latin a..z; other letters of the code
// page (Ukrainian, Serbian) are left as they are. The Lat pair works on the
// Windows-1257 Belarusian Latin script: a..z and ć č ź š ń ł ś ū ž.
char UpCaseCyr(char c);
char LoCaseCyr(char c);
char UpCaseLat(char c);
char LoCaseLat(char c);

std::string UpperCaseCyr(std::string_view text);
std::string LowerCaseCyr(std::string_view text);
std::string UpperCaseLat(std::string_view text);
std::string LowerCaseLat(std::string_view text);

// How a word is capitalised, so a translation can be given the same look.
enum class TCasePattern : unsigned char {
    csLower = 0,    // starts in lower case
    csUpper = 1,    // all capitals
    csCapital = 2,  // first letter capital, the rest lower case
};

// Looks only at the first and last character; only Cyrillic letters and the
// apostrophe count as lower case, so digits and Latin read as capitals.
TCasePattern GetCasePattern(std::string_view word);

// keepRest leaves the characters a pattern does not force as they are;
// without it csLower and csCapital lower-case the whole text first.
std::string ApplyCasePattern(std::string_view source, TCasePattern pattern, bool keepRest);
std::string ApplyCasePatternLat(std::string_view source, TCasePattern pattern, bool keepRest);

}  // namespace kunimor

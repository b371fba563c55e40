#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ground/UnicodeText.h"

namespace kunimor {

// Belarusian between UTF-8 (the terminal, the clipboard) and engine text. Only the runs of letters go through the script conversion, so
// what lies between them (punctuation, digits, Russian letters) keeps its
// own characters, which the Latin script's code page could not all hold.

// Windows-1251 Cyrillic as the Latin script in UTF-8, "ū" shown as "ŭ";
// numericRefs writes the special letters as numeric character references.
std::string CyrillicToLatinUtf8(std::string_view cp1251, bool numericRefs);

// The Latin script in UTF-8 ("ŭ" or "ū", numeric character references too)
// as Windows-1251 Cyrillic; problem receives the first spot that had to be
// replaced (see UnicodeText.h).
std::string LatinUtf8ToCyrillic(std::string_view utf8, std::optional<TReadProblem>* problem);

}  // namespace kunimor

#pragma once

#include <string>
#include <string_view>

namespace kunimor {

// Cyrillic text in UTF-8 written in Latin letters, for readers without
// Cyrillic (the interface languages "la", "bt", "rt", "ut"). Characters
// without a rule (digits, punctuation, Latin letters, symbols, anything
// Windows-1251 lacks) come out as they went in; malformed UTF-8 bytes too.

enum class TTranscription {
    BelarusianLatin,      // the Belarusian Latin script, with its accented letters
    BelarusianTranslit,   // plain ASCII: "ў" as "w", "г" as "h"
    RussianTranslit,      // plain ASCII: "х" as "kh", "щ" as "shch"
    UkrainianTranslit,    // plain ASCII: "и" as "y", "ї" as "yi"
};

std::string Transcribe(std::string_view utf8, TTranscription how);

}  // namespace kunimor

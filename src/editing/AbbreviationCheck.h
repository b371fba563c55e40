#pragma once

#include <optional>
#include <string>

namespace kunimor {

// Checks one field of an abbreviation pair before it is stored: the Belarusian
// field first, then the Russian one, with the same noDelimiter flag (cleared
// before the first), since at least one of the two must hold a character
// other than letters. text is corrected in place (look-alikes replaced,
// double blanks reduced, trimmed) even when the check fails. Returns the
// message to show, or nullopt when the field passes. An empty field fails.
std::optional<std::string> CheckAbbreviationField(int lang, std::string& text, bool& noDelimiter);

}  // namespace kunimor

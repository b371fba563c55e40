#pragma once

#include <string_view>

namespace kunimor {

// Display names (Windows-1251) in the language given (Belarusian for 1,
// Russian otherwise); a code out of range reads as 0, "not defined".
std::string_view KindName(int lang, int kind);
std::string_view GenderName(int lang, int gender);
// The short names of a gender ("м.р.") and of an animacy 0-2 ("одуш.").
std::string_view GenderShortName(int lang, int gender);
std::string_view AnimacyShortName(int lang, int animacy);
// "неодушевленное существительное" for 1, " - " for 0.
std::string_view AnimacyName(int lang, int animacy);

}  // namespace kunimor

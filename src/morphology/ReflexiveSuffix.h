#pragma once

#include <string>
#include <string_view>

namespace kunimor {

// The reflexive counterpart of a verb form or of a paradigm entry's text:
// Russian adds сь after a vowel and ся elsewhere (шись for form 28);
// Belarusian adds ся, or turns a final ць into цца and, in form 21, a final
// vowel into vowel + цца. formNo is the reflexive form's number (16–30).
std::string ReflexiveSuffix(int lang, int formNo, std::string_view text);

}  // namespace kunimor

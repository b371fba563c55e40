#pragma once

#include <string_view>

#include "ground/Language.h"

namespace kunimor {

// Any code but Belarusian counts as Russian, as everywhere a per-language
// pair is chosen, so the other language is always a valid code.
constexpr int OtherLang(int lang) { return lang == kBelarusian ? kRussian : kBelarusian; }

// The prefix of a language's per-language field names.
constexpr std::string_view LangFieldPrefix(int lang) { return lang == kBelarusian ? "bel" : "rus"; }

// The language's word-number field of the translation-link table; field
// names match regardless of case, so this names RusNo or BelNo.
constexpr std::string_view LinkFieldName(int lang) { return lang == kBelarusian ? "belNo" : "rusNo"; }

}  // namespace kunimor

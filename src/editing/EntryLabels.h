#pragma once

#include "dictionary/BelModule.h"

#include <cstdint>
#include <string>

namespace kunimor {

// The short texts the dictionary windows show for an entry (Windows-1251),
// lang 0 Russian, 1 Belarusian.

// "сущ.", "прым." ...; empty for kind 0 or an unknown kind.
std::string KindAbbreviation(int lang, int kind);
// "Существительное", "Назоўнік" ...; kind 0 "Тип не определен".
std::string KindName(int lang, int kind);
// "м.р.", "н.р." ...; empty for 0 or an unknown code.
std::string GenderAbbreviation(int lang, int rodChislo);
// The "Тип" cell: the kind, and for a noun its effective gender.
std::string EntryTypeText(int lang, int kind, int rodChislo, int16_t tag);
// The "Тематика" cell: the theme's short label (bits 8-15 of the Tag) in
// lang, empty without one.
std::string ThemeLabel(TBelModule& module, int lang, int16_t tag);

}  // namespace kunimor

#pragma once

#include <string_view>

namespace kunimor {

// How an index compares a string field: `Locale` is the default ordering,
// `Dictionary` is option L (case-sensitive), `DictionaryNoCase` option C.
enum class Collation { Locale, Dictionary, DictionaryNoCase };

unsigned char DictionarySortKey(unsigned char c);
unsigned char DictionaryNoCaseSortKey(unsigned char c);

// <0, 0 or >0; a string that is a prefix of another sorts first.
int CompareStrings(std::string_view a, std::string_view b, Collation collation);

}  // namespace kunimor

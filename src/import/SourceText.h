#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "import/ImportReport.h"

namespace kunimor::import {

// A lemma or form of the open data (UTF-8) as dictionary text: Windows-1251,
// lower case, Russian "ё" as "е", homonym marks (¹²³) and stress marks
// removed, Latin look-alike letters inside Cyrillic words replaced by the
// Cyrillic ones (Belarusian "i" → "і"). Nothing when characters outside
// Windows-1251 remain. Repairs and drops are counted in report.
std::optional<std::string> DictionaryText(int lang, std::string_view utf8, TImportReport& report);

}  // namespace kunimor::import

#pragma once

#include <filesystem>

#include "import/ImportReport.h"

namespace kunimor::import {

// Opens the dictionary in dir as the translator does (which also checks the
// special words) and, for both languages, builds every form of every word
// and asks stem seeking for it: each form must come back as that word in
// that form. Counts the forms found back and those that were not.
void CheckDictionaryForms(const std::filesystem::path& dir, TImportReport& report);

}  // namespace kunimor::import

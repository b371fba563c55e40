#pragma once

#include <filesystem>

#include "ground/FreqLists.h"
#include "import/ImportReport.h"

namespace kunimor::import {

// The five lists of trigrams seen at the start, in the middle and at the end
// of words: those seen at all three places go to TrigramsAny, those at the
// start and in the middle only to TrigramsNonFinal, the rest to the list of
// their one place; every trigram stays allowed wherever it was seen.
TTrigramSet SplitByPlace(const TTrigramSet& seen);

// Writes Orfor.kmr and Orfob.kmr into the dictionary folder dir from every
// form of every word of the dictionary written there.
void WriteFrequencyLists(const std::filesystem::path& dir, TImportReport& report);

}  // namespace kunimor::import

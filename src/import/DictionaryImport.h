#pragma once

#include <filesystem>
#include <ostream>

#include "import/ImportReport.h"

namespace kunimor::import {

struct TImportOptions {
    // The apertium-bel-rus data: bel-rus.autobil, rus-bel.autobil (the
    // bilingual dictionaries), rus-bel.autogen (the Belarusian generator) and
    // bel-rus.autogen (the Russian one), each as .bin or as ATT text .att.
    std::filesystem::path SourceDir = "/usr/share/apertium/apertium-bel-rus";
    std::filesystem::path OutDir;
    // Curated pairs read after the open data: a file, or a folder whose .tsv
    // files are read in name order (empty: none).
    std::filesystem::path SupplementFile;
    // The cases each preposition takes (empty: none known).
    std::filesystem::path PrepositionFile;
    // Check every imported form with stem seeking on the written dictionary.
    bool CheckForms = true;
};

// Builds the starter dictionary from the open data into OutDir (written
// beside it and swapped in only when complete and loadable). Progress lines
// go to log. Throws Error on failure.
TImportReport ImportDictionary(const TImportOptions& options, std::ostream& log);

}  // namespace kunimor::import

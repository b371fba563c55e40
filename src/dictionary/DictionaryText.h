#pragma once

#include <filesystem>

namespace kunimor {

// The dictionary as text that can be reviewed, diffed and kept in version
// control: each table as <BaseName>.tsv (see TableText.h). Building the
// files of a dump gives back the dictionary files byte for byte.
//
// Both write a complete new folder beside the target and swap it in only
// when every table succeeded; files of an existing target that are not
// tables of the dictionary are kept. Failures throw Error.

// Writes the tables of the dictionary files in dataDir as text into textDir.
void DumpDictionary(const std::filesystem::path& dataDir, const std::filesystem::path& textDir);

// Writes the dictionary files for the tables in textDir into dataDir.
void BuildDictionary(const std::filesystem::path& textDir, const std::filesystem::path& dataDir);

}  // namespace kunimor

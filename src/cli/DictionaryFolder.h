#pragma once

#include <filesystem>

#include "dictionary/BelModule.h"

namespace kunimor::cli {

// Opens the dictionary files in dataDir into module; raises Error when the
// dictionary did not load whole.
void OpenDictionaryFolder(TBelModule& module, const std::filesystem::path& dataDir);

}  // namespace kunimor::cli

#pragma once

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>

#include "dictionary/BelModule.h"

namespace kunimor::cli {

// The one loaded dictionary every request of the server translates with.
// A translation moves the tables' cursors, fills the module's record
// buffers and its stem-seeking cache and runs on the translator's global
// run state (the direction, the source text, the elements, the counters),
// so translations take turns on it, one at a time; everything else a
// request does runs beside them. Loading writes the direction too, so a
// reload takes its turn the same way.
class TSharedDictionary {
public:
    // Loads the dictionary in dataDir; raises Error when it did not load whole.
    explicit TSharedDictionary(std::filesystem::path dataDir);

    // Text (UTF-8) from sourceLang into the other language, byte for byte
    // what kunimor-cli translate writes for it. Raises Error when the
    // translation fails.
    std::string Translate(int sourceLang, std::string text);

    // Loads the folder afresh and puts the new dictionary in use once it has
    // loaded whole. On failure raises Error and the dictionary in use stays.
    void Reload();

private:
    const std::filesystem::path dataDir_;
    std::mutex turn_;
    std::unique_ptr<TBelModule> module_;
};

}  // namespace kunimor::cli

#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kunimor::cli {

// The words a run left without translation, with how often each came.
// Words with the same key (their lower-case form) are one entry, kept as
// first met.
class TUnknownWordCounts {
public:
    void Add(const std::string& key, const std::string& word);

    // (word, count), most frequent first, equal counts by key.
    std::vector<std::pair<std::string, int64_t>> Sorted() const;

private:
    struct TEntry {
        std::string word;
        int64_t count = 0;
    };
    std::unordered_map<std::string, TEntry> entries_;
};

}  // namespace kunimor::cli

#include "cli/UnknownWordCounts.h"

#include <algorithm>

namespace kunimor::cli {

void TUnknownWordCounts::Add(const std::string& key, const std::string& word) {
    TEntry& entry = entries_[key];
    if (entry.count++ == 0) entry.word = word;
}

std::vector<std::pair<std::string, int64_t>> TUnknownWordCounts::Sorted() const {
    std::vector<std::pair<const std::string*, const TEntry*>> order;
    order.reserve(entries_.size());
    for (const auto& [key, entry] : entries_) order.emplace_back(&key, &entry);
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
        return a.second->count != b.second->count ? a.second->count > b.second->count : *a.first < *b.first;
    });
    std::vector<std::pair<std::string, int64_t>> sorted;
    sorted.reserve(order.size());
    for (const auto& [key, entry] : order) sorted.emplace_back(entry->word, entry->count);
    return sorted;
}

}  // namespace kunimor::cli

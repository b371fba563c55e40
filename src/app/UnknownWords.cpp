#include "app/UnknownWords.h"

#include <algorithm>
#include <limits>

#include "store/Collation.h"

namespace kunimor::app {
namespace {

int Compare(std::string_view a, std::string_view b) { return CompareStrings(a, b, Collation::DictionaryNoCase); }

}  // namespace

std::vector<TUnknownWords::TEntry>::iterator TUnknownWords::LowerBound(std::string_view word) {
    return std::ranges::lower_bound(entries_, word, [](std::string_view a, std::string_view b) { return Compare(a, b) < 0; },
                                    &TEntry::first);
}

void TUnknownWords::Add(const std::string& word) {
    const auto it = LowerBound(word);
    if (it != entries_.end() && Compare(it->first, word) == 0) {
        if (it->second < std::numeric_limits<int32_t>::max()) ++it->second;
        return;
    }
    entries_.insert(it, {word, 1});
}

bool TUnknownWords::Remove(std::string_view word) {
    const auto it = LowerBound(word);
    if (it == entries_.end() || Compare(it->first, word) != 0) return false;
    entries_.erase(it);
    return true;
}

std::vector<TUnknownWords::TEntry> TUnknownWords::ByCount() const {
    std::vector<TEntry> sorted = entries_;
    std::ranges::stable_sort(sorted, std::greater<>(), &TEntry::second);
    return sorted;
}

}  // namespace kunimor::app

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kunimor::app {

// The words runs left without translation, with how often each came, in
// alphabetical order without regard to case: "Слово" and "слово" are one
// entry, kept as first reported. Windows-1251.
class TUnknownWords {
public:
    using TEntry = std::pair<std::string, int32_t>;

    void Add(const std::string& word);
    // False when the list does not hold the word.
    bool Remove(std::string_view word);
    void Clear() { entries_.clear(); }

    bool Empty() const { return entries_.empty(); }
    const std::vector<TEntry>& Entries() const { return entries_; }
    // Most frequent first; equal counts keep their alphabetical order.
    std::vector<TEntry> ByCount() const;

private:
    std::vector<TEntry>::iterator LowerBound(std::string_view word);

    std::vector<TEntry> entries_;
};

}  // namespace kunimor::app

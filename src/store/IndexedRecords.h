#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "store/Table.h"

namespace kunimor {

// The records of a table in the order of one of its indexes, read straight
// from the index instead of through the table's cursor: stem seeking reports
// its readings to callers that may query the same tables, and searching the
// index directly spares the key copies of the store's find-key on its
// hottest path. Positions are only meaningful until the table changes.
class TIndexedRecords {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    // Enables the index when it is not; raises when the table has no such index.
    TIndexedRecords(Table& table, std::string_view indexName);

    // For n = 1 … starts.size() - 1, starts[n] := the position of the first
    // record whose key is not below word[0, n), or npos once no key begins
    // with that prefix. The index must order a text key by the dictionary
    // collation, where the keys beginning with a prefix are contiguous, so
    // each prefix is sought among the keys that begin with the one before.
    void PrefixStarts(std::string_view word, std::span<std::size_t> starts) const;

    // The position of the first record whose number key is not below key.
    std::size_t LowerBound(int32_t key) const;

    // The record at a position, nullptr past the end.
    const Record* At(std::size_t position) const {
        return position < index_->refs.size() ? index_->refs[position] : nullptr;
    }

    bool Accepts(const Record& r) const { return table_.Accepts(r); }
    const std::string& Text(const Record& r, int field) const { return r.strings[table_.Fields()[field].slot]; }
    int32_t Number(const Record& r, int field) const { return r.ints[table_.Fields()[field].slot]; }
    const std::string& TableName() const { return table_.Name(); }

private:
    Table& table_;
    const Index* index_;
};

}  // namespace kunimor

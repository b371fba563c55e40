#include "store/IndexedRecords.h"

#include <algorithm>

#include "store/Collation.h"
#include "ground/Error.h"

namespace kunimor {

TIndexedRecords::TIndexedRecords(Table& table, std::string_view indexName) : table_(table) {
    const int i = table.FindIndex(indexName);
    if (i < 0) throw Error(table.Name() + ": Index '" + std::string(indexName) + "' not found");
    table.EnableIndex(i, true);
    index_ = &table.IndexAt(i);
}

void TIndexedRecords::PrefixStarts(std::string_view word, std::span<std::size_t> starts) const {
    const KeyField& key = index_->keys.front();
    if (!key.text || key.collation != Collation::Dictionary) {
        throw Error(table_.Name() + ": index " + index_->name + " does not order text by the dictionary collation");
    }
    std::fill(starts.begin(), starts.end(), npos);
    const auto& refs = index_->refs;
    auto from = refs.begin();
    auto to = refs.end();
    for (std::size_t n = 1; n < starts.size() && n <= word.size(); ++n) {
        const std::string_view prefix = word.substr(0, n);
        from = std::partition_point(from, to, [&](const Record* r) {
            return CompareStrings(r->strings[key.slot], prefix, Collation::Dictionary) < 0;
        });
        to = std::partition_point(from, to, [&](const Record* r) {
            return std::string_view(r->strings[key.slot]).starts_with(prefix);
        });
        if (from == to) return;
        starts[n] = static_cast<std::size_t>(from - refs.begin());
    }
}

std::size_t TIndexedRecords::LowerBound(int32_t key) const {
    return index_->StampedLowerBound(key, table_.Generation());
}

}  // namespace kunimor

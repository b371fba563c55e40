#pragma once

#include "store/Collation.h"
#include "store/Record.h"
#include "store/Value.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kunimor {

struct IndexOptions {
    bool primary = false;
    bool unique = false;
};

struct KeyField {
    int field = 0;  // position in the table's schema
    int slot = 0;   // where the record keeps the value
    bool text = false;
    Collation collation = Collation::Locale;
};

// A named ordering of a table's records. An index without key fields is the
// table's record order (insertion order). Records with equal keys keep the
// order in which they were added.
class Index {
public:
    std::string name;
    std::string fieldList;
    IndexOptions options;
    bool enabled = true;
    bool ordered = true;
    std::vector<KeyField> keys;
    std::vector<Record*> refs;

    bool IsRecordOrder() const { return keys.empty(); }

    int Compare(const Record& a, const Record& b) const;
    // Compares the leading key.size() key fields of r with key.
    int CompareKey(const Record& r, std::span<const Value> key) const;

    // First position whose key is not less than key / greater than key.
    size_t LowerBound(std::span<const Value> key) const;
    size_t UpperBound(std::span<const Value> key) const;

    void Insert(Record* r);
    void Remove(const Record* r);
    // Position of r in refs, or -1.
    long Position(const Record* r) const;
    // The same answer from a table of every record's position, built again
    // whenever stamp (the table's generation) is not the one it was built
    // for: lookups between two changes then cost no search.
    long StampedPosition(const Record* r, uint64_t stamp) const;
    // LowerBound({key}) for an index whose first key field is a number, read
    // from a table of where each number starts, built again whenever stamp
    // is not the one it was built for: the dictionary looks its entries up
    // by number for nearly every word.
    size_t StampedLowerBound(int32_t key, uint64_t stamp) const;
    // Re-sorts refs (kept stable) when they are not in key order.
    void Sort();
    bool IsSorted() const;

private:
    mutable std::vector<int32_t> positions_;  // by record id; -1: not in refs
    mutable uint64_t positionsStamp_ = 0;     // 0: none built
    mutable std::vector<uint32_t> numberStarts_;  // by key - numberBase_
    mutable int32_t numberBase_ = 0;
    mutable uint64_t numberStamp_ = 0;  // 0: none built
};

}  // namespace kunimor

#pragma once

#include "editing/BelEditModule.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kunimor {

// The collocation browser's filter as a table filter expression:
// "(Kind = '3') AND (Modif =  True)"; kind -1 = any. Empty when both are off.
std::string CollocFilterExpression(int kind, bool onlyModified);

// One language's collocations as the collocation browser lists them, by
// the numbers of their first and second words. Rows point into the table
// and are rebuilt (Select) after every change of it.
class TCollocSelection {
public:
    TCollocSelection(TBelEditModule& module, int lang);

    void Select(int kind, bool onlyModified);
    bool Stale() const { return generation_ != Collocs().Generation(); }
    int Lang() const { return lang_; }
    int Size() const { return static_cast<int>(rows_.size()); }
    int32_t NoAt(int row) const;
    int32_t FirstWordAt(int row) const;
    int KindAt(int row) const;  // -1 when null
    int16_t TagAt(int row) const;
    // Slot k (1..5): its word's dictionary form, empty for an unused slot.
    std::string WordAt(int row, int k);
    std::string DelimAt(int row, int k) const;
    int RowOfNo(int32_t no) const;

private:
    const Table& Collocs() const { return module_.CollocTable(lang_); }
    Value Field(int row, int field) const { return Collocs().FieldValue(*rows_[row], field); }

    TBelEditModule& module_;
    int lang_;
    std::vector<const Record*> rows_;
    uint64_t generation_ = 0;
};

}  // namespace kunimor

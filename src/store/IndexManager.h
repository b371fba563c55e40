#pragma once

#include "store/Table.h"

#include <string>
#include <vector>

namespace kunimor {

// Remembers how many indexes each table had when it was loaded, so that the
// indexes created later at run time can be switched off while the table is
// saved: dictionary files carry only the schema's indexes.
class TIndexManager {
public:
    struct Entry {
        std::string table;
        std::string indexName;
        int indexCount = 0;
    };

    void Remember(const Table& t);
    void EnableExtraIndexes(Table& t, bool enabled) const;
    const std::vector<Entry>& Entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

}  // namespace kunimor

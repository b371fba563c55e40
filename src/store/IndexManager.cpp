#include "store/IndexManager.h"

namespace kunimor {

void TIndexManager::Remember(const Table& t) {
    entries_.push_back({t.Name(), t.CurrentIndex().name, t.IndexCount()});
}

void TIndexManager::EnableExtraIndexes(Table& t, bool enabled) const {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        if (it->table != t.Name()) continue;
        for (int i = it->indexCount; i < t.IndexCount(); ++i) t.EnableIndex(i, enabled);
        return;
    }
}

}  // namespace kunimor

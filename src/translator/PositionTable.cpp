#include "translator/PositionTable.h"

#include <algorithm>

namespace kunimor {

void ClearPositions() { Positions.clear(); }

void AddPosition(int32_t line, int32_t column, const std::string& word) {
    Positions.push_back({line, column, word});
}

bool FindPosition(int32_t line, int32_t column, int& index) {
    auto it = std::lower_bound(Positions.begin(), Positions.end(), line,
                               [](const TPositionEntry& e, int32_t l) { return e.Line < l; });
    while (it != Positions.end() && it->Line == line && it->Column < column) ++it;
    if (it == Positions.end() || it->Line != line || it->Column != column) return false;
    index = static_cast<int>(it - Positions.begin());
    return true;
}

void ShiftPositions(int32_t line, int32_t column, int32_t delta) {
    for (TPositionEntry& e : Positions)
        if (e.Line == line && e.Column >= column) e.Column += delta;
}

}  // namespace kunimor

#include "editing/ui/ProportionalColumns.h"

#include <numeric>

namespace kunimor::app {

std::optional<std::vector<int>> ProportionalWidths(int available, const std::vector<int>& base,
                                                   const std::vector<int>& current) {
    const int sum = std::accumulate(base.begin(), base.end(), 0);
    const int total = std::accumulate(current.begin(), current.end(), 0);
    if (sum <= 0 || base.empty()) return std::nullopt;
    const int diff = available - sum;
    if (diff == 0 || (diff < 0 && total >= sum)) return std::nullopt;
    std::vector<int> widths(base.size());
    int given = 0;
    for (size_t i = 0; i + 1 < base.size(); ++i) {
        const int grow = diff * base[i] / sum;
        widths[i] = base[i] + grow;
        given += grow;
    }
    widths.back() = base.back() + diff - given;
    return widths;
}

}  // namespace kunimor::app

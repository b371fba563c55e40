#pragma once

#include <optional>
#include <vector>

namespace kunimor::app {

// The widths that make columns of the given base widths fill available
// pixels in proportion to their bases: each column before the last gets
// base + diff * base / sum, the last the rest, so the widths add up exactly.
// nullopt when nothing changes: no difference, no base, or a shortfall while
// the columns are already at least their bases (current widths summed).
std::optional<std::vector<int>> ProportionalWidths(int available, const std::vector<int>& base,
                                                   const std::vector<int>& current);

}  // namespace kunimor::app

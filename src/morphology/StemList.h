#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kunimor {

// Candidate stems travel as one comma-separated text.
std::vector<std::string> SplitStemList(std::string_view stems);
std::string JoinStemList(const std::vector<std::string>& stems);

}  // namespace kunimor

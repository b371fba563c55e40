#include "morphology/StemList.h"

namespace kunimor {

std::vector<std::string> SplitStemList(std::string_view stems) {
    std::vector<std::string> list;
    std::size_t start = 0;
    while (start < stems.size()) {
        std::size_t end = stems.find(',', start);
        if (end == std::string_view::npos) end = stems.size();
        if (end > start) list.emplace_back(stems.substr(start, end - start));
        start = end + 1;
    }
    return list;
}

std::string JoinStemList(const std::vector<std::string>& stems) {
    std::string joined;
    for (const std::string& stem : stems) {
        if (!joined.empty()) joined += ',';
        joined += stem;
    }
    return joined;
}

}  // namespace kunimor

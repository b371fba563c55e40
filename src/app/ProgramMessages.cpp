#include "app/ProgramMessages.h"

namespace kunimor::app {

void TProgramMessages::Add(std::string_view text) {
    if (lines_.size() >= kLimit) lines_.erase(lines_.begin(), lines_.end() - (kLimit - 1));
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find_first_of("\r\n", start);
        lines_.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) break;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        if (start == text.size()) break;  // a closing line break ends the last line, it adds none
    }
}

}  // namespace kunimor::app

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kunimor::app {

// The program's messages, oldest first, at most 250 lines before a new
// message goes in; a message with line breaks adds one line per line.
class TProgramMessages {
public:
    static constexpr std::size_t kLimit = 250;

    void Add(std::string_view text);
    void Clear() { lines_.clear(); }
    bool Empty() const { return lines_.empty(); }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

}  // namespace kunimor::app

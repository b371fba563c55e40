#include "cli/LineUnits.h"

namespace kunimor::cli {

char UnitChar(std::string_view bytes, std::size_t pos, std::size_t unit) {
    if (unit == 2 && bytes[pos + 1] != '\0') return 0;
    const char c = bytes[pos];
    return static_cast<unsigned char>(c) < 0x80 ? c : 0;
}

std::vector<bool> LineEnds(std::string_view bytes, std::size_t unit) {
    std::vector<bool> ends;
    for (std::size_t pos = 0; pos + unit <= bytes.size(); pos += unit)
        if (UnitChar(bytes, pos, unit) == '\n') ends.push_back(pos >= unit && UnitChar(bytes, pos - unit, unit) == '\r');
    return ends;
}

char LastVisible(std::string_view line, std::size_t unit) {
    for (std::size_t pos = line.size() - line.size() % unit; pos >= unit; pos -= unit) {
        const char c = UnitChar(line, pos - unit, unit);
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return c;
    }
    return ' ';
}

std::pair<std::string_view, std::string_view> SplitLineEnd(std::string_view line, std::size_t unit) {
    std::size_t end = line.size();
    if (end >= unit && UnitChar(line, end - unit, unit) == '\n') {
        end -= unit;
        if (end >= unit && UnitChar(line, end - unit, unit) == '\r') end -= unit;
    }
    return {line.substr(0, end), line.substr(end)};
}

}  // namespace kunimor::cli

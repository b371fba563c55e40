#include "ground/FormatText.h"

namespace kunimor {

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    auto next = args.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            out += pattern[i];
            continue;
        }
        const char spec = pattern[i + 1];
        if (spec == '%') {
            out += '%';
            ++i;
        } else if (spec == 's' || spec == 'd') {
            if (next != args.end()) out += *next++;
            ++i;
        } else {
            out += '%';
        }
    }
    return out;
}

}  // namespace kunimor

#include "ground/Typography.h"

#include <string_view>

namespace kunimor {
namespace {

constexpr char kOpeningQuote = '\xAB';  // «
constexpr char kClosingQuote = '\xBB';  // »
constexpr char kDash = '\x97';          // —

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\xA0'; }

// What may stand before an opening quote.
bool OpensAfter(char c) {
    constexpr std::string_view openers = "([{\xAB\x84-\x96\x97/";
    return IsBlank(c) || openers.find(c) != std::string_view::npos;
}

}  // namespace

std::string TypesetStretch(const std::string& text, std::size_t from, std::size_t to) {
    std::string out = text.substr(from, to - from);
    for (std::size_t i = from; i < to; ++i) {
        const bool first = i == 0;
        const bool last = i + 1 == text.size();
        char& c = out[i - from];
        if (c == '"')
            c = first || OpensAfter(text[i - 1]) ? kOpeningQuote : kClosingQuote;
        else if (c == '-' && !first && !last && IsBlank(text[i - 1]) && IsBlank(text[i + 1]))
            c = kDash;
    }
    return out;
}

}  // namespace kunimor

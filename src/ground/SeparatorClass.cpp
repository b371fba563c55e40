#include "ground/SeparatorClass.h"

#include <algorithm>

#include "ground/CharClasses.h"

namespace kunimor {
namespace {

constexpr std::string_view kNbspEntity = "&nbsp;";
constexpr char kEnDash = '\x96';
constexpr char kEmDash = '\x97';
constexpr std::string_view kKeptClasses = " ,-:_/";

bool IsDash(char c) { return c == '-' || c == kEnDash || c == kEmDash; }

}  // namespace

char ClassifyGap(std::string_view text, int first, int last) {
    // Work 0-based on the part of the gap that lies inside the text.
    const std::size_t begin = static_cast<std::size_t>(std::max(first, 1) - 1);
    const std::size_t end = std::min(static_cast<std::size_t>(std::max(last, 0)), text.size());

    std::size_t pos = begin;
    while (pos < end) {
        if (GapChars().Contains(text[pos])) {
            ++pos;
        } else if (text[pos] == '&') {
            pos += text.substr(pos).starts_with(kNbspEntity) ? kNbspEntity.size() : 1;
        } else {
            break;
        }
    }
    if (pos >= end) return ' ';

    char candidate = text[pos];
    const bool longGap = end - begin > 1;
    if ((candidate == '-' && longGap) || candidate == kEnDash || candidate == kEmDash) candidate = '_';
    if (kKeptClasses.find(candidate) == std::string_view::npos) return '*';

    for (++pos; pos < end; ++pos) {
        const char c = text[pos];
        if (GapChars().Contains(c) || (candidate == '_' && IsDash(c))) continue;
        return '*';
    }
    return candidate;
}

std::string SeparatorText(char separatorClass) {
    switch (separatorClass) {
        case ',': return ", ";
        case ':': return ": ";
        case '_': return " - ";
        case 0: return " ";  // an empty delimiter code reads as a space
        default: return std::string(1, separatorClass);
    }
}

}  // namespace kunimor

#include "ground/Wildcard.h"

namespace kunimor {
namespace {

bool CharMatches(char textChar, char patternChar) { return patternChar == '?' || patternChar == textChar; }

// Pattern and text of the same length, no '*' in the pattern.
bool LiteralMatches(std::string_view text, std::string_view pattern) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (!CharMatches(text[i], pattern[i])) return false;
    }
    return true;
}

// The pattern starts and ends with '*'. On a mismatch only the latest '*'
// needs to absorb one more character: any longer run an earlier '*' might
// take would leave the later one a subset of the text it already tried, so
// a single resume point replaces a stack of them.
bool StarredMatches(std::string_view text, std::string_view pattern) {
    std::size_t t = 0;
    std::size_t p = 0;
    std::size_t starPattern = 0;
    std::size_t starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starText = t;
        } else if (p < pattern.size() && CharMatches(text[t], pattern[p])) {
            ++p;
            ++t;
        } else {
            p = starPattern + 1;
            t = ++starText;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace

bool MatchesWildcard(std::string_view text, std::string_view pattern) {
    const std::size_t firstStar = pattern.find('*');
    if (firstStar == std::string_view::npos) {
        return text.size() == pattern.size() && LiteralMatches(text, pattern);
    }
    // The literal ends are fixed to the ends of the text, so check them first.
    const std::size_t lastStar = pattern.rfind('*');
    const std::string_view head = pattern.substr(0, firstStar);
    const std::string_view tail = pattern.substr(lastStar + 1);
    if (text.size() < head.size() + tail.size()) return false;
    if (!LiteralMatches(text.substr(0, head.size()), head)) return false;
    if (!LiteralMatches(text.substr(text.size() - tail.size()), tail)) return false;
    return StarredMatches(text.substr(head.size(), text.size() - head.size() - tail.size()),
                          pattern.substr(firstStar, lastStar - firstStar + 1));
}

}  // namespace kunimor

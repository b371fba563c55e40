#include "app/WordAt.h"

#include <algorithm>

#include "ground/Alphabet.h"
#include "ground/CharClasses.h"

namespace kunimor::app {
namespace {

// Line ends are delimiters, so a word never runs over one.
bool InWord(char c) { return !DelimiterChars().Contains(c) && !SentenceEndChars().Contains(c); }

}  // namespace

TWordSpan WordAt(std::string_view text, int pos) {
    const int size = static_cast<int>(text.size());
    pos = std::clamp(pos, 0, size);
    int start = pos;
    while (start > 0 && InWord(text[static_cast<std::size_t>(start - 1)])) --start;
    int end = pos;
    while (end < size && InWord(text[static_cast<std::size_t>(end)])) ++end;
    return {start, end - start};
}

}  // namespace kunimor::app

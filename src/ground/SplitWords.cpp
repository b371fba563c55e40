#include "ground/SplitWords.h"

#include "ground/Alphabet.h"
#include "ground/NormalizeWord.h"
#include "ground/SeparatorClass.h"

namespace kunimor {

void SplitWords(int lang, std::string_view text, int maxWords, std::string& separators,
                std::vector<std::string>& words) {
    words.clear();
    separators.clear();
    const CharSet& wordChars = LettersOf(lang).lower;
    const auto inWord = [&](std::size_t pos) { return pos < text.size() && wordChars.Contains(text[pos]); };

    std::size_t pos = 0;
    while (pos < text.size() && static_cast<int>(words.size()) < maxWords) {
        const std::size_t gapStart = pos;
        while (pos < text.size() && (!inWord(pos) || text[pos] == '\'')) ++pos;
        if (!words.empty()) {
            const char gap = ClassifyGap(text, static_cast<int>(gapStart) + 1, static_cast<int>(pos));
            separators += gap == '*' ? ' ' : gap;
        }

        const std::size_t wordStart = pos;
        while (inWord(pos)) ++pos;
        std::size_t wordEnd = pos;
        while (wordEnd > wordStart && text[wordEnd - 1] == '\'') --wordEnd;
        if (wordEnd > wordStart) words.emplace_back(text.substr(wordStart, wordEnd - wordStart));
    }

    for (std::string& word : words) NormalizeWord(lang, word);
}

bool HasSeveralWords(int lang, std::string_view text) {
    std::string separators;
    std::vector<std::string> words;
    SplitWords(lang, text, 2, separators, words);
    return words.size() == 2;
}

}  // namespace kunimor

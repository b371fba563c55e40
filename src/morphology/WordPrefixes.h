#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kunimor {

// The word prefixes of wordprefix.ini: lines "rus=bel" pair a Russian
// prefix with a Belarusian one (either may be empty; a prefix may have
// several lines); lines without "=" are comments. Windows-1251.
class TWordPrefixes {
public:
    struct TPair {
        std::string rus, bel;  // at most 10 letters each
    };

    // A missing file gives no prefixes; a character that is not a lower-case
    // letter of its side's language throws Error naming the line.
    static TWordPrefixes Load(const std::filesystem::path& file);
    static TWordPrefixes Parse(const std::string& text);

    // Whether a proper prefix of word (shorter than it) is a prefix of lang.
    bool HasKnownPrefix(const std::string& word, int lang) const;

    // The pairs, last line first, whose lang side is prefix.
    std::vector<TPair> PairsOf(int lang, const std::string& prefix) const;

    std::vector<TPair> Pairs;  // in file order
};

}  // namespace kunimor

#include "morphology/WordPrefixes.h"

#include "ground/Alphabet.h"
#include "ground/Error.h"
#include "ground/FormatText.h"
#include "ground/Language.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace kunimor {

namespace {

constexpr size_t kLongestPrefix = 10;

bool AllLower(int lang, const std::string& side) {
    for (char c : side)
        if (!LettersOf(lang).lower.Contains(c) && !(lang == kBelarusian && c == '\'')) return false;
    return true;
}

}  // namespace

TWordPrefixes TWordPrefixes::Load(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {};
    return Parse(std::string(std::istreambuf_iterator<char>(in), {}));
}

TWordPrefixes TWordPrefixes::Parse(const std::string& text) {
    TWordPrefixes prefixes;
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        TPair pair{line.substr(0, eq), line.substr(eq + 1)};
        if (!AllLower(kBelarusian, pair.bel) || !AllLower(kRussian, pair.rus))
            throw Error(FormatText("Bad character in wordprefix.ini, line %d \"%s\"", {std::to_string(number), line}));
        pair.rus.resize(std::min(pair.rus.size(), kLongestPrefix));
        pair.bel.resize(std::min(pair.bel.size(), kLongestPrefix));
        prefixes.Pairs.push_back(std::move(pair));
    }
    return prefixes;
}

bool TWordPrefixes::HasKnownPrefix(const std::string& word, int lang) const {
    for (size_t n = word.size() > 0 ? word.size() - 1 : 0; n >= 1; --n)
        if (!PairsOf(lang, word.substr(0, n)).empty()) return true;
    return false;
}

std::vector<TWordPrefixes::TPair> TWordPrefixes::PairsOf(int lang, const std::string& prefix) const {
    std::vector<TPair> found;
    for (auto it = Pairs.rbegin(); it != Pairs.rend(); ++it)
        if ((lang == kBelarusian ? it->bel : it->rus) == prefix && !prefix.empty()) found.push_back(*it);
    return found;
}

}  // namespace kunimor

#include "import/PrepositionCases.h"

#include <array>
#include <fstream>
#include <sstream>
#include <string_view>

#include "ground/Error.h"
#include "ground/Language.h"
#include "ground/Cp1251.h"

namespace kunimor::import {

namespace {

constexpr std::array<std::string_view, 6> kCaseNames = {"nom", "gen", "dat", "acc", "ins", "loc"};

int16_t CaseBit(std::string_view name) {
    for (std::size_t c = 0; c < kCaseNames.size(); ++c)
        if (name == kCaseNames[c]) return static_cast<int16_t>(1 << (c + 2));  // case c + 1 in bit c + 2
    return 0;
}

}  // namespace

TPrepositionCases ReadPrepositionCases(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error("Cannot open the preposition file " + path);
    TPrepositionCases cases;
    int lineNo = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        auto fail = [&](const std::string& what) { throw Error(path + ":" + std::to_string(lineNo) + ": " + what); };
        std::istringstream fields(line);
        std::string lang, word;
        if (!(fields >> lang) || lang.front() == '#') continue;
        if (lang != "ru" && lang != "be") fail("the language is ru or be, not \"" + lang + "\"");
        if (!(fields >> word)) fail("no preposition");
        std::string text;
        if (!Utf8ToCp1251(word, text)) fail("not UTF-8 text in Windows-1251 letters: " + word);
        int16_t tag = 0;
        for (std::string name; fields >> name;) {
            const int16_t bit = CaseBit(name);
            if (bit == 0) fail("unknown case \"" + name + "\"");
            tag = static_cast<int16_t>(tag | bit);
        }
        if (tag == 0) fail("no case for " + word);
        if (!cases.emplace(std::pair{lang == "be" ? kBelarusian : kRussian, text}, tag).second)
            fail(word + " listed twice");
    }
    return cases;
}

int16_t PrepositionTag(const TPrepositionCases& cases, int lang, const std::string& word) {
    const auto it = cases.find({lang, word});
    return it == cases.end() ? 0 : it->second;
}

}  // namespace kunimor::import

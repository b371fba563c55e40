#include "cli/PairFile.h"

#include "ground/Cp1251.h"
#include "ground/Error.h"
#include "ground/Language.h"
#include "ground/LetterCase.h"
#include "ground/NormalizeWord.h"
#include "ground/PathText.h"
#include "morphology/WordKind.h"

#include <cctype>
#include <fstream>
#include <optional>

namespace kunimor::cli {

namespace {

constexpr int kLangs[2] = {kRussian, kBelarusian};

std::optional<int> KindByName(const std::string& name) {
    static const std::pair<std::string_view, int> kKinds[] = {
        {"noun", kNoun},
        {"adjective", kAdjective},
        {"perfective", kPerfectiveVerb},
        {"imperfective", kImperfectiveVerb},
        {"unchangeable", kUnchangeable},
    };
    for (const auto& [n, kind] : kKinds)
        if (n == name) return kind;
    return std::nullopt;
}

std::string Trimmed(std::string s) {
    const auto blank = [](unsigned char c) { return c == ' ' || c == '\r'; };
    while (!s.empty() && blank(s.back())) s.pop_back();
    size_t start = 0;
    while (start < s.size() && blank(s[start])) ++start;
    return s.substr(start);
}

// Why a side of a pair cannot be a dictionary word, or empty when it can.
std::string WordProblem(const std::string& utf8, int lang, std::string& word) {
    if (utf8.empty()) return "an empty side";
    for (unsigned char c : utf8) {
        if (std::isdigit(c)) return "a digit in \"" + utf8 + "\"";
        if (std::isalpha(c)) return "a Latin letter in \"" + utf8 + "\"";
        if (c == ' ' || c == '\t') return "more than one word in \"" + utf8 + "\"";
    }
    if (!Utf8ToCp1251(utf8, word)) return "\"" + utf8 + "\" is not Russian or Belarusian text";
    for (unsigned char c : word)
        if (c < 0xC0 && c != '-' && c != '\'' && c != 0xA8 && c != 0xB8 && c != 0xA1 && c != 0xA2 && c != 0xB2 &&
            c != 0xB3)
            return "\"" + utf8 + "\" holds a character that is not a letter";
    word = LowerCaseCyr(word);
    NormalizeWord(lang, word);
    return {};
}

}  // namespace

std::vector<PairLine> ReadPairs(std::istream& in, std::vector<Refusal>& refused) {
    std::vector<PairLine> pairs;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        line = Trimmed(line);
        if (line.empty() || line.starts_with('#')) continue;
        std::vector<std::string> fields;
        for (size_t start = 0;;) {
            const size_t tab = line.find('\t', start);
            fields.push_back(Trimmed(line.substr(start, tab - start)));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        if (fields.size() < 2 || fields.size() > 3) {
            refused.push_back({number, "not two or three tab-separated fields"});
            continue;
        }
        PairLine pair;
        pair.number = number;
        std::string problem;
        for (int side = 0; side < 2 && problem.empty(); ++side) {
            pair.typed[side] = fields[side];
            problem = WordProblem(fields[side], kLangs[side], pair.word[side]);
        }
        if (problem.empty() && fields.size() == 3 && !fields[2].empty()) {
            const std::optional<int> kind = KindByName(fields[2]);
            if (kind) pair.kind = *kind;
            else problem = "unknown kind \"" + fields[2] + "\"";
        }
        if (!problem.empty()) refused.push_back({number, problem});
        else pairs.push_back(pair);
    }
    return pairs;
}


std::vector<PairLine> ReadPairs(const std::filesystem::path& file, std::vector<Refusal>& refused) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw Error(PathText(file) + ": cannot be read");
    return ReadPairs(in, refused);
}

}  // namespace kunimor::cli

#include "import/Supplement.h"

#include <array>
#include <fstream>
#include <set>
#include <string_view>
#include <tuple>
#include <utility>

#include "ground/Error.h"
#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "ground/Alphabet.h"
#include "ground/Cp1251.h"

namespace kunimor::import {

namespace {

constexpr int kMaxPriority = 3;

constexpr std::array<std::pair<std::string_view, int>, 7> kPartsOfSpeech = {{
    {"noun", kNoun},
    {"adj", kAdjective},
    {"adv", kUnchangeable},
    {"verb-perf", kPerfectiveVerb},
    {"verb-imperf", kImperfectiveVerb},
    {"func", kUnchangeable},
    // Pronouns and numerals get their kind from their declension.
    {"pron", kUndefinedKind},
}};

constexpr std::string_view kDirectionRow = "direction";

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
        fields.push_back(line.substr(start, tab - start));
    }
    fields.push_back(line.substr(start));
    return fields;
}

// A lemma is lower-case letters of its language, words joined by a space or
// a hyphen, that catches a Russian letter typed into a Belarusian word;
// a form in brackets after it picks one of homonyms: нажать (нажму).
bool IsLemma(std::string_view word, int lang) {
    if (const auto [lemma, form] = SplitHomonymForm(word); !form.empty())
        return IsLemma(lemma, lang) && IsLemma(form, lang);
    if (word.empty() || word.front() == ' ' || word.back() == ' ') return false;
    const CharSet& letters = LettersOf(lang).lower;
    for (const char c : word) {
        if (!letters.Contains(c) && c != ' ' && c != '-') return false;
    }
    return true;
}

class TSupplementReader {
public:
    explicit TSupplementReader(const std::string& path) : Path(path) {}

    std::vector<TSupplementEntry> Read() {
        std::ifstream in(Path, std::ios::binary);
        if (!in) throw Error("Cannot open supplement file " + Path);
        std::vector<TSupplementEntry> entries;
        std::set<std::tuple<std::string, std::string, int>> seen;
        for (std::string line; std::getline(in, line);) {
            ++LineNo;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty() || line.front() == '#') continue;
            if (line.starts_with(kDirectionRow)) {
                ReadDirection(line, entries.empty());
                continue;
            }
            TSupplementEntry entry = ParseRow(line);
            entry.CoreFrom[kRussian] = CoreFrom[kRussian];
            entry.CoreFrom[kBelarusian] = CoreFrom[kBelarusian];
            if (!seen.emplace(entry.Ru, entry.Be, entry.Kind).second) Fail("pair listed twice");
            entries.push_back(std::move(entry));
        }
        return entries;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw Error(Path + ":" + std::to_string(LineNo) + ": " + what);
    }

    void ReadDirection(const std::string& line, bool first) {
        if (!first || CoreFrom[kRussian] || CoreFrom[kBelarusian]) Fail("the direction row must come before the first pair");
        const std::string value = line.substr(kDirectionRow.size());
        CoreFrom[kRussian] = value == " ru-be" || value == " both";
        CoreFrom[kBelarusian] = value == " be-ru" || value == " both";
        if (!CoreFrom[kRussian] && !CoreFrom[kBelarusian])
            Fail("expected \"direction ru-be\", \"direction be-ru\" or \"direction both\": " + line);
    }

    std::string Lemma(const std::string& utf8, int lang) const {
        std::string word;
        if (!Utf8ToCp1251(utf8, word)) Fail("not UTF-8 text in Windows-1251 letters");
        if (!IsLemma(word, lang)) {
            Fail((lang == kRussian ? "not a lower-case Russian word: " : "not a lower-case Belarusian word: ") + utf8);
        }
        if (lang == kRussian) {
            for (char& c : word) {
                if (c == U'ё'_cp1251) c = U'е'_cp1251;
            }
        }
        return word;
    }

    TSupplementEntry ParseRow(const std::string& line) const {
        const std::vector<std::string> fields = SplitFields(line);
        if (fields.size() < 4 || fields.size() > 5) {
            Fail("expected Russian, Belarusian, part of speech, priority and an optional comment");
        }
        TSupplementEntry entry{Lemma(fields[0], kRussian), Lemma(fields[1], kBelarusian), kUndefinedKind, 0};
        bool known = false;
        for (const auto& [name, kind] : kPartsOfSpeech) {
            if (fields[2] == name) {
                entry.Kind = kind;
                known = true;
            }
        }
        if (!known) Fail("unknown part of speech: " + fields[2]);
        if (fields[3].size() != 1 || fields[3][0] < '0' || fields[3][0] > '0' + kMaxPriority) {
            Fail("priority must be 0 to " + std::to_string(kMaxPriority) + ": " + fields[3]);
        }
        entry.Priority = fields[3][0] - '0';
        return entry;
    }

    const std::string& Path;
    int LineNo = 0;
    bool CoreFrom[2] = {false, false};
};

}  // namespace

std::pair<std::string_view, std::string_view> SplitHomonymForm(std::string_view lemma) {
    const std::size_t open = lemma.find(" (");
    if (open == std::string_view::npos || !lemma.ends_with(')')) return {lemma, {}};
    return {lemma.substr(0, open), lemma.substr(open + 2, lemma.size() - open - 3)};
}

std::vector<TSupplementEntry> ReadSupplement(const std::string& path) { return TSupplementReader(path).Read(); }

}  // namespace kunimor::import

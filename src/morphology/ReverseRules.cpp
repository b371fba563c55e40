#include "morphology/ReverseRules.h"

#include <algorithm>
#include <span>

#include "ground/Language.h"
#include "ground/Alphabet.h"
#include "morphology/ModifRules.h"
#include "ground/Cp1251Literal.h"

namespace kunimor {
namespace {

constexpr CharSet kRusVowels{"аеёиоуыэюя"_cp1251};
constexpr char kAnyTarget = '*';

const CharSet& VowelsOf(int lang) { return lang == kBelarusian ? kBelVowels : kRusVowels; }

// Each token is expanded code by code; rules 3 and 4 take one variant per
// parameter letter.
std::vector<std::string> ExpandVariants(std::string_view spec, std::string_view rule3Letters,
                                        std::string_view rule4Letters) {
    std::vector<std::string> variants;
    std::size_t start = 0;
    while (start < spec.size()) {
        std::size_t end = spec.find(' ', start);
        if (end == std::string_view::npos) end = spec.size();
        std::vector<std::string> expanded{""};
        for (char code : spec.substr(start, end - start)) {
            const std::string_view letters =
                code == '3' ? rule3Letters : code == '4' ? rule4Letters : std::string_view{};
            std::vector<std::string> next;
            for (const std::string& head : expanded) {
                if (letters.empty()) {
                    next.push_back(head + code);
                } else {
                    for (char letter : letters) next.push_back(head + code + letter);
                }
            }
            expanded = std::move(next);
        }
        variants.insert(variants.end(), expanded.begin(), expanded.end());
        start = end + 1;
    }
    return variants;
}

void AddUnique(std::vector<std::string>& list, std::string stem) {
    if (std::find(list.begin(), list.end(), stem) == list.end()) list.push_back(std::move(stem));
}

// True when the forward rule turns candidate into stem.
bool ForwardGives(int lang, std::string candidate, std::string_view code, std::string_view stem) {
    return ApplyModifRule(lang, candidate, code) && candidate == stem;
}

// Rules 1 and 2 only change the last three vowels, so every stem that may
// differ there is tried against the forward rule: that keeps the reverse
// exact without a second copy of the stress tables.
void ReverseStress(int lang, std::string_view stem, char code, std::vector<std::string>& out) {
    const CharSet& vowels = VowelsOf(lang);
    std::vector<std::size_t> positions;
    for (std::size_t i = stem.size(); i-- > 0 && positions.size() < 3;) {
        if (kAllVowels.Contains(stem[i])) positions.push_back(i);
    }
    if (positions.empty()) return;
    std::string letters;
    for (int c = 0; c < 256; ++c) {
        if (vowels.Contains(static_cast<char>(c))) letters += static_cast<char>(c);
    }
    const std::string codeText(1, code);
    std::vector<std::size_t> choice(positions.size(), 0);
    std::string candidate(stem);
    while (true) {
        for (std::size_t j = 0; j < positions.size(); ++j) candidate[positions[j]] = letters[choice[j]];
        if (ForwardGives(lang, candidate, codeText, stem)) AddUnique(out, candidate);
        std::size_t j = 0;
        while (j < choice.size() && ++choice[j] == letters.size()) choice[j++] = 0;
        if (j == choice.size()) break;
    }
}

bool IsSoft(char c) { return CharSet("ёеиюя"_cp1251).Contains(c); }

// Rule 3 inserted vowel between the last two consonants; look for x between
// a consonant pair scanning from the end, as far as the first two adjacent
// consonants (the forward rule would have used those).
void ReverseFleetingVowel(int lang, std::string_view stem, char x, std::vector<std::string>& out) {
    const bool belarusian = lang == kBelarusian;
    bool nextSoft = false;
    std::size_t n = stem.size();  // 1-based position of the current letter
    while (n >= 2) {
        const char current = stem[n - 1];
        if (!kAllConsonants.Contains(current)) {
            nextSoft = IsSoft(current);
            --n;
            continue;
        }
        if (lang == kRussian && nextSoft && n < stem.size()) {
            std::string candidate(stem);
            candidate[n] = U'ь'_cp1251;
            AddUnique(out, candidate);
        }
        const char before = stem[n - 2];
        if (kAllConsonants.Contains(before)) break;
        if (before == x && n - 1 > 1) {
            const std::string head(stem.substr(0, n - 2));
            const std::string tail(stem.substr(n - 1));
            if (kAllConsonants.Contains(stem[n - 3])) {
                if (IsSoft(x)) AddUnique(out, head + std::string("ь"_cp1251) + tail);
                if (belarusian) {
                    std::string restored = head;
                    if (ReverseJunction(restored, std::string(1, x), true)) AddUnique(out, restored + tail);
                }
                AddUnique(out, head + tail);
            } else if (IsSoft(x)) {
                AddUnique(out, head + std::string("й"_cp1251) + tail);
            }
        }
        nextSoft = IsSoft(before);
        n -= 2;
    }
}

void ReverseFinalConsonant(int lang, std::string_view stem, char param, std::vector<std::string>& out) {
    if (stem.empty()) return;
    const char last = stem.back();
    if (Rule4Targets(lang).find(last) == std::string_view::npos) return;
    if (param != kAnyTarget && param != last) return;
    const std::string code{'4', last};
    const CharSet& letters = LettersOf(lang).lower;
    for (int c = 0; c < 256; ++c) {
        const char letter = static_cast<char>(c);
        if (!letters.Contains(letter) || letter == last) continue;
        std::string candidate(stem);
        candidate.back() = letter;
        if (ForwardGives(lang, candidate, code, stem)) AddUnique(out, candidate);
    }
}

void ReverseProstheticI(int lang, std::string_view stem, std::vector<std::string>& out) {
    std::string candidate(1, U'і'_cp1251);  // built up, not concatenated: clang 14 crashes on the sum
    candidate += stem;
    if (ForwardGives(lang, candidate, "5", stem)) AddUnique(out, candidate);
}

void ReversePrefix(int lang, std::string_view stem, std::vector<std::string>& out) {
    const bool belarusian = lang == kBelarusian;
    constexpr CharSet kVoicedEnd{"бвгджзйлмнр"_cp1251};
    for (const PrefixExtension& pair : PrefixExtensions(lang)) {
        if (stem.size() <= pair.replacement.size() || !stem.starts_with(pair.replacement)) continue;
        std::string rest(stem.substr(pair.replacement.size()));
        if (belarusian && rest.front() == U'ў'_cp1251 && kVoicedEnd.Contains(pair.prefix.back()) &&
            kAllVowels.Contains(pair.replacement.back())) {
            rest.front() = U'в'_cp1251;
        }
        AddUnique(out, std::string(pair.prefix) + rest);
    }
}

void ReverseCode(int lang, std::string_view stem, std::string_view code, std::vector<std::string>& out) {
    const char param = code.size() > 1 ? code[1] : '\0';
    switch (code.front()) {
        case '1':
        case '2': ReverseStress(lang, stem, code.front(), out); break;
        case '3': ReverseFleetingVowel(lang, stem, param, out); break;
        case '4': ReverseFinalConsonant(lang, stem, param, out); break;
        case '5': ReverseProstheticI(lang, stem, out); break;
        case '8': ReversePrefix(lang, stem, out); break;
        default: break;
    }
}

}  // namespace

const std::vector<std::string>& ModifVariants(int lang) {
    static const std::vector<std::string> russian =
        ExpandVariants("1 2 8 3 4", "оеия"_cp1251, "*");
    static const std::vector<std::string> belarusian =
        ExpandVariants("1 2 8 3 13 23 4 14 53", "аеёіоэя"_cp1251, "*");
    return lang == kBelarusian ? belarusian : russian;
}

std::string_view Rule4Targets(int lang) {
    // The targets of the rule-4 table, last row first.
    static const std::string reversed[2] = {
        std::string(ConsonantTargets(kRussian).rbegin(), ConsonantTargets(kRussian).rend()),
        std::string(ConsonantTargets(kBelarusian).rbegin(), ConsonantTargets(kBelarusian).rend())};
    return reversed[lang == kBelarusian ? 1 : 0];
}

bool ReverseJunction(std::string& stem, std::string_view ending, bool restoreU) {
    const char next = ending.empty() ? ' ' : ending.front();
    constexpr std::string_view kEnds[] = {"дз"_cp1251, "з"_cp1251, "ц"_cp1251,
                                          "с"_cp1251,  "в"_cp1251, "ў"_cp1251};
    for (std::string_view end : kEnds) {
        if (!stem.ends_with(end)) continue;
        const std::size_t at = stem.size() - end.size();
        std::string_view restored;
        if (end == "в"_cp1251) {
            if (restoreU && kBelVowels.Contains(next)) restored = "ў"_cp1251;
        } else if (end == "ў"_cp1251) {
            const bool vowelBefore = at > 0 && kBelVowels.Contains(stem[at - 1]);
            if ((ending.empty() && vowelBefore) || kBelConsonants.Contains(next)) restored = "в"_cp1251;
        } else {
            const bool dental = end == "дз"_cp1251 || end == "ц"_cp1251;
            const CharSet softeners = dental ? CharSet("ёьюяіе"_cp1251) : CharSet("ёьюя"_cp1251);
            if (softeners.Contains(next)) {
                restored = end == "дз"_cp1251 ? "д"_cp1251
                           : end == "з"_cp1251 ? "г"_cp1251
                           : end == "ц"_cp1251 ? "т"_cp1251
                                              : "х"_cp1251;
            }
        }
        if (restored.empty()) return false;
        stem.replace(at, end.size(), restored);
        return true;
    }
    return false;
}

void ReverseVariant(int lang, std::string_view stem, std::string_view variant, std::size_t maxLen,
                    std::vector<std::string>& list) {
    std::vector<std::string_view> codes;
    for (std::size_t i = 0; i < variant.size();) {
        const std::size_t length = std::min(ModifRuleCodeLength(variant[i]), variant.size() - i);
        codes.push_back(variant.substr(i, length));
        i += length;
    }
    std::vector<std::string> stems{std::string(stem)};
    for (auto code = codes.rbegin(); code != codes.rend(); ++code) {
        std::vector<std::string> earlier;
        for (const std::string& s : stems) ReverseCode(lang, s, *code, earlier);
        stems = std::move(earlier);
    }
    for (std::string& s : stems) {
        if (s.size() <= maxLen) AddUnique(list, std::move(s));
    }
}

}  // namespace kunimor

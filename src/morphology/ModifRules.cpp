#include "morphology/ModifRules.h"

#include <array>
#include <span>

#include "ground/Alphabet.h"
#include "morphology/Junction.h"
#include "ground/Cp1251Literal.h"
#include "ground/Language.h"

namespace kunimor {
namespace {

std::string& RuleError() {
    static std::string message;
    return message;
}

bool Fail(std::string message) {
    RuleError() = std::move(message);
    return false;
}

// --- Rules 1 and 2: stress shift --------------------------------------------

// The last vowels of the stem must read `from` ("?" matches any vowel); they
// become `to`, a "?" leaving its vowel alone.
struct VowelShift {
    std::string_view from;
    std::string_view to;
};

struct StressTable {
    std::size_t vowelsExamined;
    std::span<const VowelShift> shifts;
};

constexpr VowelShift kRusStress1[] = {
    {"о"_cp1251, "а"_cp1251}, {"а"_cp1251, "о"_cp1251},
    {"е"_cp1251, "я"_cp1251}, {"я"_cp1251, "е"_cp1251},
};
constexpr VowelShift kRusStress2[] = {
    {"е"_cp1251, "и"_cp1251}, {"и"_cp1251, "е"_cp1251},
};
constexpr VowelShift kBelStress1[] = {
    {"аао"_cp1251, "аоа"_cp1251}, {"еыа"_cp1251, "яыа"_cp1251}, {"еаа"_cp1251, "яоа"_cp1251},
    {"ея"_cp1251, "яе"_cp1251},   {"е?"_cp1251, "я?"_cp1251},   {"о?"_cp1251, "а?"_cp1251},
    {"эе"_cp1251, "ая"_cp1251},   {"яе"_cp1251, "ея"_cp1251},   {"яё"_cp1251, "ея"_cp1251},
    {"яо"_cp1251, "еа"_cp1251},   {"яэ"_cp1251, "еа"_cp1251},   {"я?"_cp1251, "е?"_cp1251},
    {"а"_cp1251, "о"_cp1251},     {"е"_cp1251, "я"_cp1251},     {"ё"_cp1251, "я"_cp1251},
    {"о"_cp1251, "а"_cp1251},     {"э"_cp1251, "а"_cp1251},     {"я"_cp1251, "е"_cp1251},
};
constexpr VowelShift kBelStress2[] = {
    {"аюі"_cp1251, "оюі"_cp1251}, {"еаа"_cp1251, "еао"_cp1251}, {"эеа"_cp1251, "эео"_cp1251},
    {"аа"_cp1251, "оа"_cp1251},   {"еа"_cp1251, "яо"_cp1251},   {"ыо"_cp1251, "ыэ"_cp1251},
    {"яа"_cp1251, "яо"_cp1251},   {"а"_cp1251, "э"_cp1251},     {"е"_cp1251, "ё"_cp1251},
    {"о"_cp1251, "а"_cp1251},     {"э"_cp1251, "о"_cp1251},     {"я"_cp1251, "ё"_cp1251},
};

constexpr bool AllAligned(std::span<const VowelShift> shifts) {
    for (const VowelShift& shift : shifts) {
        if (shift.from.size() != shift.to.size() || shift.from.size() > 3) return false;
    }
    return true;
}
static_assert(AllAligned(kRusStress1) && AllAligned(kRusStress2) && AllAligned(kBelStress1) &&
              AllAligned(kBelStress2));

constexpr StressTable kStressTables[2][2] = {
    {{1, kRusStress1}, {1, kRusStress2}},
    {{3, kBelStress1}, {3, kBelStress2}},
};

constexpr char kAnyVowel = '?';

bool ApplyStressRule(int lang, std::string& stem, char code) {
    const StressTable& table = kStressTables[lang][code - '1'];
    // vowelAt[0] is the last vowel of the stem, vowelAt[1] the one before.
    std::size_t vowelAt[3];
    std::size_t found = 0;
    for (std::size_t i = stem.size(); i-- > 0 && found < table.vowelsExamined;) {
        if (kAllVowels.Contains(stem[i])) vowelAt[found++] = i;
    }
    if (found == 0) return Fail(std::string("Error in modif rule ") + code);
    for (const VowelShift& shift : table.shifts) {
        const std::size_t m = shift.from.size();
        if (m > found) continue;
        bool matches = true;
        for (std::size_t j = 0; j < m && matches; ++j) {
            const char wanted = shift.from[m - 1 - j];
            matches = wanted == kAnyVowel || wanted == stem[vowelAt[j]];
        }
        if (!matches) continue;
        for (std::size_t j = 0; j < m; ++j) {
            const char replacement = shift.to[m - 1 - j];
            if (replacement != kAnyVowel) stem[vowelAt[j]] = replacement;
        }
        return true;
    }
    return Fail(std::string("Error in modif rule ") + code);
}

// --- Rule 3: fleeting vowel -------------------------------------------------

bool InsertVowel(int lang, std::string& stem, std::string_view param) {
    if (param.empty()) return Fail("Error in modif rule 3 ()");
    const char vowel = param.front();
    std::size_t i = stem.size();
    while (i >= 2 && !(kAllConsonants.Contains(stem[i - 2]) && kAllConsonants.Contains(stem[i - 1]))) {
        --i;
    }
    if (i < 2) return Fail(std::string("Error in modif rule 3 (") + vowel + ")");
    const std::size_t first = i - 2;  // the first consonant of the pair
    stem.insert(first + 1, 1, vowel);
    const char before = stem[first];
    if (before == U'й'_cp1251 || before == U'ь'_cp1251) {
        stem.erase(first, 1);  // бойц → боец, пальц → палец
    } else if (lang == kRussian) {
        if (first + 2 < stem.size() && stem[first + 2] == U'ь'_cp1251) stem.erase(first + 2, 1);
    } else {
        std::string head = stem.substr(0, first + 1);
        ApplyJunction(head, std::string_view(stem).substr(first + 1), true);  // лаўк → лавак
        stem = head + stem.substr(first + 1);
    }
    return true;
}

// --- Rule 4: final consonant ------------------------------------------------

struct ConsonantSwap {
    char target;
    std::string_view replaces;
};

constexpr ConsonantSwap kRusSwaps[] = {
    {U'ш'_cp1251, "их"_cp1251}, {U'с'_cp1251, "ш"_cp1251},  {U'я'_cp1251, "м"_cp1251},
    {U'н'_cp1251, "м"_cp1251},  {U'т'_cp1251, "в"_cp1251},  {U'о'_cp1251, "ин"_cp1251},
    {U'е'_cp1251, "и"_cp1251},  {U'ч'_cp1251, "кт"_cp1251},
};
constexpr ConsonantSwap kBelSwaps[] = {
    {U'у'_cp1251, "в"_cp1251},  {U'ў'_cp1251, "в"_cp1251}, {U'с'_cp1251, "хш"_cp1251},
    {U'я'_cp1251, "мі"_cp1251}, {U'н'_cp1251, "м"_cp1251}, {U'т'_cp1251, "в"_cp1251},
    {U'ц'_cp1251, "вк"_cp1251}, {U'ё'_cp1251, "і"_cp1251}, {U'ш'_cp1251, "ч"_cp1251},
    {U'х'_cp1251, "к"_cp1251},
};

template <size_t N>
constexpr std::array<char, N> TargetsOf(const ConsonantSwap (&swaps)[N]) {
    std::array<char, N> t{};
    for (size_t i = 0; i < N; ++i) t[i] = swaps[i].target;
    return t;
}
constexpr auto kRusTargets = TargetsOf(kRusSwaps);
constexpr auto kBelTargets = TargetsOf(kBelSwaps);

bool ReplaceFinal(int lang, std::string& stem, std::string_view param) {
    const std::span<const ConsonantSwap> swaps =
        lang == kRussian ? std::span<const ConsonantSwap>(kRusSwaps) : kBelSwaps;
    if (!stem.empty() && !param.empty()) {
        const char target = param.front();
        for (const ConsonantSwap& swap : swaps) {
            if (swap.target == target && swap.replaces.find(stem.back()) != std::string_view::npos) {
                stem.back() = target;
                return true;
            }
        }
    }
    return Fail("Error in modif rule 4");
}

// --- Rule 5: Belarusian prosthetic і ----------------------------------------

bool DropProstheticI(std::string& stem) {
    constexpr std::string_view kOpenings[] = {"грул"_cp1251, "лб"_cp1251, "лг"_cp1251,
                                              "лж"_cp1251,   "ль"_cp1251, "мх"_cp1251,
                                              "рв"_cp1251,   "рд"_cp1251, "рж"_cp1251};
    if (stem.size() >= 3 && stem.front() == U'і'_cp1251) {
        const std::string_view rest = std::string_view(stem).substr(1);
        for (std::string_view opening : kOpenings) {
            if (rest.starts_with(opening)) {
                stem.erase(0, 1);
                return true;
            }
        }
    }
    return Fail("Error in modif rule 5");
}

// --- Rule 8: verb prefix ----------------------------------------------------

constexpr PrefixExtension kRusPrefixes[] = {
    {"вз"_cp1251, "взо"_cp1251},     {"в"_cp1251, "во"_cp1251},       {"из"_cp1251, "изо"_cp1251},
    {"ис"_cp1251, "изо"_cp1251},     {"об"_cp1251, "обо"_cp1251},     {"от"_cp1251, "ото"_cp1251},
    {"под"_cp1251, "подо"_cp1251},   {"поиз"_cp1251, "поизо"_cp1251}, {"поис"_cp1251, "поизо"_cp1251},
    {"раз"_cp1251, "разо"_cp1251},   {"рас"_cp1251, "разо"_cp1251},   {"с"_cp1251, "со"_cp1251},
};
constexpr PrefixExtension kBelPrefixes[] = {
    {"аб"_cp1251, "аба"_cp1251},   {"ад"_cp1251, "ада"_cp1251},   {"з"_cp1251, "са"_cp1251},
    {"с"_cp1251, "са"_cp1251},     {"над"_cp1251, "нада"_cp1251}, {"пад"_cp1251, "пада"_cp1251},
    {"раз"_cp1251, "раза"_cp1251}, {"рас"_cp1251, "раза"_cp1251}, {"уз"_cp1251, "уза"_cp1251},
    {"во"_cp1251, "а"_cp1251},
};

// Belarusian writes с before voiceless and з before voiced consonants, so a
// prefix only matches where its last letter fits the letter after it.
constexpr CharSet kAfterS{"ўкпстфхцчшщ"_cp1251};
constexpr CharSet kVoiced{"бвгджзйлмнр"_cp1251};

bool BelPrefixFits(char prefixEnd, char next) {
    if (prefixEnd == U'с'_cp1251) return kAfterS.Contains(next);
    if (prefixEnd == U'з'_cp1251) return kVoiced.Contains(next);
    return true;
}

bool ExtendPrefix(int lang, std::string& stem) {
    const bool belarusian = lang == kBelarusian;
    const std::span<const PrefixExtension> pairs = PrefixExtensions(lang);
    for (const PrefixExtension& pair : pairs) {
        if (stem.size() <= pair.prefix.size() || !stem.starts_with(pair.prefix)) continue;
        std::string rest = stem.substr(pair.prefix.size());
        if (belarusian && !BelPrefixFits(pair.prefix.back(), rest.front())) continue;
        if (belarusian && rest.front() == U'в'_cp1251 && kVoiced.Contains(pair.prefix.back()) &&
            kAllVowels.Contains(pair.replacement.back())) {
            rest.front() = U'ў'_cp1251;
        }
        stem = std::string(pair.replacement) + rest;
        return true;
    }
    return Fail("Error in modif rule 8");
}

// --- Dispatch ---------------------------------------------------------------

bool Accepts(int lang, char code) {
    const std::string_view accepted = lang == kBelarusian ? "123458" : "12348";
    return accepted.find(code) != std::string_view::npos;
}

}  // namespace

bool IsModifRuleCode(char c) { return c >= '1' && c <= '8'; }

std::size_t ModifRuleCodeLength(char code) { return code == '3' || code == '4' ? 2 : 1; }

bool ApplyModifRule(int lang, std::string& stem, std::string_view code) {
    const char digit = code.empty() ? '\0' : code.front();
    if ((lang != kRussian && lang != kBelarusian) || !Accepts(lang, digit)) {
        return Fail("Modif rule " + std::string(code) + " not applicable for lang " +
                    std::to_string(lang));
    }
    const std::string_view param = code.substr(1, 1);
    switch (digit) {
        case '1':
        case '2': return ApplyStressRule(lang, stem, digit);
        case '3': return InsertVowel(lang, stem, param);
        case '4': return ReplaceFinal(lang, stem, param);
        case '5': return DropProstheticI(stem);
        default: return ExtendPrefix(lang, stem);
    }
}

const std::string& LastRuleError() { return RuleError(); }

std::string_view ConsonantTargets(int lang) {
    return lang == kRussian ? std::string_view(kRusTargets.data(), kRusTargets.size())
                            : std::string_view(kBelTargets.data(), kBelTargets.size());
}

std::span<const PrefixExtension> PrefixExtensions(int lang) {
    return lang == kBelarusian ? std::span<const PrefixExtension>(kBelPrefixes) : kRusPrefixes;
}

}  // namespace kunimor

#include "ground/OrthoAnalyzer.h"

#include <algorithm>
#include <array>
#include <utility>

#include "ground/Alphabet.h"
#include "ground/CharClasses.h"
#include "ground/Cp1251Literal.h"
#include "ground/FormatText.h"
#include "ground/Language.h"
#include "ground/LetterCase.h"

namespace kunimor {
namespace {

constexpr CharSet kRusVowels{"аеиоуыэюя"_cp1251};
// BelPrevConsonants without the apostrophe and "ь": what Rule 3 stops before.
constexpr CharSet kConsonantsAfterV{"ўбвгджзйклмнпрстфхцчш"_cp1251};
constexpr CharSet kBelPrevConsonants{"'ўбвгджзйклмнпрстфхцчшь"_cp1251};
constexpr CharSet kVowelsAfterApostrophe{"іёеюя"_cp1251};
constexpr CharSet kSoftVowels{"іеёюяь"_cp1251};
constexpr CharSet kHardConsonants{"джртчш"_cp1251};

constexpr char kU = U'у'_cp1251;
constexpr char kShortU = U'ў'_cp1251;

struct TLookAlike {
    char Latin;
    char Cyrillic;
};
constexpr std::array<TLookAlike, 13> kLookAlikes{{{'\x92', '\''},
                                                  {'a', U'а'_cp1251},
                                                  {'c', U'с'_cp1251},
                                                  {'e', U'е'_cp1251},
                                                  {'h', U'н'_cp1251},
                                                  {'i', U'і'_cp1251},
                                                  {'k', U'к'_cp1251},
                                                  {'m', U'м'_cp1251},
                                                  {'o', U'о'_cp1251},
                                                  {'p', U'р'_cp1251},
                                                  {'t', U'т'_cp1251},
                                                  {'x', U'х'_cp1251},
                                                  {'y', U'у'_cp1251}}};

struct TCombination {
    int Verdict;
    std::string_view Text;
    std::string_view Replacement;
};
const std::array<TCombination, 7> kCombinations{{{kSpellError, "и"_cp1251, "і"_cp1251},
                                                 {kSpellError, "щ"_cp1251, "шч"_cp1251},
                                                 {kSpellError, "ъ"_cp1251, "'"},
                                                 {kSpellError, "йо"_cp1251, "ё"_cp1251},
                                                 {kSpellError, "вь"_cp1251, "у"_cp1251},
                                                 {kSpellWarning, "юо"_cp1251, "юё"_cp1251},
                                                 {kSpellWarning, "іо"_cp1251, "іё"_cp1251}}};

struct TEnding {
    std::string_view Ending;
    std::string_view Replacement;
};
const std::array<TEnding, 12> kRussianEndings{{{"тся"_cp1251, "цца"_cp1251},
                                               {"ться"_cp1251, "цца"_cp1251},
                                               {"нный"_cp1251, "ны"_cp1251},
                                               {"нного"_cp1251, "нога"_cp1251},
                                               {"нном"_cp1251, "ном"_cp1251},
                                               {"нные"_cp1251, "ныя"_cp1251},
                                               {"скій"_cp1251, "скі"_cp1251},
                                               {"кіе"_cp1251, "кія"_cp1251},
                                               {"кій"_cp1251, "кі"_cp1251},
                                               {"ный"_cp1251, "ны"_cp1251},
                                               {"тый"_cp1251, "ты"_cp1251},
                                               {"ке"_cp1251, "цы"_cp1251}}};

constexpr std::string_view kNotInAlphabet = "Символ \"%s\" не входит в алфавит языка"_cp1251;
constexpr std::string_view kUFault = "Нарушено правило написания \"ў\""_cp1251;
constexpr std::string_view kBeforeConsonant =
    "Сочетание букв \"%s\" почти никогда не пишется перед согласными (за искл.\"ь\"), или на конце слова."_cp1251;
constexpr std::string_view kRareCombination = "Сочетание букв \"%s\" почти никогда не используется."_cp1251;
constexpr std::string_view kApostropheFault =
    "\"'\" - может стоять только после согласной, перед гласными \"і, е, ё, ю, я\""_cp1251;
constexpr std::string_view kShortIFault = "\"й\" может стоять только после гласной, или в начале слова"_cp1251;
constexpr std::string_view kSoftVowelFault =
    "Сочетание \"%s\" нарушает правило написания согласного \"%s\" перед гласными \"і, е, ё, ю, я\" и мягким знаком"_cp1251;
constexpr std::string_view kRareEnding = "Сочетание \"%s\" в конце слова встречается редко. Возможно, это ошибка"_cp1251;
constexpr std::string_view kManyO = "Возможно, одна или несколько букв \"о\" должны быть \"а\""_cp1251;
constexpr std::array<std::string_view, 3> kRareTrigram{
    "Сочетание \"%s\" в начале слова встречается редко. Возможно, это ошибка"_cp1251,
    "Сочетание \"%s\" в середине слова встречается редко. Возможно, это ошибка"_cp1251,
    "Сочетание \"%s\" в конце слова встречается редко. Возможно, это ошибка"_cp1251};

// Alphabetical rank ignoring case: "ё", "і" and "ў" follow "е", "и" and "у",
// the apostrophe and ASCII come before the letters, anything else after.
int SortRank(char c) {
    const auto lower = static_cast<unsigned char>(LoCaseCyr(c));
    if (lower >= 0xE0) return 1000 + 2 * (lower - 0xE0);
    if (lower == static_cast<unsigned char>(U'ё'_cp1251)) return SortRank(U'е'_cp1251) + 1;
    if (lower == static_cast<unsigned char>(U'і'_cp1251)) return SortRank(U'и'_cp1251) + 1;
    if (lower == static_cast<unsigned char>(kShortU)) return SortRank(kU) + 1;
    return lower < 0x80 ? lower : 2000 + lower;
}

bool SortsBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return SortRank(x) < SortRank(y); });
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return !SortsBefore(a, b) && !SortsBefore(b, a);
}

// Rule 2 on a whole word: "ў" after a vowel, "у" elsewhere, judged by the
// character before each as written; the first is judged only after a
// preceding character.
std::string WithCheckedU(char prevChar, std::string word) {
    char prev = prevChar;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = word[i];
        if (i > 0 || prevChar != 0) {
            if (c == kU && kBelVowels.Contains(prev)) word[i] = kShortU;
            else if (c == kShortU && !kBelVowels.Contains(prev)) word[i] = kU;
        }
        prev = c;
    }
    return word;
}

bool EndsWith(std::string_view word, std::string_view ending) {
    return word.size() >= ending.size() && word.substr(word.size() - ending.size()) == ending;
}

}  // namespace

struct TOrthoAnalyzer::TWordState {
    char PrevChar;
    TCasePattern Pattern;
    std::string Lower;  // the word as written, lower case
    std::string Word;   // the word with the rules' changes so far
};

void TOrthoAnalyzer::SetSpellLanguage(int lang, bool explainMode) {
    lang_ = lang == kBelarusian ? kBelarusian : kRussian;
    const LanguageLetters& letters = LettersOf(lang_);
    letters_ = letters.letters;
    lower_ = letters.lower;
    vowels_ = lang_ == kBelarusian ? kBelVowels : kRusVowels;
    ExplainMode = explainMode;
    if (UseFreqCheck) lists_.LoadFreqLists(lang_);
}

void TOrthoAnalyzer::AddSuggestion(std::string suggestion) {
    if (!ExplainMode) return;
    const auto at = std::lower_bound(SpellSuggestions.begin(), SpellSuggestions.end(), suggestion, SortsBefore);
    if (at != SpellSuggestions.end() && SameIgnoringCase(*at, suggestion)) return;
    SpellSuggestions.insert(at, std::move(suggestion));
}

void TOrthoAnalyzer::Record(const std::string& before, const std::string& after) {
    if (!ExplainMode) return;
    const auto old = std::find(SpellSuggestions.begin(), SpellSuggestions.end(), before);
    if (old != SpellSuggestions.end()) SpellSuggestions.erase(old);
    AddSuggestion(after);
}

void TOrthoAnalyzer::Explain(std::string line) {
    if (ExplainMode) SpellExplanation += line + '\r';
}

bool TOrthoAnalyzer::Rule1Alphabet(TWordState& w) {
    bool fault = false;
    for (std::size_t i = 0; i < w.Word.size(); ++i) {
        const char c = w.Word[i];
        if (lower_.Contains(c)) continue;
        fault = true;
        Explain(FormatText(kNotInAlphabet, {std::string_view(&c, 1)}));
        const auto look = std::find_if(kLookAlikes.begin(), kLookAlikes.end(),
                                       [c](const TLookAlike& l) { return l.Latin == c; });
        if (look == kLookAlikes.end()) continue;
        const std::string before = w.Word;
        w.Word[i] = look->Cyrillic;
        Record(before, w.Word);
    }
    return fault;
}

int TOrthoAnalyzer::Rule2U(TWordState& w) {
    if (!AutoU) return kSpellCorrect;
    std::string checked = WithCheckedU(w.PrevChar, w.Word);
    if (checked == w.Word) return kSpellCorrect;
    Explain(std::string(kUFault));
    Record(w.Word, checked);
    w.Word = std::move(checked);
    return kSpellError;
}

int TOrthoAnalyzer::Rule3EndingsBeforeConsonants(TWordState& w) {
    int v = kSpellCorrect;
    const std::array<std::pair<std::string_view, std::string_view>, 2> patterns{
        {{"ов"_cp1251, "аў"_cp1251}, {"в"_cp1251, "у"_cp1251}}};
    for (const auto& [pattern, replacement] : patterns) {
        for (std::size_t i = 0; i + pattern.size() <= w.Word.size(); ++i) {
            if (std::string_view(w.Word).substr(i, pattern.size()) != pattern) continue;
            const std::size_t next = i + pattern.size();
            if (next < w.Word.size() && !kConsonantsAfterV.Contains(w.Word[next])) continue;
            v = kSpellError;
            Explain(FormatText(kBeforeConsonant, {pattern}));
            const std::string before = w.Word;
            w.Word.replace(i, pattern.size(), replacement);
            Record(before, w.Word);
        }
    }
    return v;
}

int TOrthoAnalyzer::Rule4Combinations(TWordState& w, int v) {
    for (const TCombination& c : kCombinations) {
        for (std::size_t at = w.Word.find(c.Text); at != std::string::npos; at = w.Word.find(c.Text)) {
            if (v != kSpellError) v = c.Verdict;
            Explain(FormatText(kRareCombination, {c.Text}));
            const std::string before = w.Word;
            w.Word.replace(at, c.Text.size(), c.Replacement);
            Record(before, w.Word);
        }
    }
    return v;
}

int TOrthoAnalyzer::Rule5Apostrophe(TWordState& w) {
    const std::string& s = w.Word;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        if (s[i] != '\'') continue;
        if (kBelPrevConsonants.Contains(s[i - 1]) && kVowelsAfterApostrophe.Contains(s[i + 1])) continue;
        Explain(std::string(kApostropheFault));
        return kSpellError;
    }
    return kSpellCorrect;
}

int TOrthoAnalyzer::Rule6ShortI(TWordState& w) {
    const std::string& s = w.Word;
    for (std::size_t i = 1; i < s.size(); ++i) {
        if (s[i] != U'й'_cp1251 || vowels_.Contains(s[i - 1])) continue;
        Explain(std::string(kShortIFault));
        return kSpellError;
    }
    return kSpellCorrect;
}

int TOrthoAnalyzer::Rule7SoftVowels(TWordState& w) {
    int v = kSpellCorrect;
    for (std::size_t i = 1; i < w.Word.size(); ++i) {
        const char vowel = w.Word[i];
        const char consonant = w.Word[i - 1];
        if (!kSoftVowels.Contains(vowel) || !kHardConsonants.Contains(consonant)) continue;
        v = kSpellError;
        if (!ExplainMode) return v;
        Explain(FormatText(kSoftVowelFault, {std::string{consonant, vowel}, std::string(1, consonant)}));
        const bool e = vowel == U'е'_cp1251;
        std::string copy = w.Word;
        if (consonant == U'д'_cp1251) {
            AddSuggestion(copy.insert(i, 1, U'з'_cp1251));
        } else if (consonant == U'т'_cp1251) {
            copy[i - 1] = U'ц'_cp1251;
            AddSuggestion(copy);
        } else if (e) {
            copy[i] = U'а'_cp1251;
            AddSuggestion(copy);
            if (consonant == U'р'_cp1251 && i + 1 == w.Word.size()) {
                copy[i] = U'ы'_cp1251;
                AddSuggestion(copy);
            }
        }
        const std::string before = w.Word;
        constexpr std::string_view kSoft = "іеёюя"_cp1251;
        constexpr std::string_view kHard = "ыэоуа"_cp1251;
        const std::size_t soft = kSoft.find(vowel);
        if (soft == std::string_view::npos) w.Word.erase(i, 1);  // the soft sign
        else w.Word[i] = kHard[soft];
        Record(before, w.Word);
    }
    return v;
}

int TOrthoAnalyzer::Rule8Endings(TWordState& w) {
    int v = kSpellCorrect;
    for (const TEnding& e : kRussianEndings) {
        if (!EndsWith(w.Word, e.Ending)) continue;
        v = kSpellWarning;
        Explain(FormatText(kRareEnding, {e.Ending}));
        const std::string before = w.Word;
        const std::string stem = w.Word.substr(0, w.Word.size() - e.Ending.size());
        w.Word = stem + std::string(e.Replacement);
        Record(before, w.Word);
        if (e.Replacement == "цы"_cp1251) {
            w.Word = stem + std::string("кэ"_cp1251);
            Record(before, w.Word);
        }
    }
    return v;
}

int TOrthoAnalyzer::Rule9LetterO(TWordState& w) {
    constexpr char kO = U'о'_cp1251;
    constexpr char kA = U'а'_cp1251;
    std::vector<std::size_t> os;
    for (std::size_t i = 0; i < w.Word.size(); ++i)
        if (w.Word[i] == kO) os.push_back(i);
    if (os.size() < 3) return kSpellCorrect;
    Explain(std::string(kManyO));
    std::string allA = w.Word;
    for (std::size_t i : os) allA[i] = kA;
    AddSuggestion(allA);
    for (std::size_t k = 0; k < 3; ++k) {
        std::string keepOne = allA;
        keepOne[os[k]] = kO;
        AddSuggestion(keepOne);
    }
    return kSpellWarning;
}

int TOrthoAnalyzer::FrequencyVerdict(TWordState& w, int v) {
    const TRareTrigram rare = lists_.CheckTrigrams(w.Word);
    if (rare.Place == TTrigramPlace::None) return v;
    if (Helped() && Knows(w.Lower)) return v;
    if (ExplainMode) SpellExplanation += FormatText(kRareTrigram[static_cast<int>(rare.Place) - 1], {rare.Trigram});
    return v == kSpellError ? v : kSpellWarning;
}

// Rules 1 to 9 in their order. Returns the verdict; frequencyNext tells
// whether the frequency check follows or the word goes to the finish.
int TOrthoAnalyzer::Judge(TWordState& w, bool& frequencyNext) {
    frequencyNext = false;
    const bool belarusian = lang_ == kBelarusian;
    int v = kSpellCorrect;
    const auto halt = [&] { return v != kSpellCorrect && !ExplainMode; };
    const auto worst = [&](int verdict) {
        if (verdict == kSpellError || v == kSpellCorrect) v = verdict;
    };
    const bool alphabetFault = Rule1Alphabet(w);
    if (alphabetFault) v = kSpellError;
    if (halt()) return v;
    if (!EuristicAnalyze) {
        frequencyNext = true;
        return v;
    }
    bool finish = [&] {
        if (belarusian) {
            worst(Rule2U(w));
            if (halt()) return true;
            worst(Rule3EndingsBeforeConsonants(w));
            if (halt()) return true;
            v = Rule4Combinations(w, v);
            if (halt()) return true;
            worst(Rule5Apostrophe(w));
            if (halt()) return true;
        }
        worst(Rule6ShortI(w));
        if (halt()) return true;
        if (!belarusian) return false;
        worst(Rule7SoftVowels(w));
        return halt() || SpellSuggestions.size() > 1;
    }();
    if (v == kSpellError && !alphabetFault && Helped() && KnownAsWritten(w)) {
        v = kSpellCorrect;
        finish = false;
        SpellSuggestions.clear();
        SpellExplanation.clear();
        w.Word = w.Lower;
    }
    if (finish || v != kSpellCorrect || !ShowWarnings) return v;
    if (belarusian) {
        v = Rule8Endings(w);
        if (halt() || SpellSuggestions.size() > 1) return v;
        worst(Rule9LetterO(w));
        if (halt() || SpellSuggestions.size() > 1) return v;
    }
    frequencyNext = true;
    return v;
}

// The lexicon knows the word, and the word's first "у" or "ў", which the
// preceding word decides and the lexicon cannot, is right too.
bool TOrthoAnalyzer::KnownAsWritten(const TWordState& w) const {
    if (lang_ == kBelarusian && AutoU && w.PrevChar != 0 && !w.Lower.empty()) {
        const bool afterVowel = kBelVowels.Contains(w.PrevChar);
        if ((w.Lower.front() == kU && afterVowel) || (w.Lower.front() == kShortU && !afterVowel)) return false;
    }
    return Knows(w.Lower);
}

void TOrthoAnalyzer::Finish(TWordState& w, int v) {
    if (v == kSpellCorrect) return;
    if (v == kSpellError) ++SpellErrors;
    else ++SpellWarnings;
    if (!ExplainMode) return;
    std::vector<std::string> final;
    for (std::string& s : SpellSuggestions) {
        if (lang_ == kBelarusian && AutoU) s = WithCheckedU(w.PrevChar, s);
        final.push_back(ApplyCasePattern(s, w.Pattern, true));
    }
    SpellSuggestions.clear();
    for (std::string& s : final) AddSuggestion(std::move(s));
    if (!Helped()) return;
    const auto known = std::stable_partition(SpellSuggestions.begin(), SpellSuggestions.end(),
                                             [this](const std::string& s) { return Knows(LowerCaseCyr(s)); });
    knownFirst_ = known != SpellSuggestions.begin();
}

int TOrthoAnalyzer::CheckWord(char prevChar, std::string_view written) {
    SpellSuggestions.clear();
    SpellExplanation.clear();
    knownFirst_ = false;
    if (written.empty()) return kSpellCorrect;
    if (std::none_of(written.begin(), written.end(), [this](char c) { return letters_.Contains(c); }))
        return kSpellNotAWord;
    TWordState w{prevChar, GetCasePattern(written), LowerCaseCyr(written), {}};
    w.Word = w.Lower;
    if (ExplainMode && w.Pattern == TCasePattern::csUpper && Knows(w.Lower)) return kSpellCorrect;
    bool frequencyNext = false;
    int v = Judge(w, frequencyNext);
    if (frequencyNext && UseFreqCheck && lists_.Loaded()) {
        if (ExplainMode && Knows(w.Lower)) return v;
        v = FrequencyVerdict(w, v);
    }
    Finish(w, v);
    return v;
}

const std::string& TOrthoAnalyzer::Correction() const {
    return knownFirst_ ? SpellSuggestions.front() : SpellSuggestions.back();
}

void TOrthoAnalyzer::CheckText(const TInsertProc& insertProc, const TMarkProc& markProc,
                               const TProgressProc& progressProc) {
    SpellAbort = false;
    ExplainMode = static_cast<bool>(insertProc);
    SpellErrors = 0;
    SpellWarnings = 0;
    // The language's delimiters hold the sentence ends too.
    const CharSet& separators = DelimitersOf(lang_);
    const std::string& text = SpellText;
    const int total = static_cast<int>(text.size());
    std::size_t p = 0;
    while (!SpellAbort && p < text.size()) {
        std::size_t s = p;
        while (s < text.size() && (separators.Contains(text[s]) || text[s] == '\'')) ++s;
        if (insertProc) insertProc(text.substr(p, s - p));
        if (markProc) markProc(kSpellNotAWord, static_cast<int>(p), static_cast<int>(s));
        std::size_t e = s;
        while (e < text.size() && !separators.Contains(text[e])) ++e;
        while (e > s && text[e - 1] == '\'') --e;
        p = e;
        if (e == s) continue;
        std::size_t before = s;
        while (before > 0 && GapChars().Contains(text[before - 1])) --before;
        const char prevChar = before > 0 ? text[before - 1] : '\0';
        const std::string_view word = std::string_view(text).substr(s, e - s);
        const int v = CheckWord(prevChar, word);
        if (markProc) markProc(v, static_cast<int>(s), static_cast<int>(e));
        if (insertProc) {
            const bool corrected = (v == kSpellError || v == kSpellWarning) && !SpellSuggestions.empty();
            insertProc(corrected ? Correction() : std::string(word));
        }
        if (progressProc) progressProc(static_cast<int>(s), total);
    }
}

}  // namespace kunimor

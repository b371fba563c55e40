#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ground/CharSet.h"
#include "ground/FreqLists.h"

namespace kunimor {

// Verdict of a word; equal to the text view that colours it.
inline constexpr int kSpellCorrect = 0;
inline constexpr int kSpellError = 2;
inline constexpr int kSpellWarning = 3;
inline constexpr int kSpellNotAWord = 4;

// Checks spelling without a word list: rules of Belarusian spelling and,
// for both languages, the letter-combination lists. Works on Windows-1251
// text; one object holds one run's state, on one thread.
//
// The analyser knows no words. A lexicon may be lent to it through
// KnowsWord (a lower-case word as written, as translation would seek it):
// then a capitals-only word it knows is correct in explain mode and the
// frequency check leaves known words alone in explain mode. With
// DictionaryHelps on as well, a word the lexicon knows is never an error
// (only the "ў" a preceding word decides is still checked; warnings stay),
// its rare trigrams are not reported, and suggestions it knows come first
// and are the ones a correction takes.
class TOrthoAnalyzer {
public:
    using TInsertProc = std::function<void(const std::string& text)>;
    using TMarkProc = std::function<void(int verdict, int from, int to)>;
    using TProgressProc = std::function<void(int position, int total)>;

    explicit TOrthoAnalyzer(TFreqLists& lists = ProcessFreqLists()) : lists_(lists) {}

    // Selects the language's letter sets and explain mode; with UseFreqCheck
    // on, makes the language's frequency lists current, loading them first.
    void SetSpellLanguage(int lang, bool explainMode);
    int SpellLanguage() const { return lang_; }

    // The verdict of one word. prevChar is the last character before the
    // word that is not in GapChars, 0 at the start of the text. Counts errors
    // and warnings; in explain mode fills SpellSuggestions (sorted, or with
    // the lexicon's words first) and SpellExplanation (lines ending in CR).
    int CheckWord(char prevChar, std::string_view word);

    // Checks SpellText word by word until the end or SpellAbort. insertProc
    // gets the corrected text piece by piece (and makes the run explain);
    // markProc each stretch, 0-based start and exclusive end, gaps with
    // verdict 4; progressProc the word start after each word. Any may be
    // empty.
    void CheckText(const TInsertProc& insertProc, const TMarkProc& markProc, const TProgressProc& progressProc);

    // What a correction puts in place of the word CheckWord just explained.
    const std::string& Correction() const;

    std::vector<std::string> SpellSuggestions;
    std::string SpellExplanation;
    std::int32_t SpellErrors = 0;
    std::int32_t SpellWarnings = 0;
    std::string SpellText;
    bool SpellAbort = false;

    bool ExplainMode = false;
    bool UseFreqCheck = true;
    bool AutoU = true;
    bool EuristicAnalyze = true;
    bool ShowWarnings = true;

    std::function<bool(std::string_view word)> KnowsWord;
    bool DictionaryHelps = true;

private:
    struct TWordState;

    bool Knows(std::string_view word) const { return KnowsWord && KnowsWord(word); }
    bool Helped() const { return DictionaryHelps && KnowsWord; }
    int Judge(TWordState& w, bool& frequencyNext);
    bool KnownAsWritten(const TWordState& w) const;
    void Finish(TWordState& w, int verdict);
    void Record(const std::string& before, const std::string& after);
    void AddSuggestion(std::string suggestion);
    void Explain(std::string line);

    bool Rule1Alphabet(TWordState& w);
    int Rule2U(TWordState& w);
    int Rule3EndingsBeforeConsonants(TWordState& w);
    int Rule4Combinations(TWordState& w, int v);
    int Rule5Apostrophe(TWordState& w);
    int Rule6ShortI(TWordState& w);
    int Rule7SoftVowels(TWordState& w);
    int Rule8Endings(TWordState& w);
    int Rule9LetterO(TWordState& w);
    int FrequencyVerdict(TWordState& w, int v);

    TFreqLists& lists_;
    int lang_ = 0;
    CharSet letters_;
    CharSet lower_;
    CharSet vowels_;
    bool knownFirst_ = false;
};

}  // namespace kunimor

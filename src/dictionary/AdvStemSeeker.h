#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <tuple>
#include <string>
#include <string_view>
#include <vector>

#include "morphology/EtaRec.h"
#include "morphology/FormStemSeeker.h"

namespace kunimor {

class Table;
class TBelModule;

// Stores a new word and returns its number (negative when nothing was stored).
using TWordStore = std::function<int32_t(int lang, int32_t wordNo, int16_t tag, int32_t etalonNo,
                                         const std::string& stem)>;

// Adds a paradigm (lang, sample stem, Forms text, kind, gender) and returns
// its number.
using TParadigmStore = std::function<int32_t(int lang, const std::string& stem, const std::string& forms, int kind,
                                             int gender)>;
// Shows the derived stem and Forms text to the user; false when they decline.
using TParadigmConfirm = std::function<bool(const std::string& stem, const std::string& forms)>;

// Proposes existing paradigms for a new word: every paradigm of the word's
// kind that can produce the known forms, ranked by how much its most
// similar word resembles the new one.
class TAdvStemSeeker : public TStemSeeker {
public:
    // Gives the words table an index on EtalonNo (EtalonNoInd) and makes it current.
    TAdvStemSeeker(TBelModule& module, int lang, int kind);

    // Ranks by the forms of each paradigm's words, which the seeker builds
    // once and remembers: a seeker kept while words are added is told of
    // each new word (words deleted meanwhile only blur the ranking).
    void FindCandidates();
    void RememberWord(int32_t etalonNo, const std::string& stem);
    // Throws Error for an index outside Candidates.
    void DeleteCandidate(int index);
    // Stores the new word with the first candidate through store; wordNo
    // becomes the number store returns. Throws Error when the candidate has
    // no stem.
    void ApplyCandidate(int32_t& wordNo, int16_t& tag, const TWordStore& store);
    // When no existing paradigm fits: derives the stem and a Forms text from
    // the container's forms, lets confirm (when given) accept them, adds the
    // paradigm through store and makes it the only candidate. False when
    // the forms give no paradigm or the user declines; nothing is added then.
    bool NewParadigmFromForms(const TParadigmStore& store, const TParadigmConfirm& confirm = nullptr);

    Table& EtalonTbl;
    Table& WordsTbl;
    int Kind;
    int Gender = 0;  // for nouns, 1–4
    std::vector<TEtaRec> Candidates;
    bool NeedSecondHalf = false;
    int NeedGender = 0;   // 0 = any
    int NeedAnimacy = 0;  // 0 = any

private:
    // Calls visit with the stem of every word of the paradigm until it returns false.
    void ForEachWordStem(int32_t etalonNo, const std::function<bool(const std::string&)>& visit);
    void RankCandidates();
    struct BuiltForm {
        std::string reversed;  // the word's reference form, back to front
        std::string stem;
    };
    // The reference form of every word of the paradigm, sorted by its reversed text.
    const std::vector<BuiltForm>& ReferenceForms(const TEtaRec& rec, int refNo, bool refAlt);
    std::map<std::tuple<int32_t, int, bool>, std::vector<BuiltForm>> referenceForms_;
};

// How much built resembles reference by their common ending; doubled when
// all of reference is that ending, quadrupled when the two are equal.
int EndingScore(std::string_view reference, std::string_view built);

}  // namespace kunimor

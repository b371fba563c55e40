#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "import/CuratedPairs.h"
#include "import/DictionaryBuilder.h"
#include "import/ImportReport.h"
#include "import/ImportTypes.h"
#include "import/PhraseCollocations.h"

namespace kunimor::import {

// Collects the translation links of the new dictionary and writes them in
// the order a user would want a word's translations in: pairs of the core
// vocabulary first, in the core's order, then the other curated pairs of
// the supplement, then pairs both bilingual dictionaries list, then pairs
// only one lists, then pairs found by spelling; within each, the target
// spelled most like the source first.
//
// Priorities (lower is better): a pair gets 1 in each direction whose
// dictionary lists it and 2 in the other; pairs found by spelling get 2
// both ways; a supplement entry sets its own priority both ways and
// replaces what the open data said about the same pair. A core entry sets
// its priority only into its target language; every other translation of a
// source word the core covers falls to at least 2 in that direction, so
// the core's translations win whatever the open data said.
class TLinkCollector {
public:
    TLinkCollector(TDictionaryBuilder& builder, TImportReport& report)
        : builder_(builder), report_(report), phrases_(builder, report) {}

    void AddCurated(const TCuratedPair& pair);
    void AddInduced(const TLemmaPair& pair);
    void AddSupplement(const std::string& ru, const std::string& be, int kind, int priority);
    // A pair of the core vocabulary translating from sourceLang; pairs added
    // earlier rank before later ones of the same source word. Add them after
    // every other pair, so that they have the last word.
    void AddCore(const std::string& ru, const std::string& be, int kind, int priority, int sourceLang);

    // Appends the links to the Trans table, in rank order.
    void Write(Table& trans) const;

private:
    enum Tier { kCore, kSupplement, kBothDirections, kOneDirection, kInduced };
    struct TLink {
        int IntoRussian = 2, IntoBelarusian = 2;
        Tier Rank = kInduced;
        int CoreOrder = 0;  // the core entries' order, for kCore links
        int Distance = 0;
        bool CoreInto[2] = {false, false};  // named by the core for translating into the language
        // Russian reflexive forms to a Belarusian reflexive verb (its own word).
        bool ReflexiveHalf = false;
    };
    const std::string& DataSpelling(int lang, const std::string& lemma);
    // The words of the language with this lemma, kind (0: any) and gender (0:
    // any); for an unchangeable phrase no generator has, its collocation.
    std::vector<int32_t> Words(int lang, const std::string& lemma, int kind, int gender, const char* what);
    int CorrespondenceFlags(int32_t ruNo, int32_t beNo) const;
    void AddMissingFunctionWord(int lang, const std::string& word);
    void AddMissingFunctionWords(const std::string& ru, const std::string& be, int kind);
    template <class Change>
    void LinkReflexiveHalves(const std::vector<int32_t>& ruWords, const std::string& be, int beKind, int distance,
                             Change change);
    template <class Change>
    void LinkParticiples(const std::string& ru, int ruKind, const std::string& be, int beKind, Change change);
    template <class Change>
    int Link(const std::string& ru, int ruKind, int ruGender, const std::string& be, int beKind, int beGender,
             Change change);

    TDictionaryBuilder& builder_;
    TImportReport& report_;
    TPhraseCollocations phrases_;
    std::map<std::pair<int32_t, int32_t>, TLink> links_;
    std::map<std::string, std::string> plainSpellings_;  // Belarusian lemmas with ё → as the data writes them
    std::set<int32_t> coreSources_[2];  // by source language: words whose translations the core ranks
    int coreEntries_ = 0;
};

}  // namespace kunimor::import

#include "import/TagSlots.h"

#include "ground/Language.h"
#include "morphology/WordKind.h"

#include <algorithm>
#include <array>

namespace kunimor::import {

namespace {

bool Has(const std::vector<std::string>& tags, std::string_view tag) {
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

// 1..6 for nom gen dat acc ins and the prepositional (Russian prp, Belarusian loc).
int CaseOf(const std::vector<std::string>& tags) {
    static constexpr std::array<std::string_view, 5> kCases = {"nom", "gen", "dat", "acc", "ins"};
    for (const std::string& t : tags) {
        for (size_t i = 0; i < kCases.size(); ++i)
            if (t == kCases[i]) return static_cast<int>(i) + 1;
        if (t == "prp" || t == "loc") return 6;
    }
    return 0;
}

// 1 m, 2 f, 3 nt, 4 plural; 0 when the tags name none.
int GenderNumberOf(const std::vector<std::string>& tags) {
    if (Has(tags, "pl")) return 4;
    if (Has(tags, "m")) return 1;
    if (Has(tags, "f")) return 2;
    if (Has(tags, "nt")) return 3;
    return 0;
}

bool HasGender(const std::vector<std::string>& tags) {
    return Has(tags, "m") || Has(tags, "f") || Has(tags, "nt") || Has(tags, "mfn") || Has(tags, "mf");
}

// Persons and numbers of the present/future in form order 2..7.
int PersonForm(const std::vector<std::string>& tags) {
    const bool plural = Has(tags, "pl");
    if (Has(tags, "p1")) return plural ? 3 : 2;
    if (Has(tags, "p2")) return plural ? 5 : 4;
    if (Has(tags, "p3")) return plural ? 7 : 6;
    return 0;
}

TSlotResult Drop(const char* reason) { return {std::nullopt, reason}; }
TSlotResult Put(int form, bool alt = false, bool fallback = false) { return {TFormSlot{form, alt, fallback}, nullptr}; }

TSlotResult NounSlot(int lang, const std::vector<std::string>& tags) {
    const int c = CaseOf(tags);
    if (c == 0) return Drop("noun form without a case (vocative, count form)");
    const int form = c + (Has(tags, "pl") ? 6 : 0);
    // The Russian second locative (в лесу) is the alternative of the prepositional.
    const bool secondLocative = lang == kRussian && Has(tags, "loc");
    return Put(form, secondLocative);
}

TSlotResult AdjectiveSlot(int lang, const std::vector<std::string>& tags) {
    if (Has(tags, "cmp")) return Put(25);  // the adverb: вяліка, велико
    if (Has(tags, "comp")) {
        // Only synthetic comparatives are real words; the analytic ones of the data are broken.
        if (CaseOf(tags) != 0) return Drop("declined comparative");
        if (lang == kRussian && !Has(tags, "sint")) return Drop("analytic comparative (broken in the data)");
        return Put(26);
    }
    const int g = GenderNumberOf(tags);
    if (Has(tags, "short")) {
        // Short forms are the alternatives of the nominative: нов, нова, ново, новы.
        if (g == 0) return Drop("short form without gender");
        return Put(g, true);
    }
    // A predicative with gender (должен, должна; павінен) has its nominatives alone.
    if (tags.front() == "pred" && g != 0) return Put(g);
    const int c = CaseOf(tags);
    if (c == 0 || g == 0) return Drop("adjective form without case or gender");
    // The animate accusative (нового, новых) is the alternative of the accusative.
    return Put((c - 1) * 4 + g, c == 4 && Has(tags, "aa"));
}

TSlotResult VerbSlot(int kind, const std::vector<std::string>& tags) {
    const int reflexive = Has(tags, "pass") ? 15 : 0;
    if (Has(tags, "actv") || Has(tags, "pasv")) return Drop("participle");
    if (Has(tags, "neg")) return Drop("negated verb form");
    if (Has(tags, "inf")) return Put(1 + reflexive);
    if (Has(tags, "adv")) {
        if (Has(tags, "pprs")) return Put(8 + reflexive);
        if (Has(tags, "pp")) return Put(13 + reflexive);
        return Drop("gerund of unknown tense");
    }
    if (Has(tags, "past")) {
        const int g = GenderNumberOf(tags);
        if (g == 0) return Drop("past form without gender");
        return Put(8 + g + reflexive);
    }
    if (Has(tags, "imp")) {
        if (!Has(tags, "p2")) return Drop("imperative of the 1st or 3rd person");
        return Put((Has(tags, "pl") ? 15 : 14) + reflexive);
    }
    const bool pres = Has(tags, "pres"), fut = Has(tags, "fut");
    if (pres || fut) {
        const int form = PersonForm(tags);
        if (form == 0) return Drop("personal form without person");
        // Perfective verbs (and быть) take their future; the other tense only fills gaps.
        const bool wantsFuture = kind == kPerfectiveVerb || Has(tags, "vbser");
        // быть's present (есть, ёсць) is the alternative beside its future.
        const bool otherTense = fut != wantsFuture;
        return Put(form + reflexive, otherTense && Has(tags, "vbser"), otherTense);
    }
    return Drop("verb form of an unknown tense");
}

}  // namespace

std::optional<TAnalysis> SplitAnalysis(std::string_view text) {
    const size_t lt = text.find('<');
    if (lt == std::string_view::npos || lt == 0 || text.find('#') != std::string_view::npos) return std::nullopt;
    TAnalysis a;
    a.Lemma = std::string(text.substr(0, lt));
    size_t pos = lt;
    while (pos < text.size()) {
        if (text[pos] != '<') return std::nullopt;  // text after the tags
        const size_t gt = text.find('>', pos);
        if (gt == std::string_view::npos) return std::nullopt;
        a.Tags.emplace_back(text.substr(pos + 1, gt - pos - 1));
        pos = gt + 1;
    }
    return a;
}

int KindOfTags(const std::vector<std::string>& tags) {
    if (tags.empty()) return kUndefinedKind;
    const std::string& pos = tags.front();
    if (pos == "n" || pos == "np") return kNoun;
    if (pos == "adj") return kAdjective;
    if (pos == "vblex" || pos == "vbmod" || pos == "vbser" || pos == "vbhaver")
        return Has(tags, "perf") ? kPerfectiveVerb : kImperfectiveVerb;
    if (pos == "pred" && HasGender(tags)) return kAdjective;
    if (pos == "prn" || pos == "det" || pos == "num") {
        if (CaseOf(tags) == 0) return kUnchangeable;
        return HasGender(tags) ? kAdjective : kNoun;
    }
    static constexpr std::array<std::string_view, 10> kUnchangeableKinds = {
        "adv", "pr", "cnjcoo", "cnjsub", "cnjadv", "part", "ij", "pred", "abbr", "preadv"};
    if (std::find(kUnchangeableKinds.begin(), kUnchangeableKinds.end(), pos) != kUnchangeableKinds.end())
        return kUnchangeable;
    return kUndefinedKind;
}

TSlotResult FormSlotOfTags(int lang, int kind, const std::vector<std::string>& tags) {
    switch (kind) {
        case kNoun: return NounSlot(lang, tags);
        case kAdjective: return AdjectiveSlot(lang, tags);
        case kPerfectiveVerb:
        case kImperfectiveVerb: return VerbSlot(kind, tags);
        case kUnchangeable: return Put(1);
        default: return Drop("part of speech not taken");
    }
}

int NounGenderOfTags(const std::vector<std::string>& tags) {
    if (Has(tags, "m") || Has(tags, "mf")) return 1;  // common gender (сирота) agrees as masculine
    if (Has(tags, "f")) return 2;
    if (Has(tags, "nt")) return 3;
    return 4;
}

}  // namespace kunimor::import

#include "import/VerbInduction.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "import/SpellingCorrespondence.h"
#include "import/VerbBlockingKey.h"
#include "import/VerbFalseFriends.h"

namespace kunimor::import {

namespace {

struct TMatch {
    double Score = std::numeric_limits<double>::infinity();
    std::size_t Other = 0;
};

std::string BucketOf(const TLemma& verb, bool russian) {
    return static_cast<char>('0' + verb.Kind) + VerbBlockingKey(verb.Lemma, russian);
}

// Mean cost per Russian letter over the infinitive and the probe forms both
// verbs have, or nothing when some spelling is beyond the ceiling.
std::optional<double> PairScore(const TSpellingCorrespondence& spelling, const TLemma& ru, const TLemma& be,
                                double ceiling) {
    const auto relativeCost = [&](const std::string& ruText, const std::string& beText) {
        return spelling.Distance(ruText, beText) / static_cast<double>(ruText.size());
    };
    double total = relativeCost(ru.Lemma, be.Lemma);
    if (total > ceiling) return std::nullopt;
    int compared = 1;
    for (std::size_t k = 0; k < ru.ProbeForms.size() && k < be.ProbeForms.size(); ++k) {
        if (ru.ProbeForms[k].empty() || be.ProbeForms[k].empty()) continue;
        const double cost = relativeCost(ru.ProbeForms[k], be.ProbeForms[k]);
        if (cost > ceiling) return std::nullopt;
        total += cost;
        ++compared;
    }
    return total / compared;
}

// The curated pairs, and for their verbs the probe forms side by side too:
// the lemmas alone never show how the endings of the forms correspond.
TSpellingCorrespondence::TSpellingPairs LearningPairs(const std::vector<TLemmaPair>& curated,
                                                      const std::vector<TLemma>& ruVerbs,
                                                      const std::vector<TLemma>& beVerbs) {
    const auto index = [](const std::vector<TLemma>& verbs) {
        std::unordered_map<std::string, const TLemma*> byLemma;
        for (const TLemma& verb : verbs) byLemma.emplace(static_cast<char>('0' + verb.Kind) + verb.Lemma, &verb);
        return byLemma;
    };
    const auto ruByLemma = index(ruVerbs), beByLemma = index(beVerbs);
    TSpellingCorrespondence::TSpellingPairs learning;
    for (const TLemmaPair& pair : curated) {
        learning.emplace_back(pair.Ru, pair.Be);
        const std::string kind(1, static_cast<char>('0' + pair.Kind));
        const auto ru = ruByLemma.find(kind + pair.Ru), be = beByLemma.find(kind + pair.Be);
        if (ru == ruByLemma.end() || be == beByLemma.end()) continue;
        const auto& ruForms = ru->second->ProbeForms;
        const auto& beForms = be->second->ProbeForms;
        for (std::size_t k = 0; k < ruForms.size() && k < beForms.size(); ++k) {
            if (!ruForms[k].empty() && !beForms[k].empty()) learning.emplace_back(ruForms[k], beForms[k]);
        }
    }
    return learning;
}

}  // namespace

std::vector<TLemmaPair> InduceVerbPairs(const std::vector<TLemmaPair>& curated,
                                        const std::vector<TLemma>& ruVerbs,
                                        const std::vector<TLemma>& beVerbs,
                                        const TVerbInductionOptions& options) {
    std::unordered_set<std::string> translatedRu, translatedBe;
    for (const TLemmaPair& pair : curated) {
        translatedRu.insert(pair.Ru);
        translatedBe.insert(pair.Be);
    }
    const TSpellingCorrespondence spelling = TSpellingCorrespondence::Learn(LearningPairs(curated, ruVerbs, beVerbs));

    std::unordered_map<std::string, std::vector<std::size_t>> beBuckets;
    for (std::size_t j = 0; j < beVerbs.size(); ++j) {
        if (!beVerbs[j].Lemma.empty() && !translatedBe.contains(beVerbs[j].Lemma)) {
            beBuckets[BucketOf(beVerbs[j], false)].push_back(j);
        }
    }

    std::vector<TMatch> bestOfRu(ruVerbs.size()), bestOfBe(beVerbs.size());
    for (std::size_t i = 0; i < ruVerbs.size(); ++i) {
        const TLemma& ru = ruVerbs[i];
        if (ru.Lemma.empty() || translatedRu.contains(ru.Lemma)) continue;
        const auto bucket = beBuckets.find(BucketOf(ru, true));
        if (bucket == beBuckets.end()) continue;
        for (const std::size_t j : bucket->second) {
            if (IsVerbFalseFriend(ru.Lemma, beVerbs[j].Lemma)) continue;
            const std::optional<double> score = PairScore(spelling, ru, beVerbs[j], options.MaxSpellingCost);
            if (!score || *score > options.MaxScore) continue;
            if (*score < bestOfRu[i].Score) bestOfRu[i] = {*score, j};
            if (*score < bestOfBe[j].Score) bestOfBe[j] = {*score, i};
        }
    }

    std::vector<TLemmaPair> induced;
    for (std::size_t i = 0; i < ruVerbs.size(); ++i) {
        const TMatch& match = bestOfRu[i];
        if (match.Score > options.MaxScore || bestOfBe[match.Other].Other != i) continue;
        induced.push_back({ruVerbs[i].Lemma, beVerbs[match.Other].Lemma, ruVerbs[i].Kind, match.Score});
    }
    return induced;
}

}  // namespace kunimor::import

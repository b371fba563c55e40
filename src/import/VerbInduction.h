#pragma once

#include <vector>

#include "import/ImportTypes.h"

namespace kunimor::import {

struct TVerbInductionOptions {
    // Highest accepted score: the mean spelling cost per Russian letter over
    // the infinitive and the probe forms. On the apertium data nearly every
    // pair below it is right; the share of wrong pairs grows quickly above.
    double MaxScore = 1.0;
    // No single spelling of a pair may cost more per letter: the forms
    // confirm the infinitive, they cannot rescue it.
    double MaxSpellingCost = 1.6;
};

// Pairs Russian and Belarusian verbs of the same aspect whose infinitives and
// probe forms (3rd person singular, past masculine) differ only by the
// regular spelling correspondences learned from the curated pairs (pairs of
// every kind teach). A pair is taken only when each verb is the other's
// cheapest match; verbs the curated pairs already translate and known false
// friends never pair. Score is the pair's cost, 0 would be a perfect match.
std::vector<TLemmaPair> InduceVerbPairs(const std::vector<TLemmaPair>& curated,
                                        const std::vector<TLemma>& ruVerbs,
                                        const std::vector<TLemma>& beVerbs,
                                        const TVerbInductionOptions& options = {});

}  // namespace kunimor::import

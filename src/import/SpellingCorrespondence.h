#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kunimor::import {

// A weighted edit distance from a Russian to a Belarusian spelling whose
// costs are learned from translation pairs. One step rewrites one Russian
// letter as one or two Belarusian ones, or two Russian letters as one, or
// adds or drops a letter, and costs -log of how often that happened in the
// aligned pairs, so the
// regular correspondences (о→а, и→і, т→ц, щ→шч) come almost free while an
// unseen change costs a lot. Text is Windows-1251 in lower case.
class TSpellingCorrespondence {
public:
    using TSpellingPairs = std::vector<std::pair<std::string, std::string>>;

    // Aligns the pairs (Russian, Belarusian) a few times, each time with the
    // costs counted from the previous alignment. Pairs too far apart to be
    // cognates are left out of the counts.
    static TSpellingCorrespondence Learn(const TSpellingPairs& pairs);

    double Distance(std::string_view ru, std::string_view be) const;

private:
    struct TAlignment;
    TSpellingCorrespondence();
    TAlignment Align(std::string_view ru, std::string_view be, bool withPieces) const;
    void CountFrom(const TSpellingPairs& pairs, double maxRelativeCost);

    float& Substitution(unsigned char ru, unsigned char be) { return Substitutions[ru * 256u + be]; }
    float Substitution(unsigned char ru, unsigned char be) const { return Substitutions[ru * 256u + be]; }
    // A step with two letters on one side; the absent letter is 0.
    float WideStep(unsigned char ru1, unsigned char ru2, unsigned char be1, unsigned char be2) const;

    std::vector<float> Substitutions;  // 256 x 256
    std::vector<float> Deletions;      // a Russian letter with no Belarusian one
    std::vector<float> Insertions;     // a Belarusian letter with no Russian one
    std::unordered_map<std::uint32_t, float> WideSteps;
    std::vector<bool> RuWideLetters, BeWideLetters;  // letter pairs some wide step starts with
    bool Learned = false;  // before learning every step has a unit cost and there are no two-letter steps
};

}  // namespace kunimor::import

#include "import/SpellingCorrespondence.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kunimor::import {

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr float kUnseenCost = 8.0f;          // about one in three thousand
constexpr float kUnknownLetterIdentity = 0.5f;  // a letter the pairs never showed, kept as it is
constexpr int kMinWideStepCount = 2;          // a two-letter step seen once is noise
constexpr int kLearningRounds = 3;
// Before learning, costs are unit edit costs: pairs costing more than this
// share of the Russian length are not cognates and teach nothing.
constexpr double kCognateUnitShare = 0.5;
// After learning, the same cut in learned cost per Russian letter.
constexpr double kCognateLearnedCost = 2.0;

constexpr char kWordEnd = '\x01';

enum class TStep : unsigned char { Substitute, Delete, Insert, WideRu, WideBe };

std::uint32_t WideKey(unsigned char ru1, unsigned char ru2, unsigned char be1, unsigned char be2) {
    return (std::uint32_t{ru1} << 24) | (std::uint32_t{ru2} << 16) | (std::uint32_t{be1} << 8) | be2;
}

unsigned LetterPair(unsigned char first, unsigned char second) { return first * 256u + second; }

float CostOf(double count, double total) {
    if (count <= 0) return kUnseenCost;
    return std::min(kUnseenCost, static_cast<float>(-std::log(count / (total + 1))));
}

}  // namespace

struct TSpellingCorrespondence::TAlignment {
    double Cost = 0;
    struct TPiece {
        std::string Ru, Be;
    };
    std::vector<TPiece> Pieces;  // filled only when asked for
};

TSpellingCorrespondence::TSpellingCorrespondence()
    : Substitutions(256 * 256, 1.0f),
      Deletions(256, 1.0f),
      Insertions(256, 1.0f),
      RuWideLetters(256 * 256, true),
      BeWideLetters(256 * 256, true) {
    for (unsigned c = 0; c < 256; ++c) Substitution(static_cast<unsigned char>(c), static_cast<unsigned char>(c)) = 0;
}

float TSpellingCorrespondence::WideStep(unsigned char ru1, unsigned char ru2, unsigned char be1,
                                        unsigned char be2) const {
    if (ru2 != 0 && !RuWideLetters[LetterPair(ru1, ru2)]) return kInfinity;
    if (be2 != 0 && !BeWideLetters[LetterPair(be1, be2)]) return kInfinity;
    if (!Learned) return kInfinity;
    const auto found = WideSteps.find(WideKey(ru1, ru2, be1, be2));
    return found == WideSteps.end() ? kInfinity : found->second;
}

// Tables of the cheapest rewriting, reused between calls; the step table is
// filled only when the pieces are asked for.
static thread_local std::vector<float> gCosts;
static thread_local std::vector<unsigned char> gSteps;

TSpellingCorrespondence::TAlignment TSpellingCorrespondence::Align(std::string_view ruWord, std::string_view beWord,
                                                                   bool withPieces) const {
    // Both spellings end in a mark, so that changes bound to the end of a
    // word (читает → чытае, читал → чытаў) are learned as such.
    static thread_local std::string ru, be;
    ru.assign(ruWord).push_back(kWordEnd);
    be.assign(beWord).push_back(kWordEnd);
    const std::size_t n = ru.size(), m = be.size(), width = m + 1;
    gCosts.assign((n + 1) * width, kInfinity);
    if (withPieces) gSteps.assign((n + 1) * width, 0);
    const auto r = [&](std::size_t i) { return static_cast<unsigned char>(ru[i]); };
    const auto b = [&](std::size_t j) { return static_cast<unsigned char>(be[j]); };
    gCosts[0] = 0;
    for (std::size_t i = 0; i <= n; ++i) {
        for (std::size_t j = 0; j <= m; ++j) {
            if (i == 0 && j == 0) continue;
            float best = kInfinity;
            TStep step = TStep::Substitute;
            const auto offer = [&](float cost, TStep kind) {
                if (cost < best) best = cost, step = kind;
            };
            if (i > 0 && j > 0) offer(gCosts[(i - 1) * width + j - 1] + Substitution(r(i - 1), b(j - 1)), TStep::Substitute);
            if (i > 0) offer(gCosts[(i - 1) * width + j] + Deletions[r(i - 1)], TStep::Delete);
            if (j > 0) offer(gCosts[i * width + j - 1] + Insertions[b(j - 1)], TStep::Insert);
            if (i > 1 && j > 0) offer(gCosts[(i - 2) * width + j - 1] + WideStep(r(i - 2), r(i - 1), b(j - 1), 0), TStep::WideRu);
            if (i > 0 && j > 1) offer(gCosts[(i - 1) * width + j - 2] + WideStep(r(i - 1), 0, b(j - 2), b(j - 1)), TStep::WideBe);
            gCosts[i * width + j] = best;
            if (withPieces) gSteps[i * width + j] = static_cast<unsigned char>(step);
        }
    }
    TAlignment alignment;
    alignment.Cost = gCosts[n * width + m];
    if (!withPieces) return alignment;
    for (std::size_t i = n, j = m; i > 0 || j > 0;) {
        std::size_t ruTaken = 1, beTaken = 1;
        switch (static_cast<TStep>(gSteps[i * width + j])) {
            case TStep::Substitute: break;
            case TStep::Delete: beTaken = 0; break;
            case TStep::Insert: ruTaken = 0; break;
            case TStep::WideRu: ruTaken = 2; break;
            case TStep::WideBe: beTaken = 2; break;
        }
        alignment.Pieces.push_back({ru.substr(i - ruTaken, ruTaken), be.substr(j - beTaken, beTaken)});
        i -= ruTaken;
        j -= beTaken;
    }
    std::reverse(alignment.Pieces.begin(), alignment.Pieces.end());
    return alignment;
}

void TSpellingCorrespondence::CountFrom(const TSpellingPairs& pairs, double maxCostPerLetter) {
    std::vector<double> substituted(256 * 256), deleted(256), inserted(256), letters(256);
    std::vector<double> letterPairs(256 * 256);
    std::unordered_map<std::uint32_t, double> wide;
    double ruLetters = 0;
    for (const auto& [ru, be] : pairs) {
        if (ru.empty() || be.empty()) continue;
        const TAlignment alignment = Align(ru, be, true);
        if (alignment.Cost > maxCostPerLetter * static_cast<double>(ru.size())) continue;
        const std::string marked = ru + kWordEnd;
        ruLetters += static_cast<double>(marked.size());
        for (std::size_t i = 0; i < marked.size(); ++i) {
            letters[static_cast<unsigned char>(marked[i])] += 1;
            if (i + 1 < marked.size()) letterPairs[LetterPair(marked[i], marked[i + 1])] += 1;
        }
        const auto countWide = [&wide](const std::string& ruText, const std::string& beText) {
            const auto at = [](const std::string& s, std::size_t k) {
                return k < s.size() ? static_cast<unsigned char>(s[k]) : static_cast<unsigned char>(0);
            };
            wide[WideKey(at(ruText, 0), at(ruText, 1), at(beText, 0), at(beText, 1))] += 1;
        };
        const auto& pieces = alignment.Pieces;
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            const auto& piece = pieces[k];
            if (piece.Ru.size() == 2 || piece.Be.size() == 2) {
                countWide(piece.Ru, piece.Be);
                continue;
            }
            if (!piece.Ru.empty() && !piece.Be.empty()) {
                substituted[LetterPair(piece.Ru[0], piece.Be[0])] += 1;
                continue;
            }
            (piece.Be.empty() ? deleted[static_cast<unsigned char>(piece.Ru[0])]
                              : inserted[static_cast<unsigned char>(piece.Be[0])]) += 1;
            // A letter added or dropped next to a one-for-one step may belong
            // to it (д→дз, щ→шч): both joins are counted as two-letter steps.
            if (k > 0 && pieces[k - 1].Ru.size() == 1 && pieces[k - 1].Be.size() == 1) {
                countWide(pieces[k - 1].Ru + piece.Ru, pieces[k - 1].Be + piece.Be);
            }
            if (k + 1 < pieces.size() && pieces[k + 1].Ru.size() == 1 && pieces[k + 1].Be.size() == 1) {
                countWide(piece.Ru + pieces[k + 1].Ru, piece.Be + pieces[k + 1].Be);
            }
        }
    }
    for (unsigned ru = 0; ru < 256; ++ru) {
        const bool known = letters[ru] > 0;
        for (unsigned be = 0; be < 256; ++be) {
            Substitutions[ru * 256 + be] = (!known && ru == be) ? kUnknownLetterIdentity
                                                                : CostOf(substituted[ru * 256 + be], letters[ru]);
        }
        Deletions[ru] = CostOf(deleted[ru], letters[ru]);
        Insertions[ru] = CostOf(inserted[ru], ruLetters);
    }
    Learned = true;
    WideSteps.clear();
    std::fill(RuWideLetters.begin(), RuWideLetters.end(), false);
    std::fill(BeWideLetters.begin(), BeWideLetters.end(), false);
    for (const auto& [key, count] : wide) {
        if (count < kMinWideStepCount) continue;
        const auto ru1 = static_cast<unsigned char>(key >> 24), ru2 = static_cast<unsigned char>(key >> 16);
        const auto be1 = static_cast<unsigned char>(key >> 8), be2 = static_cast<unsigned char>(key);
        const double sourceCount = ru2 != 0 ? letterPairs[LetterPair(ru1, ru2)] : letters[ru1];
        WideSteps[key] = CostOf(count, sourceCount);
        if (ru2 != 0) RuWideLetters[LetterPair(ru1, ru2)] = true;
        if (be2 != 0) BeWideLetters[LetterPair(be1, be2)] = true;
    }
}

TSpellingCorrespondence TSpellingCorrespondence::Learn(const TSpellingPairs& pairs) {
    TSpellingCorrespondence model;
    model.CountFrom(pairs, kCognateUnitShare);
    for (int round = 1; round < kLearningRounds; ++round) model.CountFrom(pairs, kCognateLearnedCost);
    return model;
}

double TSpellingCorrespondence::Distance(std::string_view ru, std::string_view be) const {
    return Align(ru, be, false).Cost;
}

}  // namespace kunimor::import

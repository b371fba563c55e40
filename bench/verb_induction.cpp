// Measures verb-pair induction on extracted word lists: strict precision on
// curated pairs held out from the learning, then a full run with its time.
//
//   verb_induction RU_VERBS BE_VERBS CURATED [ACCEPTED_OUT]
//
// RU_VERBS, BE_VERBS: UTF-8 TSV "lemma, kind, 3rd person singular, past masculine";
// CURATED: UTF-8 TSV "Russian, Belarusian, kind" (every kind; verbs are held out).
// ACCEPTED_OUT receives the pairs of the full run with their scores.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "import/VerbInduction.h"
#include "morphology/WordKind.h"
#include "ground/Cp1251.h"

namespace {

using namespace kunimor;
using namespace kunimor::import;

constexpr int kFolds = 5;
// Scores are collected far above any threshold, then counted per threshold:
// a pair accepted at a threshold is exactly a pair collected with its score below it.
constexpr double kCollectAll = 10.0;
const std::vector<double> kThresholds = {0.4, 0.5, 0.55, 0.6, 0.65, 0.7, 0.75, 0.8, 0.9, 1.0, 1.2};

std::vector<std::vector<std::string>> ReadTsv(const char* path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error(std::string("cannot open ") + path);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        std::string text;
        if (!Utf8ToCp1251(line, text)) continue;
        std::vector<std::string> fields;
        std::istringstream cells(text);
        for (std::string cell; std::getline(cells, cell, '\t');) fields.push_back(cell);
        if (text.ends_with('\t')) fields.emplace_back();
        rows.push_back(fields);
    }
    return rows;
}

std::vector<TLemma> ReadVerbs(const char* path) {
    std::vector<TLemma> verbs;
    for (const auto& row : ReadTsv(path)) {
        if (row.size() >= 4) verbs.push_back({row[0], std::stoi(row[1]), {row[2], row[3]}});
    }
    return verbs;
}

std::vector<TLemmaPair> ReadPairs(const char* path) {
    std::vector<TLemmaPair> pairs;
    for (const auto& row : ReadTsv(path)) {
        if (row.size() >= 3) pairs.push_back({row[0], row[1], std::stoi(row[2]), 0});
    }
    return pairs;
}

void MeasureHeldOut(const std::vector<TLemmaPair>& curated, const std::vector<TLemma>& ru,
                    const std::vector<TLemma>& be) {
    std::map<std::string, std::set<std::string>> verbTranslations;
    for (const auto& pair : curated) {
        if (IsVerb(pair.Kind)) verbTranslations[pair.Ru].insert(pair.Be);
    }
    std::vector<std::pair<double, bool>> judged;  // score, induced translation is the curated one
    std::vector<TLemmaPair> misses;
    std::size_t heldOut = 0;
    for (int fold = 0; fold < kFolds; ++fold) {
        std::set<std::string> held;
        int k = 0;
        for (const auto& [word, translations] : verbTranslations) {
            if (k++ % kFolds == fold) held.insert(word);
        }
        heldOut += held.size();
        std::vector<TLemmaPair> learning;
        for (const auto& pair : curated) {
            if (!(IsVerb(pair.Kind) && held.contains(pair.Ru))) learning.push_back(pair);
        }
        for (const auto& pair : InduceVerbPairs(learning, ru, be, {.MaxScore = kCollectAll})) {
            if (!held.contains(pair.Ru)) continue;
            const bool strict = verbTranslations[pair.Ru].contains(pair.Be);
            judged.emplace_back(pair.Score, strict);
            if (!strict) misses.push_back(pair);
        }
    }
    std::printf("held-out Russian verbs: %zu\nthreshold  paired  strict-correct  strict-precision\n", heldOut);
    for (const double threshold : kThresholds) {
        std::size_t paired = 0, correct = 0;
        for (const auto& [score, ok] : judged) {
            if (score <= threshold) ++paired, correct += ok;
        }
        std::printf("%9.2f  %6zu  %14zu  %15.1f%%\n", threshold, paired, correct,
                    paired ? 100.0 * static_cast<double>(correct) / static_cast<double>(paired) : 0.0);
    }
    std::sort(misses.begin(), misses.end(), [](const auto& a, const auto& b) { return a.Score < b.Score; });
    std::printf("held-out pairs whose induced translation is not the curated one:\n");
    for (const auto& pair : misses) {
        std::printf("  %.3f %s -> %s (curated:", pair.Score, Cp1251ToUtf8(pair.Ru).c_str(), Cp1251ToUtf8(pair.Be).c_str());
        for (const auto& be : verbTranslations[pair.Ru]) std::printf(" %s", Cp1251ToUtf8(be).c_str());
        std::printf(")\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: verb_induction RU_VERBS BE_VERBS CURATED [ACCEPTED_OUT]\n";
        return 2;
    }
    try {
        const auto ru = ReadVerbs(argv[1]);
        const auto be = ReadVerbs(argv[2]);
        const auto curated = ReadPairs(argv[3]);
        std::printf("Russian verbs %zu, Belarusian verbs %zu, curated pairs %zu\n", ru.size(), be.size(), curated.size());
        MeasureHeldOut(curated, ru, be);

        const auto start = std::chrono::steady_clock::now();
        auto accepted = InduceVerbPairs(curated, ru, be, {.MaxScore = kCollectAll});
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::printf("full run: %.1f s\nnew pairs at threshold:", took.count());
        for (const double threshold : kThresholds) {
            std::printf(" %.2f:%zd", threshold, std::count_if(accepted.begin(), accepted.end(), [&](const auto& pair) {
                            return pair.Score <= threshold;
                        }));
        }
        std::printf("\n");
        if (argc > 4) {
            std::ofstream out(argv[4]);
            std::sort(accepted.begin(), accepted.end(), [](const auto& a, const auto& b) { return a.Score < b.Score; });
            for (const auto& pair : accepted) {
                out << Cp1251ToUtf8(pair.Ru) << '\t' << Cp1251ToUtf8(pair.Be) << '\t' << pair.Kind << '\t' << pair.Score << '\n';
            }
        }
    } catch (const std::exception& error) {
        std::cerr << "verb_induction: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

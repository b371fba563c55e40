#pragma once

#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "import/ImportReport.h"

namespace kunimor::import {

// A translation pair of the bilingual dictionaries, with the directions
// that list it. Nouns carry their gender so that homonyms of different
// gender link apart.
struct TCuratedPair {
    std::string Ru, Be;
    int RuKind = 0, BeKind = 0;
    int RuGender = 0, BeGender = 0;
    bool IntoRussian = false;     // listed by the Belarusian → Russian dictionary
    bool IntoBelarusian = false;  // listed by the Russian → Belarusian dictionary
    bool Abbreviation = false;
};

class TCuratedPairs {
public:
    explicit TCuratedPairs(TImportReport& report) : report_(report) {}

    // Adds the entries of one bilingual dictionary (ATT text); sourceLang is
    // the language of its input side.
    void AddBilingual(std::string_view attText, int sourceLang);

    const std::vector<TCuratedPair>& Pairs() const { return pairs_; }

private:
    void Add(std::string_view source, std::string_view target, int sourceLang);

    TImportReport& report_;
    std::vector<TCuratedPair> pairs_;
    std::map<std::tuple<std::string, std::string, int, int, int, int>, size_t> index_;
};

}  // namespace kunimor::import

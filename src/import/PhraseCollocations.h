#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "import/DictionaryBuilder.h"
#include "import/ImportReport.h"

namespace kunimor::import {

// Turns the fixed phrases of the supplement (калі ласка, по умолчанию, у них
// есть) into invariable collocations, so that the translator takes the words
// as one unit both as a source and as a target. Each word of a phrase is the
// dictionary word that has a form spelled so, in that form, or else a new
// unchangeable word; the first word gets the first-word flag, so that the
// translator looks for the phrase there.
class TPhraseCollocations {
public:
    TPhraseCollocations(TDictionaryBuilder& builder, TImportReport& report) : builder_(builder), report_(report) {}

    // The number of the collocation of these words (Windows-1251, separated
    // by single spaces), made on first use; 0 when the phrase has more words
    // than a collocation holds.
    int32_t Collocation(int lang, const std::string& phrase);

private:
    int32_t Make(int lang, const std::string& phrase);

    TDictionaryBuilder& builder_;
    TImportReport& report_;
    std::map<std::pair<int, std::string>, int32_t> made_;
    int32_t last_[2] = {kFirstNumber - 1, kFirstNumber - 1};
    static constexpr int32_t kFirstNumber = 5000001;
};

}  // namespace kunimor::import

#pragma once

#include <optional>

#include "dictionary/DirectionSwitch.h"
#include "ground/OrthoAnalyzer.h"

namespace kunimor {

class TBelModule;

// Lends a loaded dictionary to an analyser for as long as the object lives:
// the lexicon and the letter sets are switched to the analyser's spelling
// language and its KnowsWord seeks words as translation does (lower case,
// Russian "ё" as "е", a Belarusian opening "ў" as "у"), in any form. On
// leaving, KnowsWord is removed and the lexicon and letter sets are switched
// back, also on failure. A dictionary that is not loaded lends nothing.
class TDictionarySpelling {
public:
    TDictionarySpelling(TOrthoAnalyzer& analyzer, TBelModule& module);
    ~TDictionarySpelling();
    TDictionarySpelling(const TDictionarySpelling&) = delete;
    TDictionarySpelling& operator=(const TDictionarySpelling&) = delete;

private:
    TOrthoAnalyzer& analyzer_;
    std::optional<TDirectionSwitch> direction_;
    bool belarusianAlphabet_;
};

}  // namespace kunimor

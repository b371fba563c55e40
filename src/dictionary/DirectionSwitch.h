#pragma once

#include "dictionary/BelModule.h"
#include "ground/Direction.h"

namespace kunimor {

// Switches the lexicon to a source language and back, also on failure.
class TDirectionSwitch {
public:
    TDirectionSwitch(TBelModule& module, int lang) : module_(module), saved_(SourceLang) { module.SetDirection(lang); }
    ~TDirectionSwitch() { module_.SetDirection(saved_); }
    TDirectionSwitch(const TDirectionSwitch&) = delete;
    TDirectionSwitch& operator=(const TDirectionSwitch&) = delete;

private:
    TBelModule& module_;
    int saved_;
};

}  // namespace kunimor

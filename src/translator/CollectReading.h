#pragma once

#include "dictionary/WordFormProc.h"
#include "translator/WordForm.h"

namespace kunimor {

class TBelModule;

// What a lexicon query reports into: stem seeking reports readings of source
// words (lang = SourceLang), translation lookup reports target words
// (lang = TargetLang) for a reading of kind expectedKind.
struct TCandidateLookup {
    int lang = 0;
    int expectedKind = 0;  // translation lookup only
    TWordForm** list = nullptr;
};

// Sets the features a word's (or collocation's) Tag gives a candidate of
// f.Kind; only source words can start collocations.
void SetTagFeatures(TWordForm& f, uint16_t tag, bool sourceWord);

// The word-form callback that turns each report into a candidate appended to
// *lookup.list, with the grammatical features read from the form and the
// word's Tag. The lookup must outlive the callback.
TWordFormProc CollectReading(TBelModule& module, const TCandidateLookup& lookup);

}  // namespace kunimor

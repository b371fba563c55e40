#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kunimor {

// A paradigm's Forms text cut once into its existing forms, so that checking
// a candidate word against a surface form needs no scan of the text per form
// and applies each distinct run of rule codes to the stem only once.

struct TParsedForm {
    uint8_t FormNo = 0;
    uint8_t Alt = 0;
    int RuleRun = -1;    // index into RuleRuns, -1 when the part has no rule codes
    std::string Ending;  // the part without its rule codes; a bare "@" reads as empty
};

struct TParsedParadigm {
    uint8_t Kind = 0;
    std::string Forms;  // the text it was parsed from
    // The non-empty parts, form numbers ascending, main before alternative.
    std::vector<TParsedForm> Parts;
    // For each distinct run of rule codes, numbered in the order of Parts, the
    // whole first part that begins with it: applying that part's rules gives
    // the stem every part with the same run is built on.
    std::vector<std::string> RuleRuns;
};

// The parsed paradigm etalonNo of lang (any negative number is the
// unchangeable word's). Entries are kept process-wide and parsed again
// whenever the kind or Forms text passed in differs from the one they were
// parsed from, so an edited paradigm never needs an explicit invalidation.
// A parse that is replaced stays valid for whoever still holds it.
std::shared_ptr<const TParsedParadigm> ParsedParadigm(int lang, int etalonNo, int kind,
                                                      std::string_view forms);

}  // namespace kunimor

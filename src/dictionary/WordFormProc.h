#pragma once

#include <cstdint>
#include <functional>

namespace kunimor {

// Reports one dictionary word (or collocation) in one form: stem seeking
// calls it for every reading of a surface word, translation lookup for every
// target candidate.
struct TWordFormArgs {
    int32_t No = 0;          // word number, or collocation number (5,000,000 and above)
    uint8_t Form = 0;        // form number within the kind
    uint8_t Alt = 0;         // 0 main form, 1 alternative form
    bool CrossFlag = false;  // participle link: rendered with "не "
    uint8_t CrossCode = 0;   // participle link: slot 1-4, otherwise 0
    uint8_t Priority = 0;    // link priority for the target language
    int16_t Tag = 0;         // the word's (or collocation's) Tag
    uint8_t RodChislo = 0;   // gender/number of the word's paradigm
    uint8_t Kind = 0;        // word kind
};

using TWordFormProc = std::function<void(const TWordFormArgs&)>;

}  // namespace kunimor

#pragma once

#include <cstdint>
#include <vector>

#include "translator/VerbGroups.h"

namespace kunimor {

class TBelModule;

// What one verb sweep over the piece from first to last has walked over
// while taking verb readings from the words around its groups: a stretch
// walked once in a direction is not walked again, so that a long piece is
// swept in linear time. Elements are told apart by their place in the text.
class TVerbSweep {
public:
    TVerbSweep(const TWordEl* first, const TWordEl* last);
    // Marks el as walked leftwards (or rightwards); false if it was already.
    bool MarkLeft(const TWordEl* el) { return Mark(walkedLeft_, el); }
    bool MarkRight(const TWordEl* el) { return Mark(walkedRight_, el); }

private:
    bool Mark(std::vector<bool>& walked, const TWordEl* el);
    int32_t firstPos_ = 0;
    std::vector<bool> walkedLeft_, walkedRight_;
};

// The subject and the verbs of a group (ending at lastVerb) narrow each
// other, and the words around them stop being verbs. Returns whether any
// reading went.
bool ApplySubjectVerbRule(TBelModule& module, const TVerbGroup& group, TWordEl* lastVerb, TVerbSweep& sweep);

// The verbs of a group of two or more are verbs in the forms they share.
bool ApplySeveralVerbsRule(const TVerbGroup& group, TWordEl* lastVerb);

}  // namespace kunimor

#pragma once

#include <functional>

#include "translator/PhraseFinders.h"

namespace kunimor {

class TBelModule;

// Removes el's readings for which drop is true; when that would leave none,
// the last one stays, marked Inexact. Returns whether any went.
bool RemoveReadings(TWordEl* el, const std::function<bool(const TWordForm&)>& drop);

// el can be a noun or adjective and a verb, and nothing undefined or
// unchangeable.
bool IsNounOrVerb(const TWordEl* el);

// Narrows the attributes and heads from head leftwards to bound (exclusive)
// to the cases given (bit c for case c). Strict: the elements that have a
// reading in those cases lose every other reading; the others keep theirs,
// marked Inexact. Not strict: only when the phrase (of set agree) can be in
// one of those cases, and then every element loses its nominal readings in
// other cases. Returns whether any reading went.
bool RestrictCases(unsigned cases, TWordEl* head, TWordEl* bound, bool strict, TAgreeSet agree);

// A verb directly before a phrase governs its object's case (and, with
// nominative, leaves it free to be the subject).
bool ApplyVerbBeforePhrase(TWordEl* verb, TWordEl* head, TAgreeSet agree, bool nominative);

}  // namespace kunimor

#pragma once

#include <string>

#include "translator/WordEl.h"

namespace kunimor {

// The elements of the piece being translated, in text order; nullptr
// between pieces. The list owns its elements.
inline TWordEl* ElementList = nullptr;

// A new element linked after last (at the head when last is nullptr).
TWordEl* AppendElement(TWordEl* last);

// Unlinks and frees count elements from first on (-1: to the end of the
// list), moving the list head when the first element goes.
void FreeElements(TWordEl* first, int count);

// Moves el directly before or after anchor, leaving a placeholder element
// in its old place. The moved element carries its neighbour's
// capitalisation so the sentence keeps its look: before, it swaps with
// anchor; after, with the element that followed it. Callers widen el's span
// first so that the placeholder covers the text that is to disappear.
void MoveElement(TWordEl* el, TWordEl* anchor, bool before);

// The element's text as written in the source (empty once moved).
std::string WrittenText(const TWordEl& el);

// Separator class of the gap after el ('.' after the last element of the
// piece), computed from the source text on first use and cached.
char SepAfter(TWordEl* el);

}  // namespace kunimor

#pragma once

#include <functional>
#include <string_view>

#include "ground/LetterCase.h"
#include "translator/OutputStyles.h"
#include "translator/WordEl.h"

namespace kunimor {

class TBelModule;

// Marks a stretch of the source text: from and to are 0-based offsets, to
// exclusive; style is the element's TokenKind (the like-numbered output
// style), or kOtherTextStyle for text that is no word element (gaps,
// numbers, Latin words).
using TMarkProc = std::function<void(int style, int from, int to)>;

// Cuts the piece of SourceText that starts at startPos (1-based) into
// ElementList, looks every word up, reports every stretch of the piece to
// markProc (when set) and counts the elements in Counters.Words. A piece
// ends with the first gap that holds a sentence end. Returns where the next
// piece starts (length + 1 at the end of the text).
int BuildElementList(TBelModule& module, int startPos, const TMarkProc& markProc);

// Capitalisation of a word by the source language's letters: csLower when
// it starts with a lower-case letter, else csCapital for one character or a
// last character that is not a capital, else csUpper.
TCasePattern CasePatternOf(std::string_view word);

// Reads an abbreviation of the table starting at pos (blank runs in the
// text match single spaces); on success el spans it, holds its translation
// and is marked IsAbbr. A full stop that ends the abbreviation before a
// capitalised word is left in the text, to end the sentence, and dropped
// from the translation.
bool MatchAbbreviation(TBelModule& module, int pos, TWordEl& el);

// Attaches the source-language readings of el's word; a word without
// readings keeps its normalised form in Text.
void LookupElement(TBelModule& module, TWordEl& el);

}  // namespace kunimor

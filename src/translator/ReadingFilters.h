#pragma once

#include "translator/WordEl.h"

namespace kunimor {

class TBelModule;

// Candidates of themes the user has deselected leave the list when others
// remain; if every candidate is of a deselected theme all stay, inexact.
void FilterThemes(TBelModule& module, TWordForm*& list);

// A reading that has no translation leaves the element when another reading
// has one: agreement must not keep a reading only because it agrees (её as
// a possessive without a translation, но as a noun) and lose the word.
void KeepTranslatableReadings(TBelModule& module);

// Abbreviation and proper-name readings kept or dropped by how each word of
// the piece is written (the first word's capital says nothing, so there
// the other readings win).
void FilterCapitals();

// A form that exists only before a hyphen (a noun's joining form, an
// adverb written with a hyphen prefix) is kept only where the hyphen is.
void FilterHyphenForms();

// A verb form that is both the second person plural and the imperative
// (положите) is the imperative unless the piece says вы.
void ChooseImperativeOrFuture(const TBelModule& module);

}  // namespace kunimor

#pragma once

#include "translator/WordEl.h"

namespace kunimor {

class TBelModule;

// Candidates of themes the user has deselected leave the list when others
// remain; if every candidate is of a deselected theme all stay, inexact.
void FilterThemes(TBelModule& module, TWordForm*& list);

// Abbreviation and proper-name readings kept or dropped by how each word of
// the piece is written (the first word's capital says nothing).
void FilterCapitals();

// A form that exists only before a hyphen (a noun's joining form, an
// adverb written with a hyphen prefix) is kept only where the hyphen is.
void FilterHyphenForms();

}  // namespace kunimor

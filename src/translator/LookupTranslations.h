#pragma once

namespace kunimor {

class TBelModule;

// Appends to every element's Trans list the translations of each of its
// readings, in reading order. Translations of a derived or inexact reading
// inherit those marks.
void LookupTranslations(TBelModule& module);

}  // namespace kunimor

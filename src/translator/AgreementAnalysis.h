#pragma once

namespace kunimor {

class TBelModule;

// Narrows the readings of the current piece (ElementList) by the grammar
// of the source sentence: noun phrases agree inside and with the word
// that governs them, subjects agree with their verbs. Readings that
// contradict it go; a word about to lose its last reading keeps it, marked
// Inexact. Leaves the phrase roles in the elements.
void AnalyseAgreement(TBelModule& module);

}  // namespace kunimor

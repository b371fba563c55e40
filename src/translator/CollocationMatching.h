#pragma once

namespace kunimor {

class TBelModule;

// Replaces every run of elements that forms a translatable collocation of
// the source language by its first element, whose readings then stand for
// the collocation in the main word's form.
void MatchCollocations(TBelModule& module);

}  // namespace kunimor

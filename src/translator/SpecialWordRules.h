#pragma once

namespace kunimor {

class TBelModule;

// The rules of the source language's special words, run during transfer
// before the translations are ranked: да/нет, о, то and які choose their
// translation by their neighbours, ли and ці move to where the other
// language puts them, по-/па- joins the adverb it prefixes, and a capital
// initial is left as written.
void ApplySpecialWords(TBelModule& module);

}  // namespace kunimor

#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kunimor::import {

// The forms of one word, one (main, alternative) pair per form number
// (index 0 is form 1); an absent form is empty.
using TFormTable = std::vector<std::pair<std::string, std::string>>;

// A word's full form table as a stem and a Forms text built from plain
// endings: the stem is the longest prefix the forms share (shortened where
// the Belarusian junction would change the stem's last letter), each ending
// at most ten letters. Forms that cannot be built that way (suppletive ones:
// шел beside идти) are left out and listed in Dropped; every kept form is
// checked by synthesis. Every kept form begins with the stem, so stem
// seeking needs no additional stems for these words.
struct TWordParadigm {
    std::string Stem;
    std::string Forms;
    std::vector<std::string> Dropped;
};

// Nothing is kept when no stem of at least one letter fits the word's
// dictionary form (the first form); the result's Stem is then empty.
TWordParadigm WordParadigmFromForms(int lang, int kind, const TFormTable& forms);

// The forms of a word that do not begin with its stem's first letter
// (suppletive: его, него beside он; шел beside идти), grouped by their first
// letter, each group a form table of its own in the same slots. The importer
// makes each group a further word of the same lemma.
std::vector<TFormTable> SuppletiveGroups(const TFormTable& forms, const std::string& stem);

}  // namespace kunimor::import

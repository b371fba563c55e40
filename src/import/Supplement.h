#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kunimor::import {

// One hand-checked translation pair of the curated supplement: the words the
// open data lacks or translates badly. Text in Windows-1251, lower case,
// Russian ё written е.
struct TSupplementEntry {
    std::string Ru, Be;
    int Kind;      // WordKind.h code; kUndefinedKind (pron) matches a word of any kind
    int Priority;  // 0..3, 0 best, as translation-link priorities
    // By source language: whether the pair belongs to the core vocabulary
    // for translating from it (a file whose first row is "direction ru-be",
    // "direction be-ru" or "direction both"). In a core direction the
    // priority holds only into the target, and the translations the core
    // lists for the source word outrank all its others. A pair of no core
    // list sets its priority both ways and no more.
    bool CoreFrom[2] = {false, false};
};

// Reads a supplement file: UTF-8, one pair a line as tab-separated fields
// Russian, Belarusian (each possibly with a form in brackets, below), part
// of speech (noun, adj, adv, verb-perf,
// verb-imperf, func, pron), priority and an optional comment; blank lines and
// lines starting with # are skipped. Adverbs and function words are
// unchangeable words. A first row "direction ru-be" (be-ru, both) makes the
// file a core list of that direction. Throws kunimor::Error naming the file
// and line of the first bad row, and of a pair of the same kind listed twice.
std::vector<TSupplementEntry> ReadSupplement(const std::string& path);

// A lemma may carry one of its forms in brackets to tell homonyms apart
// ("нажать (нажму)", not the нажать of нажну): the lemma and that form, the
// form empty when there is none.
std::pair<std::string_view, std::string_view> SplitHomonymForm(std::string_view lemma);

}  // namespace kunimor::import

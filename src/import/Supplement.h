#pragma once

#include <string>
#include <vector>

namespace kunimor::import {

// One hand-checked translation pair of the curated supplement: the words the
// open data lacks or translates badly. Text in Windows-1251, lower case,
// Russian ё written е.
struct TSupplementEntry {
    std::string Ru, Be;
    int Kind;      // WordKind.h code
    int Priority;  // 0..3, 0 best, as translation-link priorities
};

// Reads a supplement file: UTF-8, one pair a line as tab-separated fields
// Russian, Belarusian, part of speech (noun, adj, adv, verb-perf,
// verb-imperf, func), priority and an optional comment; blank lines and
// lines starting with # are skipped. Adverbs and function words are
// unchangeable words. Throws kunimor::Error naming the file and line of the
// first bad row, and of a pair of the same kind listed twice.
std::vector<TSupplementEntry> ReadSupplement(const std::string& path);

}  // namespace kunimor::import

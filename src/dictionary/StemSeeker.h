#pragma once

#include <cstddef>
#include <string_view>

#include "dictionary/WordFormProc.h"

namespace kunimor {

class TBelModule;

// A stem is at most this long (the Osnova field) and an ending at most
// kMaxEndingLength, so a surface word is cut at no more than 11 lengths.
inline constexpr std::size_t kMaxStemLength = 30;
inline constexpr std::size_t kMaxEndingLength = 10;

// Which dictionary words of the source language (SourceLang), in which
// forms, the surface word can be. Surface must be normalised by the caller
// (lower case): the comparison is exact. Every matching word, form and
// alternative is reported through proc, longer stems first, at one stem
// length the words found by their own stem before those found through the
// stem table, each in index order, and within a word by form number, main
// before alternative; a word reached twice is reported twice. Without proc
// the search ends after the first word with a matching form. Returns whether
// anything matched. Raises through DictionaryError when the stem table points
// at a missing word or a paradigm's rules cannot be applied to a candidate's
// stem. proc may query the dictionary: the search keeps its own place.
bool SeekWord(TBelModule& module, std::string_view surface, const TWordFormProc& proc);

}  // namespace kunimor

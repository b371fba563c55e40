#pragma once

#include <string>
#include <string_view>

namespace kunimor {

// A paradigm's Forms text holds one entry per form number, separated by ";":
// "main|alternative", either part possibly empty (the form does not exist).
// A part is "@" (the bare stem) or rule codes followed by an ending.

inline constexpr char kStemItself = '@';

// The main or alternative part of entry formNo (form 0 reads as 1); empty
// when the text has no such entry.
std::string_view FormEnding(std::string_view forms, int formNo, bool alt);

// Drops trailing ";" and "|" and the "|" of every empty alternative ("|;").
std::string TrimForms(std::string_view forms);

// Whether any form of the first half of the kind's forms exists, and of the
// second half (singular/plural nouns, plain/reflexive verbs).
struct FormHalves {
    bool inFirst = false;
    bool inSecond = false;
};
FormHalves HalfForms(int kind, std::string_view forms);

// Animacy code of a noun paradigm: 1 inanimate (accusative equals
// nominative), 2 animate (it differs), 0 unknown or not a noun. The singular
// pair decides when preferSingular is set and both forms exist, else the
// plural pair.
int Animacy(std::string_view forms, bool preferSingular, int kind);

}  // namespace kunimor

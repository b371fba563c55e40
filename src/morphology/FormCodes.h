#pragma once

#include <cstdint>
#include <string_view>

namespace kunimor {

// Form numbers and the arithmetic that reads and changes case and
// gender/number inside them. Nouns: 1-6 singular in cases 1-6, 7-12 plural,
// 13 without case or number. Adjectives: 1-24 = (case - 1) * 4 + gender/number,
// 25 and 26 without either. Verbs: 1-15 plain, 16-30 their reflexive twins.
//
// A form number, case or gender/number outside its range is "not defined":
// readers give 0 and the changing functions leave the form alone, so a
// stray value never becomes a different valid form.

// Gender/number codes, as stored in RodChislo.
inline constexpr int kNoGender = 0;
inline constexpr int kMasculine = 1;
inline constexpr int kFeminine = 2;
inline constexpr int kNeuter = 3;
inline constexpr int kPlural = 4;

inline constexpr int kNoCase = 0;
inline constexpr int kCaseCount = 6;

int NounCase(int form);
void NounSetCase(uint8_t& form, int nounCase);
// gender is the word's own gender, which singular forms carry.
int NounNumber(int form, int gender);
// Returns the old form's half: 0 singular, 1 plural, -1 for a form without
// number (left unchanged).
int NounSetNumber(uint8_t& form, int genderNumber);

int AdjCase(int form);
void AdjSetCase(uint8_t& form, int adjCase);
int AdjGN(int form);
void AdjSetGN(uint8_t& form, int genderNumber);
// The form of a case and gender/number, 0 if either is not defined.
int AdjForm(int adjCase, int genderNumber);

int VerbGN(int form);
// Bit g set for each gender/number g the verb form agrees with.
int VerbGNMask(int form);
// Changes present third person and past forms; others stay.
void VerbSetGN(uint8_t& form, int genderNumber);
// 1 present third person, 2 past, 3 and 4 their reflexive twins, 0 others.
int VerbAgreementGroup(int form);

// The case whose bit is the only one of bits 1-6 in mask, else 0.
int SingleCase(unsigned mask);

// Display texts of a case (0 or anything out of range: not defined) in the
// language given.
std::string_view CaseName(int lang, int caseNo);
std::string_view CaseQuestion(int lang, int caseNo);

}  // namespace kunimor

#include "morphology/FormCodes.h"

#include <array>

#include "ground/Language.h"
#include "ground/Cp1251Literal.h"

namespace kunimor {
namespace {

constexpr int kNounCasedForms = 12;  // 13 has neither case nor number
constexpr int kAdjCasedForms = 24;   // 25, 26 have neither case nor gender
constexpr int kVerbPlainForms = 15;  // 16-30 are the reflexive twins
constexpr int kVerbForms = 30;

constexpr bool InRange(int value, int first, int last) { return value >= first && value <= last; }
constexpr bool IsCase(int value) { return InRange(value, 1, kCaseCount); }
constexpr bool IsGenderNumber(int value) { return InRange(value, kMasculine, kPlural); }

// The plain (non-reflexive) form of a verb form, 0 for no verb form.
constexpr int VerbPlainForm(int form) {
    if (!InRange(form, 1, kVerbForms)) return 0;
    return form > kVerbPlainForms ? form - kVerbPlainForms : form;
}

struct VerbFormAgreement {
    int genderNumber;
    int mask;  // bit g for each gender/number g the form agrees with
};

constexpr int Bit(int genderNumber) { return 1 << genderNumber; }

// Indexed by plain verb form 1-15; entry 0 stands for "no verb form".
constexpr std::array<VerbFormAgreement, kVerbPlainForms + 1> kVerbAgreement = {{
    {kNoGender, 0},                                                // none
    {kNoGender, 0},                                                // 1 infinitive
    {kNoGender, Bit(kMasculine) | Bit(kFeminine)},                 // 2
    {kPlural, Bit(kPlural)},                                       // 3
    {kNoGender, Bit(kMasculine) | Bit(kFeminine) | Bit(kNeuter)},  // 4
    {kPlural, Bit(kPlural)},                                       // 5
    {kNoGender, Bit(kMasculine) | Bit(kFeminine) | Bit(kNeuter)},  // 6
    {kPlural, Bit(kPlural)},                                       // 7
    {kNoGender, 0},                                                // 8
    {kMasculine, Bit(kMasculine)},                                 // 9
    {kFeminine, Bit(kFeminine)},                                   // 10
    {kNeuter, Bit(kNeuter)},                                       // 11
    {kPlural, Bit(kPlural)},                                       // 12
    {kNoGender, 0},                                                // 13
    {kNoGender, Bit(kMasculine) | Bit(kFeminine) | Bit(kNeuter)},  // 14
    {kPlural, Bit(kPlural)},                                       // 15
}};

struct CaseTexts {
    std::string_view name;
    std::string_view question;
};

// Indexed by case 0-6. The Belarusian questions of cases 5 and 6 are written
// with a Latin i (0x69), not the Cyrillic one; the texts are kept byte for byte.
constexpr std::array<CaseTexts, kCaseCount + 1> kRussianCases = {{
    {"Падеж не определен"_cp1251, " - "},
    {"Именительный падеж"_cp1251, "кто? что?"_cp1251},
    {"Родительный падеж"_cp1251, "кого? чего?"_cp1251},
    {"Дательный падеж"_cp1251, "кому? чему?"_cp1251},
    {"Винительный падеж"_cp1251, "кого? что?"_cp1251},
    {"Творительный падеж"_cp1251, "кем? чем?"_cp1251},
    {"Предложный падеж"_cp1251, "ком? чем?"_cp1251},
}};

constexpr std::array<CaseTexts, kCaseCount + 1> kBelarusianCases = {{
    {"Склон не вызначаны"_cp1251, " - "},
    {"Назоўны склон"_cp1251, "хто? што?"_cp1251},
    {"Родны склон"_cp1251, "каго? чаго?"_cp1251},
    {"Давальны склон"_cp1251, "каму? чаму?"_cp1251},
    {"Вінавальны склон"_cp1251, "каго? што?"_cp1251},
    {"Творны склон"_cp1251, "к\x69м? чым?"_cp1251},
    {"Месны склон"_cp1251, "к\x69м? чым?"_cp1251},
}};

const CaseTexts& CaseTextsOf(int lang, int caseNo) {
    const auto& table = lang == kBelarusian ? kBelarusianCases : kRussianCases;
    return table[IsCase(caseNo) ? caseNo : kNoCase];
}

}  // namespace

int NounCase(int form) {
    return InRange(form, 1, kNounCasedForms) ? (form - 1) % kCaseCount + 1 : kNoCase;
}

void NounSetCase(uint8_t& form, int nounCase) {
    if (!IsCase(nounCase) || !InRange(form, 1, kNounCasedForms)) return;
    form = static_cast<uint8_t>(nounCase + (form - 1) / kCaseCount * kCaseCount);
}

int NounNumber(int form, int gender) {
    if (InRange(form, 1, kCaseCount)) return gender;
    if (InRange(form, kCaseCount + 1, kNounCasedForms)) return kPlural;
    return kNoGender;
}

int NounSetNumber(uint8_t& form, int genderNumber) {
    if (!InRange(form, 1, kNounCasedForms)) return -1;
    const int oldHalf = (form - 1) / kCaseCount;
    const int plural = genderNumber == kPlural ? 1 : 0;
    form = static_cast<uint8_t>((form - 1) % kCaseCount + 1 + plural * kCaseCount);
    return oldHalf;
}

int AdjCase(int form) {
    return InRange(form, 1, kAdjCasedForms) ? (form - 1) / 4 + 1 : kNoCase;
}

void AdjSetCase(uint8_t& form, int adjCase) {
    if (!IsCase(adjCase) || !InRange(form, 1, kAdjCasedForms)) return;
    form = static_cast<uint8_t>((form - 1) % 4 + 1 + (adjCase - 1) * 4);
}

int AdjGN(int form) {
    return InRange(form, 1, kAdjCasedForms) ? (form - 1) % 4 + 1 : kNoGender;
}

void AdjSetGN(uint8_t& form, int genderNumber) {
    if (!IsGenderNumber(genderNumber) || !InRange(form, 1, kAdjCasedForms)) return;
    form = static_cast<uint8_t>(4 * ((form - 1) / 4) + genderNumber);
}

int AdjForm(int adjCase, int genderNumber) {
    if (!IsCase(adjCase) || !IsGenderNumber(genderNumber)) return 0;
    return (adjCase - 1) * 4 + genderNumber;
}

int VerbGN(int form) { return kVerbAgreement[VerbPlainForm(form)].genderNumber; }

int VerbGNMask(int form) { return kVerbAgreement[VerbPlainForm(form)].mask; }

void VerbSetGN(uint8_t& form, int genderNumber) {
    if (!IsGenderNumber(genderNumber)) return;
    const int plain = VerbPlainForm(form);
    int changed;
    if (plain == 6 || plain == 7) {
        changed = genderNumber == kPlural ? 7 : 6;
    } else if (InRange(plain, 9, 12)) {
        changed = genderNumber + 8;
    } else {
        return;
    }
    form = static_cast<uint8_t>(form > kVerbPlainForms ? changed + kVerbPlainForms : changed);
}

int VerbAgreementGroup(int form) {
    if (InRange(form, 6, 7)) return 1;
    if (InRange(form, 9, 12)) return 2;
    if (InRange(form, 21, 22)) return 3;
    if (InRange(form, 24, 27)) return 4;
    return 0;
}

int SingleCase(unsigned mask) {
    int found = kNoCase;
    for (int c = 1; c <= kCaseCount; ++c) {
        if (!(mask & (1U << c))) continue;
        if (found != kNoCase) return kNoCase;
        found = c;
    }
    return found;
}

std::string_view CaseName(int lang, int caseNo) { return CaseTextsOf(lang, caseNo).name; }

std::string_view CaseQuestion(int lang, int caseNo) { return CaseTextsOf(lang, caseNo).question; }

}  // namespace kunimor

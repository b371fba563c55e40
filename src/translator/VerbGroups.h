#pragma once

#include "translator/PhraseFinders.h"

namespace kunimor {

class TBelModule;

// A verb form with the reflexive twins (16-30) counted as their base form.
constexpr int BaseVerbForm(int form) { return form > 15 ? form - 15 : form; }

// What el can be inside a verb group: kVerbRole with the genders and base
// verb forms its readings allow (both empty for an infinitive),
// kTransparentRole for a word the group passes over, or kNoRole. The last
// element of a group must be a verb. A role other than kNoRole is also
// stored in el->Role.
struct TVerbalClass {
    uint8_t Role = kNoRole;
    unsigned Genders = 0;
    unsigned Persons = 0;
};
TVerbalClass ClassifyVerbal(TBelModule& module, TWordEl* el, bool isLast);

// A run of verbs ending at a given element, with the genders (bit g for
// gender/number g) and verb forms (bit n for base form n) they all allow.
struct TVerbGroup {
    bool Found = false;
    TWordEl* Bound = nullptr;  // the element just before the group
    unsigned Genders = 0;
    unsigned Persons = 0;
    int VerbCount = 0;
};
TVerbGroup FindVerbGroup(TBelModule& module, TWordEl* last);

// The subject of a verb group: a noun phrase just before or just after it.
enum class TSubjectMatch { None = 0, Agrees = 1, Disagrees = 2 };
struct TSubject {
    TSubjectMatch Match = TSubjectMatch::None;
    bool BeforeVerbs = false;
    TWordEl* Head = nullptr;
    TWordEl* Bound = nullptr;  // as FindNounPhrase leftwards gives it
    unsigned Genders = 0;      // the subject genders narrowed by the group
    unsigned Persons = 0;      // the group's forms narrowed by the subject
};
// Whether a noun phrase of set subject, whose head is head, can be the
// subject of a group allowing genders and persons; on success the
// subject's genders and the group's forms narrowed by each other.
struct TSubjectCheck {
    bool Agrees = false;
    unsigned Genders = 0;
    unsigned Persons = 0;
};
TSubjectCheck CheckSubject(TBelModule& module, TAgreeSet subject, const TWordEl* head, unsigned genders,
                           unsigned persons);

TSubject FindSubject(TBelModule& module, const TVerbGroup& group, TWordEl* lastVerb);

}  // namespace kunimor

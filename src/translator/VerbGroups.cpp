#include "translator/VerbGroups.h"

#include "dictionary/BelModule.h"
#include "morphology/WordKind.h"
#include "morphology/FormCodes.h"
#include "translator/ElementList.h"

namespace kunimor {
namespace {

constexpr unsigned FormBit(int form) { return 1u << form; }
constexpr unsigned GenderBit(int gender) { return 1u << gender; }

// The verb forms a subject allows, by PersonIndex: any other subject, я,
// мы, ты, вы.
constexpr unsigned kPersonMasks[] = {
    FormBit(6) | FormBit(7) | FormBit(9) | FormBit(10) | FormBit(11) | FormBit(12),
    FormBit(2) | FormBit(9) | FormBit(10),
    FormBit(3) | FormBit(12),
    FormBit(4) | FormBit(9) | FormBit(10) | FormBit(14),
    FormBit(5) | FormBit(12) | FormBit(15),
};

// The forms that say a gender or the plural, by gender/number.
constexpr unsigned kFormsOfGender[] = {
    0,
    FormBit(9),
    FormBit(10),
    FormBit(11),
    FormBit(3) | FormBit(5) | FormBit(7) | FormBit(12) | FormBit(15),
};

// 1, 2: the first-person pronoun singular or plural; 3, 4: the second
// person's; 0 for any other subject. A homograph read first (вы as a short
// adjective) does not hide the pronoun reading.
int PersonIndex(const TBelModule& module, const TWordEl* head) {
    for (const TWordForm* r = head->Readings; r; r = r->Next) {
        const int plural = r->Gender == kPlural ? 1 : 0;
        if (r->WordNo == module.SrcYaWordNo) return 1 + plural;
        if (r->WordNo == module.SrcTyWordNo) return 3 + plural;
    }
    return 0;
}

}  // namespace

TVerbalClass ClassifyVerbal(TBelModule& module, TWordEl* el, bool isLast) {
    TVerbalClass c;
    if (el->Placeholder || el->IsAbbr) {
        if (isLast) return c;
        c.Role = kTransparentRole;
        el->Role = c.Role;
        return c;
    }
    const unsigned kinds = KindSetOf(el);
    if (!(kinds & (KindBit(kUndefinedKind) | KindBit(kUnchangeable))) && (kinds & kVerbKinds)) {
        for (const TWordForm* f = el->Readings; f; f = f->Next) {
            if (!IsVerb(f->Kind)) continue;
            const int n = BaseVerbForm(f->Form);
            if (n == 8 || n == 13 || n < 1 || n > 15) continue;  // no person to agree with
            c.Role = kVerbRole;
            if (n == 1) {  // an infinitive
                c.Genders = c.Persons = 0;
                break;
            }
            c.Genders |= static_cast<unsigned>(VerbGNMask(n));
            c.Persons |= FormBit(n);
        }
    }
    if (c.Role == kNoRole && !isLast &&
        (IsLinkWord(module, el, false) || AnyReading(el, IsAdverbReading)))
        c.Role = kTransparentRole;
    if (c.Role != kNoRole) el->Role = c.Role;
    return c;
}

TVerbGroup FindVerbGroup(TBelModule& module, TWordEl* last) {
    TVerbGroup group;
    if (!last) return group;
    bool personsSinceLink = false;  // a verb with persons taken since the last conjunction
    bool anyPersons = false;
    TWordEl* taken = nullptr;  // the leftmost element taken so far
    TWordEl* el = last;
    for (; el; el = el->Prev) {
        if (el != last && SepAfter(el) != ' ') break;
        const TVerbalClass c = ClassifyVerbal(module, el, el == last);
        if (c.Role == kNoRole) break;
        if (c.Role == kVerbRole) {
            unsigned persons = group.Persons;
            unsigned genders = group.Genders;
            if (c.Persons) {
                if (personsSinceLink) break;
                persons = persons ? persons & c.Persons : c.Persons;
                if (!persons) break;
            } else if (anyPersons) {
                break;  // an infinitive left of a verb with persons
            }
            if (c.Genders) {
                genders = genders ? genders & c.Genders : c.Genders;
                if (!genders) break;
            }
            group.Persons = persons;
            group.Genders = genders;
            if (c.Persons) personsSinceLink = anyPersons = true;
            ++group.VerbCount;
        } else if (IsLinkWord(module, el, true)) {
            personsSinceLink = false;
        }
        taken = el;
    }
    group.Bound = el;
    // A group never starts with a conjunction.
    if (taken && IsLinkWord(module, taken, true)) group.Bound = taken;
    group.Found = taken != nullptr;
    return group;
}

TSubjectCheck CheckSubject(TBelModule& module, TAgreeSet subject, const TWordEl* head, unsigned genders,
                           unsigned persons) {
    TSubjectCheck check;
    unsigned nominative = 0;
    for (int g = kMasculine; g <= kPlural; ++g)
        if (subject & AgreeBitOf(1, g)) nominative |= GenderBit(g);
    if (!nominative) return check;
    unsigned subjectGenders = nominative;
    if (genders) {
        subjectGenders &= genders;
        if (!subjectGenders) return check;
        if (persons) {
            for (int g = kMasculine; g <= kPlural; ++g)
                if (!(subjectGenders & GenderBit(g))) persons &= ~kFormsOfGender[g];
            if (!persons) return check;
        }
    }
    if (persons) {
        persons &= kPersonMasks[PersonIndex(module, head)];
        if (!persons) return check;
    }
    check.Agrees = true;
    check.Genders = subjectGenders;
    check.Persons = persons;
    return check;
}

TSubject FindSubject(TBelModule& module, const TVerbGroup& group, TWordEl* lastVerb) {
    TSubject subject;
    TNounPhrase phrase;
    if (group.Bound && SepAfter(group.Bound) == ' ') {
        phrase = FindNounPhrase(module, group.Bound, true, false);
        if (phrase.Found) {
            subject.BeforeVerbs = true;
            subject.Head = group.Bound;
            subject.Bound = phrase.Bound;
        }
    }
    if (!subject.Head && lastVerb && lastVerb->Next && SepAfter(lastVerb) == ' ') {
        phrase = FindNounPhrase(module, lastVerb->Next, true, true);
        if (phrase.Found) {
            subject.Head = phrase.Bound;
            subject.Bound = lastVerb;
        }
    }
    if (!subject.Head) return subject;
    const TSubjectCheck check = CheckSubject(module, phrase.Agree, subject.Head, group.Genders, group.Persons);
    subject.Match = check.Agrees ? TSubjectMatch::Agrees : TSubjectMatch::Disagrees;
    subject.Genders = check.Genders;
    subject.Persons = check.Persons;
    return subject;
}

}  // namespace kunimor

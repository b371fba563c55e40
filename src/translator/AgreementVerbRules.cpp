#include "translator/AgreementVerbRules.h"

#include <algorithm>

#include "morphology/WordKind.h"
#include "morphology/FormCodes.h"
#include "translator/AgreementRules.h"
#include "translator/ElementList.h"

namespace kunimor {
namespace {

bool IsNominativeNoun(const TWordForm& f) { return f.Kind == kNoun && f.Form >= 1 && f.Form <= 12 && f.Case == 1; }

// A word that can be a noun or adjective and a verb is not the verb.
bool DropVerbReadings(TWordEl* el) {
    if (!IsNounOrVerb(el)) return false;
    return RemoveReadings(el, [](const TWordForm& f) { return IsVerb(f.Kind); });
}

// Walks left from leftStart over the words followed by a space (or that
// are conjunctions) and right from rightStart over the words preceded by
// one, dropping their verb readings; limited: only the first of each walk.
bool DropAround(TBelModule& module, TWordEl* leftStart, TWordEl* rightStart, bool limited, TVerbSweep& sweep) {
    bool removed = false;
    for (TWordEl* el = leftStart; el; el = el->Prev) {
        if (SepAfter(el) != ' ' && !IsLinkWord(module, el, true)) break;
        // From an element walked before, the rest of this walk was walked too.
        if (!limited && !sweep.MarkLeft(el)) break;
        removed |= DropVerbReadings(el);
        if (limited) break;
    }
    for (TWordEl* el = rightStart; el; el = el->Next) {
        if (SepAfter(el->Prev) != ' ' && !IsLinkWord(module, el, true)) break;
        if (!limited && !sweep.MarkRight(el)) break;
        removed |= DropVerbReadings(el);
        if (limited) break;
    }
    return removed;
}

// The group's verbs lose their other readings and, when narrow, their
// forms other than the infinitive and those of persons.
bool KeepGroupVerbs(const TVerbGroup& group, TWordEl* lastVerb, bool narrow, unsigned persons) {
    bool removed = false;
    for (TWordEl* el = lastVerb; el && el != group.Bound; el = el->Prev) {
        if (el->Role != kVerbRole) continue;
        removed |= RemoveReadings(el, [narrow, persons](const TWordForm& f) {
            if (!IsVerb(f.Kind)) return true;
            const int n = BaseVerbForm(f.Form);
            return narrow && n != 1 && !((persons >> n) & 1);
        });
    }
    return removed;
}

bool RestrictSubjectAndGroup(const TSubject& subject, const TVerbGroup& group, TWordEl* lastVerb) {
    bool removed = RemoveReadings(subject.Head, [](const TWordForm& f) { return !IsNominativeNoun(f); });
    removed |= KeepGroupVerbs(group, lastVerb, group.Genders != 0, subject.Persons);
    if (!group.Genders) return removed;
    const unsigned genders = subject.Genders;
    bool genderRemoved = false;
    for (TWordEl* el = subject.Head; el && el != subject.Bound; el = el->Prev)
        if (el->Role == kAttributeRole || el->Role == kHeadRole)
            genderRemoved |= RemoveReadings(el, [genders](const TWordForm& f) { return !((genders >> f.Gender) & 1); });
    if (genderRemoved) return true;
    for (TWordEl* el = lastVerb; el && el != group.Bound; el = el->Prev)
        if (el->Role == kVerbRole)
            removed |= RemoveReadings(el, [genders](const TWordForm& f) {
                return !(IsVerb(f.Kind) &&
                         (f.Form == 1 || f.Form == 16 || (static_cast<unsigned>(VerbGNMask(f.Form)) & genders)));
            });
    return removed;
}

// A nominative adjective right after the verbs, with no noun after it, is
// the predicate (файлы былі выдалены): it agrees with the subject, which
// chooses among a participle's short forms (удален, удалены).
bool RestrictPredicate(TWordEl* lastVerb, unsigned genders) {
    TWordEl* el = lastVerb->Next;
    if (!el || SepAfter(lastVerb) != ' ' || genders == 0) return false;
    if (el->Next && SepAfter(el) == ' ' && (KindSetOf(el->Next) & KindBit(kNoun))) return false;
    const auto nominative = [](const TWordForm& f) { return f.Kind == kAdjective && f.Form >= 1 && f.Form <= 4; };
    bool agrees = false;
    for (const TWordForm* f = el->Readings; f && !agrees; f = f->Next)
        agrees = nominative(*f) && ((genders >> f->Gender) & 1);
    if (!agrees) return false;
    return RemoveReadings(el, [&](const TWordForm& f) { return nominative(f) && !((genders >> f.Gender) & 1); });
}

}  // namespace

TVerbSweep::TVerbSweep(const TWordEl* first, const TWordEl* last) {
    if (!first || !last) return;
    firstPos_ = first->StartPos;
    const auto places = static_cast<std::size_t>(std::max(0, last->StartPos - firstPos_ + 1));
    walkedLeft_.assign(places, false);
    walkedRight_.assign(places, false);
}

bool TVerbSweep::Mark(std::vector<bool>& walked, const TWordEl* el) {
    const auto place = static_cast<std::size_t>(el->StartPos - firstPos_);
    // Out of order (not expected before word order changes): walk it anyway.
    if (el->StartPos < firstPos_ || place >= walked.size()) return true;
    if (walked[place]) return false;
    walked[place] = true;
    return true;
}

bool ApplySubjectVerbRule(TBelModule& module, const TVerbGroup& group, TWordEl* lastVerb, TVerbSweep& sweep) {
    bool removed = false;
    if (!(KindSetOf(lastVerb) & (kNominalKinds | KindBit(kUnchangeable))))
        removed |= DropAround(module, group.Bound, lastVerb->Next, true, sweep);
    const TSubject subject = FindSubject(module, group, lastVerb);
    const bool agrees = subject.Match == TSubjectMatch::Agrees;
    if (agrees && subject.BeforeVerbs) {
        removed |= RestrictSubjectAndGroup(subject, group, lastVerb);
        removed |= RestrictPredicate(lastVerb, subject.Genders);
        removed |= DropAround(module, subject.Bound, lastVerb->Next, false, sweep);
        const TNounPhrase object = FindNounPhrase(module, lastVerb->Next, false, true);
        if (object.Found) removed |= ApplyVerbBeforePhrase(lastVerb, object.Bound, object.Agree, false);
    } else if (agrees && group.Genders) {
        removed |= RestrictSubjectAndGroup(subject, group, lastVerb);
        removed |= DropAround(module, group.Bound, subject.Head->Next, false, sweep);
    } else if (agrees || (subject.Match == TSubjectMatch::Disagrees && !(KindSetOf(lastVerb) & kNominalKinds))) {
        // An infinitive has no subject; nor does a verb whose neighbour does not agree.
        removed |= RemoveReadings(subject.Head, IsNominativeNoun);
    }
    return removed;
}

bool ApplySeveralVerbsRule(const TVerbGroup& group, TWordEl* lastVerb) {
    if (group.VerbCount < 2) return false;
    return KeepGroupVerbs(group, lastVerb, group.Persons != 0, group.Persons);
}

}  // namespace kunimor

#include "translator/AgreementRules.h"

#include "morphology/WordKind.h"
#include "translator/ElementList.h"

namespace kunimor {
namespace {

bool InCases(const TWordForm& f, unsigned cases) { return (cases >> f.Case) & 1; }

}  // namespace

bool RemoveReadings(TWordEl* el, const std::function<bool(const TWordForm&)>& drop) {
    bool keeper = false;
    TWordForm* last = nullptr;
    for (TWordForm* f = el->Readings; f; f = f->Next) {
        keeper = keeper || !drop(*f);
        last = f;
    }
    if (!last) return false;
    // A word never loses its last reading: it would vanish from the output.
    if (!keeper) last->Inexact = true;
    const TWordForm* kept = keeper ? nullptr : last;
    const bool removed = RemoveWordForms(el->Readings, [&](const TWordForm& f) { return &f != kept && drop(f); }) > 0;
    KindSumOf(el);
    return removed;
}

bool IsNounOrVerb(const TWordEl* el) {
    const unsigned kinds = KindSetOf(el);
    return (kinds & kNominalKinds) && (kinds & kVerbKinds) &&
           !(kinds & (KindBit(kUndefinedKind) | KindBit(kUnchangeable)));
}

bool RestrictCases(unsigned cases, TWordEl* head, TWordEl* bound, bool strict, TAgreeSet agree) {
    if (!strict && !(CasesOf(agree) & cases)) return false;
    bool removed = false;
    for (TWordEl* el = head; el && el != bound; el = el->Prev) {
        if (el->Role != kAttributeRole && el->Role != kHeadRole) continue;
        const bool applied =
            !strict || AnyReading(el, [cases](const TWordForm& f) { return IsNominalReading(f) && InCases(f, cases); });
        if (!applied) {
            for (TWordForm* f = el->Readings; f; f = f->Next)
                if (IsNominalReading(*f) && !InCases(*f, cases)) f->Inexact = true;
            continue;
        }
        removed |= RemoveReadings(el, [cases, strict](const TWordForm& f) {
            return IsNominalReading(f) ? !InCases(f, cases) : strict;
        });
    }
    return removed;
}

bool ApplyVerbBeforePhrase(TWordEl* verb, TWordEl* head, TAgreeSet agree, bool nominative) {
    if (!verb || SepAfter(verb) != ' ') return false;
    const uint8_t kind = KindSumOf(verb);
    if (!IsVerb(kind)) return false;
    const TWordForm& first = *verb->Readings;
    unsigned cases = 1u << (first.Form > 15 ? first.ObjCaseRefl : first.ObjCase);
    if (nominative) cases |= 1u << 1;
    return RestrictCases(cases, head, verb, false, agree);
}

}  // namespace kunimor

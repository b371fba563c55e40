#include "translator/AgreementAnalysis.h"

#include <string>

#include "dictionary/BelModule.h"
#include "ground/Direction.h"
#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "morphology/FormCodes.h"
#include "ground/Cp1251Literal.h"
#include "translator/AgreementRules.h"
#include "translator/AgreementVerbRules.h"
#include "translator/ElementList.h"
#include "translator/ReadingFilters.h"

namespace kunimor {
namespace {

constexpr unsigned CaseBit(int c) { return 1u << c; }

unsigned NominalCases(const TWordEl* el) {
    unsigned cases = 0;
    for (const TWordForm* f = el->Readings; f; f = f->Next)
        if (IsNominalReading(*f)) cases |= CaseBit(f->Case);
    return cases;
}

// The preposition that takes a nominative plural: у, в (в людзі, в люди).
bool TakesNominativePlural(TBelModule& module, const TWordEl* prep) {
    const std::string stem(SourceLang == kBelarusian ? "у"_cp1251 : "в"_cp1251);
    return prep->Readings && prep->Readings->WordNo == module.SpecialWordNo(SourceLang, stem);
}

bool ApplyPrepositionToPhrase(TBelModule& module, TWordEl* prep, unsigned cases, TWordEl* head, TAgreeSet agree) {
    if ((agree & AgreeBitOf(1, kPlural)) && head->Readings && head->Readings->IsDerived &&
        TakesNominativePlural(module, prep))
        cases |= CaseBit(1);
    return RestrictCases(cases, head, prep, true, agree);
}

bool ApplyPrepositionToGroup(TWordEl* prep, unsigned cases, TWordEl* last, TAgreeSet agree) {
    if (cases & CaseBit(4)) cases |= CaseBit(2);
    return RestrictCases(cases, last, prep, true, agree);
}

bool KeepPrepositionReadings(TWordEl* prep) {
    return RemoveReadings(prep, [](const TWordForm& f) { return f.Kind != kUnchangeable || f.PrepCases == 0; });
}

// Only a phrase of several words that agree in nothing but the
// prepositional can be in it without a preposition.
bool ApplyNoPreposition(TWordEl* start, TWordEl* head, TAgreeSet agree) {
    if (start != head && CasesOf(agree) == CaseBit(6)) return false;
    bool removed = false;
    for (TWordEl* el = head; el && el != start->Prev; el = el->Prev)
        if (el->Role == kAttributeRole || el->Role == kHeadRole)
            removed |= RemoveReadings(el, [](const TWordForm& f) { return IsNominalReading(f) && f.Case == 6; });
    return removed;
}

// A noun before a phrase takes it in the genitive, or, for a capitalised
// noun that shares its case, as an apposition.
bool ApplyNounBeforePhrase(TBelModule& module, TWordEl* noun, TWordEl* head, TAgreeSet agree) {
    if (!noun || !noun->Readings || SepAfter(noun) != ' ' || KindSumOf(noun) != kNoun) return false;
    if (IsPersonalPronoun(module, noun)) return false;
    unsigned cases = CaseBit(2);
    if (KindSumOf(head) == kNoun && head->CaseKind == TCasePattern::csCapital &&
        (NominalCases(noun) & NominalCases(head)))
        cases = NominalCases(noun);
    return RestrictCases(cases, head, noun, false, agree);
}

bool ApplyGenderAndNumber(TWordEl* start, TWordEl* head, TAgreeSet agree) {
    int members = 0;
    for (TWordEl* el = head; el && el != start->Prev; el = el->Prev)
        if (el->Role == kAttributeRole || el->Role == kHeadRole) ++members;
    if (members < 2) return false;
    bool removed = false;
    for (TWordEl* el = head; el && el != start->Prev; el = el->Prev) {
        if (el->Role != kAttributeRole && el->Role != kHeadRole) continue;
        const bool isHead = el->Role == kHeadRole;
        removed |= RemoveReadings(el, [agree, isHead](const TWordForm& f) {
            const bool checked = f.Kind == kAdjective || (isHead && f.Kind == kNoun);
            return !checked || f.Gender == 0 || !(AgreeBit(f) & agree);
        });
    }
    return removed;
}

bool SweepPhrases(TBelModule& module) {
    bool removed = false;
    for (TWordEl* el = ElementList; el;) {
        unsigned prepCases = 0;
        const bool prep = IsPrepBefore(el, true, prepCases);
        TWordEl* start = prep ? el->Next : el;
        const TPhraseAt phrase = FindPhraseAt(module, start);
        if (!phrase.Found) {
            el = el->Next;
            continue;
        }
        const bool useGroup = phrase.IsGroup;
        TWordEl* head = phrase.Head;
        const TAgreeSet agree = phrase.Agree;
        if (prep) {
            removed |= useGroup ? ApplyPrepositionToGroup(el, prepCases, head, agree)
                                : ApplyPrepositionToPhrase(module, el, prepCases, head, agree);
            removed |= KeepPrepositionReadings(el);
        } else {
            removed |= ApplyNoPreposition(start, head, agree);
        }
        removed |= ApplyVerbBeforePhrase(start->Prev, head, agree, true);
        removed |= ApplyNounBeforePhrase(module, start->Prev, head, agree);
        removed |= ApplyGenderAndNumber(start, head, agree);
        el = head->Next;
    }
    return removed;
}

bool SweepVerbs(TBelModule& module) {
    TWordEl* last = ElementList;
    while (last && last->Next) last = last->Next;
    bool removed = false;
    TVerbSweep sweep(ElementList, last);
    for (TWordEl* el = last; el;) {
        const TVerbGroup group = FindVerbGroup(module, el);
        if (!group.Found) {
            el = el->Prev;
            continue;
        }
        removed |= ApplySubjectVerbRule(module, group, el, sweep);
        removed |= ApplySeveralVerbsRule(group, el);
        el = group.Bound;
    }
    return removed;
}

// A word still both a noun (or adjective) and a verb after the rules.
bool ChooseNounOrVerb(TWordEl* el) {
    if (!IsNounOrVerb(el)) return false;
    const TWordForm* nominal = el->Readings;
    while (!(KindBit(nominal->Kind) & kNominalKinds)) nominal = nominal->Next;
    const TWordForm* verb = el->Readings;
    while (!IsVerb(verb->Kind)) verb = verb->Next;
    const TWordEl* prev = el->Prev;
    const bool afterNominal = prev && SepAfter(el->Prev) == ' ' && (KindSetOf(prev) & kNominalKinds);
    const bool keepVerbs = (nominal->Kind == kAdjective && nominal->Form == 25) ||
                           (nominal->Kind == kNoun && nominal->Case == 2 && !afterNominal) || verb->Form == 7;
    return keepVerbs ? RemoveKinds(el, kVerbKinds, kNominalKinds) : RemoveKinds(el, kNominalKinds, kVerbKinds);
}

int ReadingCount() {
    int count = 0;
    for (const TWordEl* el = ElementList; el; el = el->Next)
        for (const TWordForm* f = el->Readings; f; f = f->Next) ++count;
    return count;
}

}  // namespace

void AnalyseAgreement(TBelModule& module) {
    for (TWordEl* el = ElementList; el; el = el->Next) FilterThemes(module, el->Readings);
    KeepTranslatableReadings(module);
    ChooseImperativeOrFuture(module);
    FilterCapitals();
    FilterHyphenForms();
    for (TWordEl* el = ElementList; el; el = el->Next) {
        unsigned cases = 0;
        if (IsPrepBefore(el, true, cases)) RemoveKinds(el->Next, kNominalKinds, kVerbKinds);
    }
    // Every further iteration follows a removal, and twins are added once
    // each, so this bound is never reached by a sound list; it only keeps
    // a faulty rule from looping.
    for (int iterations = 2 * ReadingCount() + 1; iterations > 0; --iterations) {
        bool removed = SweepPhrases(module);
        removed |= SweepVerbs(module);
        if (removed) continue;
        for (TWordEl* el = ElementList; el; el = el->Next) removed |= ChooseNounOrVerb(el);
        if (!removed) break;
    }
}

}  // namespace kunimor

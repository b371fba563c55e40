#include "translator/Transfer.h"

#include <vector>

#include "dictionary/BelModule.h"
#include "ground/Direction.h"
#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "morphology/FormCodes.h"
#include "ground/Cp1251Literal.h"
#include "translator/ElementList.h"
#include "translator/LookupTranslations.h"
#include "translator/PaucalNumerals.h"
#include "translator/PhraseFinders.h"
#include "translator/ReadingFilters.h"
#include "translator/SpecialWordRules.h"
#include "translator/TargetSynthesis.h"
#include "translator/TranslationRanking.h"
#include "translator/VerbGroups.h"

namespace kunimor {
namespace {

// A noun phrase whose head's translation has another gender than the head.
struct TGenderChange {
    TWordEl* Start = nullptr;
    TWordEl* Head = nullptr;
    int OldGender = 0;
    int NewGender = 0;
};

bool InPhrase(const TWordEl* el) { return el->Role == kAttributeRole || el->Role == kHeadRole; }

void RankOrReport(const TUnknownProc& unknownProc) {
    for (TWordEl* el = ElementList; el; el = el->Next) {
        if (el->IsAbbr) continue;
        if (el->Trans)
            RankTranslations(el);
        else if (!el->Placeholder && unknownProc)
            unknownProc(WrittenText(*el));
    }
}

// A preposition whose translation governs another case moves the phrase's
// translations into that case.
void TransferCase(TBelModule& module, TWordEl* prep, TWordEl* head, unsigned targetCases) {
    unsigned sourceCases = 0;
    for (const TWordForm* r = prep->Readings; r; r = r->Next) sourceCases |= r->PrepCases;
    const int from = SingleCase(sourceCases);
    const int to = SingleCase(targetCases);
    if (from == kNoCase || to == kNoCase || from == to) return;
    // Attributes of an animate noun take the genitive for the accusative.
    const int adjCase = to == 4 && head->Role == kHeadRole && AccDiffers(module, head) ? 2 : to;
    for (TWordEl* el = prep->Next; el; el = el->Next) {
        if (InPhrase(el))
            for (TWordForm* t = el->Trans; t; t = t->Next) {
                if (!IsNominalReading(*t) || t->Case != from) continue;
                if (t->Kind == kNoun)
                    NounSetCase(t->Form, to);
                else
                    AdjSetCase(t->Form, adjCase);
                t->Case = static_cast<uint8_t>(to);
            }
        if (el == head) break;
    }
}

void TransferGender(TWordEl* start, TWordEl* head, int oldGender, int newGender) {
    for (TWordEl* el = start; el && el != head; el = el->Next) {
        if (el->Role != kAttributeRole) continue;
        for (TWordForm* t = el->Trans; t; t = t->Next)
            if (t->Kind == kAdjective && t->Gender == oldGender) {
                AdjSetGN(t->Form, newGender);
                t->Gender = static_cast<uint8_t>(newGender);
            }
    }
}

// The gendered numerals of the target language: a family's words for
// masculine, feminine and neuter.
struct TNumeralFamily {
    int32_t ByGender[3] = {0, 0, 0};
};

std::vector<TNumeralFamily> NumeralFamilies(TBelModule& module) {
    auto no = [&](std::string_view stem, std::string_view lemma) {
        return module.SpecialWordNo(TargetLang, std::string(stem), std::string(lemma));
    };
    const int32_t two = no("дв"_cp1251, "два"_cp1251);
    if (TargetLang == kBelarusian)
        return {{{two, no("дзв"_cp1251, "дзве"_cp1251), two}},
                {{no("абодв"_cp1251, "абодва"_cp1251), no("абедзв"_cp1251, "абедзве"_cp1251), no("аба"_cp1251, "абое"_cp1251)}}};
    const int32_t both = no("обо"_cp1251, "оба"_cp1251);
    return {{{two, no("дв"_cp1251, "две"_cp1251), two}}, {{both, no("обе"_cp1251, "обе"_cp1251), both}}};
}

void AdjustNumerals(TBelModule& module, TWordEl* start, TWordEl* head, int gender) {
    if (gender < kMasculine || gender > kNeuter) return;
    const std::vector<TNumeralFamily> families = NumeralFamilies(module);
    for (TWordEl* el = start; el && el != head; el = el->Next) {
        if (el->Role != kAttributeRole) continue;
        for (TWordForm* t = el->Trans; t; t = t->Next) {
            if (t->Kind != kAdjective || t->Gender != kPlural) continue;
            for (const TNumeralFamily& family : families)
                for (const int32_t member : family.ByGender)
                    if (t->WordNo == member) t->WordNo = family.ByGender[gender - 1];
        }
    }
}

bool AgreesWithSubjectGender(int form) {
    switch (form) {
    case 6: case 7: case 9: case 10: case 11: case 12: case 21: case 22: case 24: case 25: case 26: case 27:
        return true;
    default:
        return false;
    }
}

void TransferVerbGender(TBelModule& module, const TVerbGroup& group, TWordEl* lastVerb,
                        const std::vector<TGenderChange>& changes) {
    if (group.Genders == 0) return;
    const TSubject subject = FindSubject(module, group, lastVerb);
    if (subject.Match != TSubjectMatch::Agrees || !subject.Head || IsPersonalPronoun(module, subject.Head)) return;
    const TGenderChange* change = nullptr;
    for (auto it = changes.rbegin(); it != changes.rend() && !change; ++it)
        if (it->Head == subject.Head || it->Start->Prev == subject.Bound) change = &*it;
    if (!change) return;
    for (TWordEl* el = lastVerb; el && el != group.Bound; el = el->Prev) {
        if (el->Role != kVerbRole) continue;
        for (TWordForm* t = el->Trans; t; t = t->Next)
            if (AgreesWithSubjectGender(t->Form)) {
                VerbSetGN(t->Form, change->NewGender);
                t->Gender = static_cast<uint8_t>(change->NewGender);
            }
    }
}

// Case after prepositions, gender and numerals inside noun phrases; returns
// the phrases whose head changed gender.
std::vector<TGenderChange> RepairPhrases(TBelModule& module) {
    std::vector<TGenderChange> changes;
    for (TWordEl* el = ElementList; el;) {
        unsigned targetCases = 0;
        const bool prep = IsPrepBefore(el, false, targetCases);
        TWordEl* start = prep ? el->Next : el;
        if (!start) break;
        const TPhraseAt phrase = FindPhraseAt(module, start);
        if (!phrase.Found) {
            el = el->Next;
            continue;
        }
        TWordEl* head = phrase.Head;
        if (prep) TransferCase(module, el, head, targetCases);
        if (!phrase.IsGroup && head->Trans && head->Readings) {
            const int oldGender = head->Readings->Gender;
            const int newGender = head->Trans->Gender;
            if (oldGender != newGender) {
                changes.push_back({start, head, oldGender, newGender});
                TransferGender(start, head, oldGender, newGender);
            } else if (oldGender == kPlural) {
                AdjustNumerals(module, start, head, head->Trans->RodChislo);
            }
        }
        el = head->Next;
    }
    return changes;
}

void RepairVerbGender(TBelModule& module, const std::vector<TGenderChange>& changes) {
    TWordEl* el = ElementList;
    while (el && el->Next) el = el->Next;
    while (el) {
        const TVerbGroup group = FindVerbGroup(module, el);
        if (!group.Found) {
            el = el->Prev;
            continue;
        }
        TransferVerbGender(module, group, el, changes);
        el = group.Bound;
    }
}

}  // namespace

void TransferPiece(TBelModule& module, const TUnknownProc& unknownProc) {
    LookupTranslations(module);
    for (TWordEl* el = ElementList; el; el = el->Next) FilterThemes(module, el->Trans);
    ApplySpecialWords(module);
    RankOrReport(unknownProc);
    const std::vector<TGenderChange> changes = RepairPhrases(module);
    if (!changes.empty()) RepairVerbGender(module, changes);
    AgreePaucalNumerals();
    SynthesizePiece(module);
}

}  // namespace kunimor

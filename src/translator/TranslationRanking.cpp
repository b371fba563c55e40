#include "translator/TranslationRanking.h"

#include <climits>

#include "ground/Direction.h"
#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "translator/ElementList.h"

namespace kunimor {
namespace {

constexpr int kExcludedPriority = 3;

int PriorityWeight(int priority) {
    switch (priority) {
    case 0: return -10000;
    case 1: return 100;
    case 2: return 200;
    default: return 0;
    }
}

int KindWeight(const TWordForm& t) {
    switch (t.Kind) {
    case kNoun: return -4000;
    case kAdjective: return t.Form == 26 ? -4000 : -3000;  // a form 26 adjective is used like a noun
    case kPerfectiveVerb: return -1000;
    case kImperfectiveVerb: return -2000;
    case kUnchangeable: return -5000;
    default: return 10000;
    }
}

bool HasCaseAdjective(const TWordEl* el) {
    for (const TWordForm* t = el->Trans; t; t = t->Next)
        if (t->Kind == kAdjective && t->Form <= 24) return true;
    return false;
}

int FormTerm(const TWordEl* el, const TWordForm& t) {
    switch (t.Kind) {
    case kNoun: return (t.Form - 1) % 6;
    case kPerfectiveVerb:
    case kImperfectiveVerb: return (t.Form - 1) % 15;
    case kAdjective:
        if (t.Form <= 24) return t.Form;
        if (t.StartsColloc || t.Form == 26) return 2;
        if (t.FormVar == 0 && HasCaseAdjective(el)) return 2;
        return t.Form;
    default: return t.Form;
    }
}

// A participle rewritten into a clause fits after a comma, the plain word elsewhere.
int PlacePenalty(const TWordEl* el, const TWordForm& t) {
    if (SourceLang != kRussian || t.Kind != kAdjective) return 0;
    const char gap = el->Prev ? SepAfter(el->Prev) : '.';
    const bool afterComma = gap == ',';
    return afterComma == (t.PartCode != 0) ? -101 : 0;
}

int CapitalPenalty(const TWordEl* el, const TWordForm& t) {
    if (el != ElementList && el->CaseKind == TCasePattern::csCapital) return t.IsProper ? -101 : 0;
    if (el->CaseKind == TCasePattern::csUpper) return t.IsAbbrWord ? 0 : -101;
    if (el->CaseKind == TCasePattern::csLower) return t.IsProper ? 0 : -101;
    return 0;
}

}  // namespace

void RankTranslations(TWordEl* el) {
    if (!el->Trans || !el->Trans->Next) return;
    RemoveWordForms(el->Trans, [](const TWordForm& t) { return t.Priority == kExcludedPriority; });
    TWordForm* best = nullptr;
    int lowest = INT_MAX;
    for (TWordForm* t = el->Trans; t; t = t->Next) {
        const int score = PriorityWeight(t->Priority) + KindWeight(*t) + PlacePenalty(el, *t) +
                          CapitalPenalty(el, *t) + FormTerm(el, *t);
        if (score < lowest) {
            lowest = score;
            best = t;
        }
    }
    if (!best || best == el->Trans) return;
    TWordForm* before = el->Trans;
    while (before->Next != best) before = before->Next;
    before->Next = best->Next;
    best->Next = el->Trans;
    el->Trans = best;
}

void KeepTranslation(TWordEl* el, int32_t wordNo) {
    bool present = false;
    for (const TWordForm* t = el->Trans; t && !present; t = t->Next) present = t->WordNo == wordNo;
    if (!present) return;  // a word keeps what it has rather than nothing
    RemoveWordForms(el->Trans, [wordNo](const TWordForm& t) { return t.WordNo != wordNo; });
}

}  // namespace kunimor

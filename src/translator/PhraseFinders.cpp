#include "translator/PhraseFinders.h"

#include <string>
#include <string_view>
#include <vector>

#include "dictionary/BelModule.h"
#include "ground/Direction.h"
#include "ground/Language.h"
#include "dictionary/TagCodes.h"
#include "morphology/WordKind.h"
#include "morphology/FormCodes.h"
#include "morphology/FormSynthesis.h"
#include "ground/Cp1251Literal.h"
#include "translator/ElementList.h"

namespace kunimor {
namespace {

const TAgreeSet kGenitiveMasculine = AgreeBitOf(2, kMasculine);
const TAgreeSet kGenitivePlural = AgreeBitOf(2, kPlural);
const TAgreeSet kAccusativeMasculine = AgreeBitOf(4, kMasculine);
const TAgreeSet kAccusativePlural = AgreeBitOf(4, kPlural);

// The accusative that equals the genitive of animate masculine and plural
// nouns.
TAgreeSet WithAccusatives(TAgreeSet s) {
    if (s & kGenitiveMasculine) s |= kAccusativeMasculine;
    if (s & kGenitivePlural) s |= kAccusativePlural;
    return s;
}

bool IsNominalNoun(const TWordForm& f) { return f.Kind == kNoun && f.Form >= 1 && f.Form <= 12; }
bool IsNominalAdj(const TWordForm& f) { return f.Kind == kAdjective && f.Form >= 1 && f.Form <= 24; }

bool HasKind(const TWordEl* el, int kind) { return KindSetOf(el) & KindBit(kind); }

TAgreeSet HeadAgree(const TWordEl* el) {
    TAgreeSet s = 0;
    for (const TWordForm* f = el->Readings; f; f = f->Next)
        if (IsNominalNoun(*f)) s |= AgreeBit(*f);
    return s;
}

TAgreeSet AttributeAgree(const TWordEl* el) {
    TAgreeSet s = 0;
    for (const TWordForm* f = el->Readings; f; f = f->Next)
        // The alternative nominatives are short forms, which stand alone.
        if (IsNominalAdj(*f) && !(f->Form <= 4 && f->FormVar == 1)) s |= AgreeBit(*f);
    return s;
}

unsigned GovernedCases(const TWordEl* el) {
    unsigned cases = 0;
    for (const TWordForm* f = el->Readings; f; f = f->Next) cases |= f->PrepCases;
    return cases;
}

// nextInPhrase: the element after el is an attribute or a head of the
// phrase being examined.
TNominalClass NominalClass(TBelModule& module, TWordEl* el, bool isHead, bool loose, bool nextInPhrase) {
    if (el->Placeholder || el->IsAbbr) return {kTransparentRole, 0};
    if (loose || !(HasKind(el, kUndefinedKind) || HasKind(el, kUnchangeable))) {
        if (isHead)
            if (const TAgreeSet s = HeadAgree(el)) return {kHeadRole, s};
        if (const TAgreeSet s = AttributeAgree(el)) return {kAttributeRole, s};
    }
    if (HasKind(el, kUndefinedKind)) return {};
    const char sep = SepAfter(el);
    if (sep == ' ') {
        if (IsLinkWord(module, el, loose)) return {kTransparentRole, 0};
        if (loose && HasKind(el, kUnchangeable) && GovernedCases(el) == 0) return {kTransparentRole, 0};
        // an adverb before an attribute
        if (loose && nextInPhrase && AnyReading(el, IsAdverbReading)) return {kTransparentRole, 0};
    } else if (sep == '-') {
        if (AnyReading(el, [](const TWordForm& f) { return (f.Kind == kNoun && f.Form == 13) || IsAdverbReading(f); }))
            return {kTransparentRole, 0};
    }
    return {};
}

// No phrase whose head lies right of el can take el, whatever the phrase.
bool NeverInsidePhrase(TBelModule& module, TWordEl* el, bool loose) {
    const TNominalClass c = NominalClass(module, el, false, loose, true);
    if (c.Role == kNoRole) return true;
    const char sep = SepAfter(el);
    return c.Role == kAttributeRole && sep != ' ' && sep != ',';
}

bool IsOneOf(TBelModule& module, int32_t wordNo, std::initializer_list<std::string_view> stems) {
    for (std::string_view stem : stems)
        if (wordNo == module.SpecialWordNo(SourceLang, std::string(stem))) return true;
    return false;
}

void AddTwinsToAttributes(TWordEl* head, TWordEl* bound) {
    for (TWordEl* el = head->Prev; el && el != bound; el = el->Prev)
        if (el->Role == kAttributeRole) AddAccTwins(el->Readings);
}

}  // namespace

bool IsNominalReading(const TWordForm& f) { return IsNominalNoun(f) || IsNominalAdj(f); }

bool IsAdverbReading(const TWordForm& f) { return f.Kind == kAdjective && f.Form == 25 && f.FormVar == 0; }

bool IsHyphenAdverbReading(const TWordForm& f) { return f.Kind == kAdjective && f.Form == 25 && f.FormVar == 1; }

bool IsPersonalPronoun(const TBelModule& module, const TWordEl* el) {
    return el->Readings && (el->Readings->WordNo == module.SrcYaWordNo || el->Readings->WordNo == module.SrcTyWordNo);
}

unsigned KindSetOf(const TWordEl* el) {
    unsigned kinds = 0;
    for (const TWordForm* f = el->Readings; f; f = f->Next) kinds |= KindBit(f->Kind);
    return kinds;
}

uint8_t KindSumOf(TWordEl* el) {
    uint8_t sum = 0;
    for (const TWordForm* f = el->Readings; f; f = f->Next) {
        if (sum == 0) sum = f->Kind;
        else if (sum != f->Kind) sum = kMixedKinds;
    }
    el->KindSum = sum;
    return sum;
}

TAgreeSet AgreeBitOf(int nounCase, int gender) {
    const int bit = AdjForm(nounCase, gender);
    return bit == 0 ? 0 : TAgreeSet{1} << bit;
}

TAgreeSet AgreeBit(const TWordForm& f) { return AgreeBitOf(f.Case, f.Gender); }

unsigned CasesOf(TAgreeSet s) {
    unsigned cases = 0;
    for (int c = 1; c <= kCaseCount; ++c)
        if (s & (TAgreeSet{0xF} << AdjForm(c, kMasculine))) cases |= 1u << c;
    return cases;
}

bool IsLinkWord(TBelModule& module, const TWordEl* el, bool strict) {
    if (!el->Readings || !HasKind(el, kUnchangeable)) return false;
    const int32_t no = el->Readings->WordNo;
    const bool bel = SourceLang == kBelarusian;
    if (bel ? IsOneOf(module, no, {"або"_cp1251, "ды"_cp1251, "і"_cp1251, "ці"_cp1251})
            : IsOneOf(module, no, {"да"_cp1251, "и"_cp1251, "или"_cp1251, "ли"_cp1251}))
        return true;
    return !strict && (bel ? IsOneOf(module, no, {"б"_cp1251, "бы"_cp1251, "не"_cp1251, "ні"_cp1251})
                           : IsOneOf(module, no, {"б"_cp1251, "бы"_cp1251, "не"_cp1251, "ни"_cp1251}));
}

bool IsPrepBefore(TWordEl* el, bool fromReadings, unsigned& cases) {
    cases = 0;
    if (!el) return false;
    const TWordForm* list = fromReadings ? el->Readings : el->Trans;
    if (!list || SepAfter(el) != ' ') return false;
    const uint8_t sum = KindSumOf(el);
    if (sum != kUnchangeable && sum != kMixedKinds) return false;
    cases = fromReadings ? GovernedCases(el) : list->PrepCases;
    return cases != 0;
}

bool IsIndeclAdj(TBelModule& module, const TWordEl* el) {
    const int16_t indeclinable = module.SpecialEtalonNo(SourceLang);
    for (const TWordForm* f = el->Readings; f; f = f->Next) {
        if (f->Kind != kAdjective || IsCollocNo(f->WordNo)) continue;
        module.LoadWord(SourceLang, f->WordNo);
        if (module.CurWord.EtalonNo == indeclinable) return true;
    }
    return false;
}

namespace {

// Whether the first nominal noun reading of el has an accusative other than
// its nominative in the singular or the plural.
bool AccDiffersIn(TBelModule& module, const TWordEl* el, bool plural) {
    const TWordForm* noun = el->Readings;
    while (noun && !IsNominalNoun(*noun)) noun = noun->Next;
    if (!noun) return false;
    int32_t wordNo = noun->WordNo;
    if (IsCollocNo(wordNo)) {
        module.LoadColloc(SourceLang, wordNo);
        const TCollocRec& colloc = module.CurColloc;
        if (colloc.MainPar < 0 || colloc.MainPar >= colloc.Count) return false;
        wordNo = colloc.Words[static_cast<size_t>(colloc.MainPar)].No;
    }
    module.LoadWord(SourceLang, wordNo);
    std::string nominative, accusative;
    const std::string& stem = module.CurWord.Osnova;
    const std::string& forms = module.CurEtalon.Forms;
    if (!TryBuildForm(SourceLang, stem, forms, true, nominative, false, plural ? 7 : 1) || nominative.empty())
        return false;
    if (!TryBuildForm(SourceLang, stem, forms, true, accusative, false, plural ? 10 : 4)) accusative.clear();
    return accusative != nominative;
}

}  // namespace

bool AccDiffers(TBelModule& module, const TWordEl* el) {
    const TWordForm* noun = el->Readings;
    while (noun && !IsNominalNoun(*noun)) noun = noun->Next;
    if (!noun) return false;
    const bool plural = noun->Form > 6;
    if (!plural && noun->Gender != kMasculine) return false;
    return AccDiffersIn(module, el, plural);
}

bool IsAnimateNoun(TBelModule& module, const TWordEl* el) { return AccDiffersIn(module, el, true); }

void AddAccTwins(TWordForm*& list) {
    for (TWordForm* f = list; f; f = f->Next) {
        if (f->Kind != kAdjective || f->Form >= 25) continue;
        const TAgreeSet bit = AgreeBit(*f);
        if (bit != kGenitiveMasculine && bit != kGenitivePlural) continue;
        const uint8_t twinForm = static_cast<uint8_t>(f->Form + 8);
        if (f->Next && f->Next->IsDerived && f->Next->WordNo == f->WordNo && f->Next->Form == twinForm &&
            f->Next->FormVar == f->FormVar)
            continue;  // twinned by an earlier search
        auto* twin = new TWordForm(*f);
        twin->Form = twinForm;
        twin->Case = 4;
        twin->IsDerived = true;
        f->Next = twin;
        f = twin;
    }
}

bool RemoveKinds(TWordEl* el, unsigned ifAny, unsigned remove) {
    if (!(KindSetOf(el) & ifAny)) return false;
    const bool removed = RemoveWordForms(el->Readings, [remove](const TWordForm& f) {
                             return (KindBit(f.Kind) & remove) != 0;
                         }) > 0;
    KindSumOf(el);
    return removed;
}

TNominalClass ClassifyNominal(TBelModule& module, TWordEl* el, bool isHead, bool loose) {
    const bool nextInPhrase = el->Next && (el->Next->Role == kAttributeRole || el->Next->Role == kHeadRole);
    const TNominalClass c = NominalClass(module, el, isHead, loose, nextInPhrase);
    if (c.Role != kNoRole) el->Role = c.Role;
    return c;
}

TNounPhrase ScanNounPhrase(TBelModule& module, TWordEl* head, bool loose, TWordEl* limit) {
    TNounPhrase phrase;
    TAgreeSet agree = 0;
    TWordEl* taken = nullptr;  // the leftmost element taken so far
    TWordEl* el = head;
    for (int length = 0; el && length < kMaxPhraseLength; el = el->Prev, ++length) {
        auto [role, own] = ClassifyNominal(module, el, el == head, loose);
        const char sep = SepAfter(el);
        if (el == head && role != kHeadRole) role = kNoRole;
        if (role == kAttributeRole && sep != ' ' && sep != ',') role = kNoRole;
        if (el->Next == head && (sep == ',' || role == kTransparentRole)) role = kNoRole;
        if (role == kAttributeRole && phrase.AccExtended) own = WithAccusatives(own);
        if (role == kHeadRole && (own & (kAccusativeMasculine | kAccusativePlural)) && AccDiffers(module, el))
            phrase.AccExtended = true;
        if (role == kAttributeRole || role == kHeadRole) {
            const TAgreeSet narrowed = agree ? agree & own : own;
            if (narrowed == 0) role = kNoRole;
            else agree = narrowed;
        }
        if (role == kNoRole) break;
        // Past limit the phrase is known to take it: only a conjunction at
        // limit waits for one more element, as a phrase never starts with one.
        const bool limitDecided = limit && (taken == limit || (el == limit && !IsLinkWord(module, el, true)));
        if (limitDecided) {
            phrase.Found = true;
            phrase.Bound = limit->Prev;
            if (el == limit) phrase.Agree = agree;
            return phrase;
        }
        taken = el;
        phrase.Agree = agree;
    }
    phrase.Bound = el;
    if (taken && IsLinkWord(module, taken, true)) phrase.Bound = taken;
    phrase.Found = phrase.Bound != head;
    return phrase;
}

TNounPhrase FindNounPhrase(TBelModule& module, TWordEl* start, bool loose, bool rightwards) {
    if (!start) return {};
    if (!rightwards) {
        const TNounPhrase phrase = ScanNounPhrase(module, start, loose);
        if (phrase.Found && phrase.AccExtended) AddTwinsToAttributes(start, phrase.Bound);
        return phrase;
    }
    TWordEl* head = nullptr;
    // A head further on than a phrase is long cannot reach start.
    int distance = 0;
    for (TWordEl* el = start; el && distance < kMaxPhraseLength; el = el->Next, ++distance) {
        if (ClassifyNominal(module, el, true, loose).Role == kHeadRole) {
            const TNounPhrase phrase = ScanNounPhrase(module, el, loose, start);
            if (!phrase.Found) break;
            if (phrase.Bound == start->Prev) head = el;
        }
        // Keeps the search linear in a long piece.
        if (NeverInsidePhrase(module, el, loose)) break;
    }
    if (!head) return {};
    // Again, for the roles and the set of this phrase alone.
    TNounPhrase phrase = ScanNounPhrase(module, head, loose, start);
    if (phrase.AccExtended) AddTwinsToAttributes(head, phrase.Bound);
    phrase.Bound = head;
    return phrase;
}

TAdjGroup FindAdjGroup(TBelModule& module, TWordEl* start, bool loose) {
    struct TMember {
        TWordEl* El;
        uint8_t Role;
        TAgreeSet Agree;  // of the group up to this element
    };
    std::vector<TMember> group;
    TAgreeSet agree = 0;
    for (TWordEl* el = start; el && group.size() < kMaxPhraseLength; el = el->Next) {
        auto [role, own] = ClassifyNominal(module, el, false, loose);
        if (el == start && IsLinkWord(module, el, true)) role = kNoRole;
        if (role == kAttributeRole) {
            const char sep = SepAfter(el);
            const TAgreeSet narrowed = agree ? agree & own : own;
            if ((sep != ' ' && sep != ',') || narrowed == 0) role = kNoRole;
            else agree = narrowed;
        }
        if (role == kNoRole) break;
        group.push_back({el, role, agree});
    }
    for (auto it = group.rbegin(); it != group.rend(); ++it) {
        TWordEl* el = it->El;
        const TWordEl* prev = el->Prev;
        if (it->Role == kAttributeRole && (!prev || SepAfter(el->Prev) == ' ' || prev->Role == kTransparentRole) &&
            !IsIndeclAdj(module, el))
            return {true, el, it->Agree};
    }
    return {};
}

namespace {

// Whether first comes before second, both at or after start; walks only
// as far as the nearer one.
bool ComesBefore(const TWordEl* start, const TWordEl* first, const TWordEl* second) {
    for (const TWordEl* el = start; el; el = el->Next) {
        if (el == second) return false;
        if (el == first) return true;
    }
    return false;
}

}  // namespace

TPhraseAt FindPhraseAt(TBelModule& module, TWordEl* start) {
    const TNounPhrase phrase = FindNounPhrase(module, start, true, true);
    const TAdjGroup group = FindAdjGroup(module, start, true);
    if (group.Found && (!phrase.Found || ComesBefore(start, phrase.Bound, group.Last)))
        return {true, true, group.Last, group.Agree};
    if (!phrase.Found) return {};
    // The group search went over the phrase after it was found.
    ScanNounPhrase(module, phrase.Bound, true, start);
    return {true, false, phrase.Bound, phrase.Agree};
}

}  // namespace kunimor

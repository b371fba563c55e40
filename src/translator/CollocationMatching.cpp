#include "translator/CollocationMatching.h"

#include <vector>

#include "dictionary/BelModule.h"
#include "ground/Direction.h"
#include "morphology/WordKind.h"
#include "translator/CollectReading.h"
#include "translator/ElementList.h"

namespace kunimor {
namespace {

struct TFoundColloc {
    int32_t No = 0;
    TCollocRec Rec;
};

// The source collocations that begin with words first, second. Collected
// whole before anything else queries the lexicon, which would move the
// enumeration's position.
std::vector<TFoundColloc> CollocationsStartingWith(TBelModule& module, int32_t first, int32_t second) {
    std::vector<TFoundColloc> found;
    TCollocRec rec;
    for (int32_t no = module.NextCollocByFirstWords(SourceLang, first, rec, second); no != 0;
         no = module.NextCollocByFirstWords(SourceLang, 0, rec))
        found.push_back({no, rec});
    return found;
}

int CollocKind(const TCollocRec& c) { return c.Kind == 0 ? kUnchangeable : c.Kind; }

bool Fits(const TWordForm& r, const TCollocWord& w) { return r.WordNo == w.No && (w.Frm == 0 || w.Frm == r.Form); }

// How many words of c match from el on (0: c does not match), and the
// element holding its main word.
int MatchLength(const TCollocRec& c, TWordEl* el, const TWordForm& first, const TWordForm& second, TWordEl*& main) {
    main = c.MainPar == 0 ? el : nullptr;
    TWordEl* e = el;
    if (!Fits(first, c.Words[0])) return 0;
    for (int i = 1; i < static_cast<int>(c.Words.size()); ++i) {
        if (c.Words[i].No < 1) return i;
        TWordEl* next = e->Next;
        if (!next || SepAfter(e) != c.Words[i - 1].Delim) return 0;
        e = next;
        bool fits = false;
        if (i == 1) {
            fits = Fits(second, c.Words[1]);
        } else {
            for (const TWordForm* r = e->Readings; r && !fits; r = r->Next) fits = Fits(*r, c.Words[i]);
        }
        if (!fits) return 0;
        if (i == c.MainPar) main = e;
    }
    return static_cast<int>(c.Words.size());
}

bool Translatable(TBelModule& module, const TFoundColloc& c, const TWordEl* main) {
    const int kind = CollocKind(c.Rec);
    if (c.Rec.MainPar < 0) return module.ForEachTranslation(c.No, kind, nullptr, 0, 1);
    const int32_t mainWord = c.Rec.Words[static_cast<std::size_t>(c.Rec.MainPar)].No;
    for (const TWordForm* r = main->Readings; r; r = r->Next)
        if (r->WordNo == mainWord && module.ForEachTranslation(c.No, kind, nullptr, r->FormVar, r->Form)) return true;
    return false;
}

void Apply(const TFoundColloc& c, TWordEl* el, TWordEl* main, int length) {
    TWordForm* readings = nullptr;
    if (c.Rec.MainPar < 0) {
        TWordForm f;
        f.Form = 1;
        f.Kind = kUnchangeable;
        AppendWordForm(readings, f);
    } else {
        const int32_t mainWord = c.Rec.Words[static_cast<std::size_t>(c.Rec.MainPar)].No;
        RemoveWordForms(main->Readings, [mainWord](const TWordForm& r) { return r.WordNo != mainWord; });
        readings = main->Readings;
        main->Readings = nullptr;
    }
    for (TWordForm* r = readings; r; r = r->Next) {
        r->WordNo = c.No;
        SetTagFeatures(*r, static_cast<uint16_t>(c.Rec.Tag), true);
    }
    TWordEl* last = el;
    for (int i = 1; i < length; ++i) last = last->Next;
    FreeWordForms(el->Readings);
    el->Readings = readings;
    el->EndPos = last->EndPos;
    el->SepClass = last->SepClass;
    el->KindSum = readings->Kind;
    FreeElements(el->Next, length - 1);
}

bool TryCollocation(TBelModule& module, TWordEl* el, const TWordForm& first) {
    for (const TWordForm* second = el->Next->Readings; second; second = second->Next) {
        for (const TFoundColloc& c : CollocationsStartingWith(module, first.WordNo, second->WordNo)) {
            TWordEl* main = nullptr;
            const int length = MatchLength(c.Rec, el, first, *second, main);
            if (length == 0 || (c.Rec.MainPar >= 0 && !main) || !Translatable(module, c, main)) continue;
            Apply(c, el, main, length);
            return true;
        }
    }
    return false;
}

}  // namespace

void MatchCollocations(TBelModule& module) {
    for (TWordEl* el = ElementList; el && el->Next; el = el->Next) {
        for (const TWordForm* r = el->Readings; r; r = r->Next) {
            if (!r->StartsColloc) continue;
            const TWordForm first = *r;  // el's readings are replaced on success
            if (TryCollocation(module, el, first)) break;
        }
    }
}

}  // namespace kunimor

#include "translator/LookupTranslations.h"

#include "lexicon/BelModule.h"
#include "lexicon/Direction.h"
#include "translator/CollectReading.h"
#include "translator/ElementList.h"

namespace kunimor {

void LookupTranslations(TBelModule& module) {
    TCandidateLookup lookup;
    lookup.lang = TargetLang;
    const TWordFormProc collect = CollectReading(module, lookup);
    for (TWordEl* el = ElementList; el; el = el->Next) {
        lookup.list = &el->Trans;
        for (const TWordForm* r = el->Readings; r; r = r->Next) {
            TWordForm* last = el->Trans;
            while (last && last->Next) last = last->Next;
            lookup.expectedKind = r->Kind;
            const bool found = module.ForEachTranslation(r->WordNo, r->Kind, collect, r->FormVar, r->Form);
            if (!found || (!r->IsDerived && !r->Inexact)) continue;
            for (TWordForm* t = last ? last->Next : el->Trans; t; t = t->Next) {
                t->IsDerived = r->IsDerived;
                t->Inexact = r->Inexact;
            }
        }
    }
}

}  // namespace kunimor

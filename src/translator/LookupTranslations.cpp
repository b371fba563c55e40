#include "translator/LookupTranslations.h"

#include "dictionary/BelModule.h"
#include "ground/Direction.h"
#include "translator/CollectReading.h"
#include "translator/ElementList.h"

namespace kunimor {

void LookupTranslations(TBelModule& module) {
    TCandidateLookup lookup;
    lookup.lang = TargetLang;
    const TWordFormProc collect = CollectReading(module, lookup);
    for (TWordEl* el = ElementList; el; el = el->Next) {
        lookup.list = &el->Trans;
        TWordForm* last = el->Trans;  // the last translation before this reading's
        while (last && last->Next) last = last->Next;
        for (const TWordForm* r = el->Readings; r; r = r->Next) {
            lookup.expectedKind = r->Kind;
            const bool found = module.ForEachTranslation(r->WordNo, r->Kind, collect, r->FormVar, r->Form);
            TWordForm* added = last ? last->Next : el->Trans;
            if (found && (r->IsDerived || r->Inexact))
                for (TWordForm* t = added; t; t = t->Next) {
                    t->IsDerived = r->IsDerived;
                    t->Inexact = r->Inexact;
                }
            for (TWordForm* t = added; t; t = t->Next) last = t;
        }
    }
}

}  // namespace kunimor

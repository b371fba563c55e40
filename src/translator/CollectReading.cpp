#include "translator/CollectReading.h"

#include "dictionary/BelModule.h"
#include "ground/Direction.h"
#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "morphology/FormCodes.h"

namespace kunimor {
namespace {

void SetFormFeatures(TWordForm& f, const TWordFormArgs& a) {
    switch (f.Kind) {
    case kNoun:
        f.RodChislo = a.RodChislo;
        f.Gender = static_cast<uint8_t>(NounNumber(f.Form, a.RodChislo));
        f.Case = static_cast<uint8_t>(NounCase(f.Form));
        break;
    case kAdjective:
        f.Gender = static_cast<uint8_t>(AdjGN(f.Form));
        f.Case = static_cast<uint8_t>(AdjCase(f.Form));
        break;
    case kPerfectiveVerb:
    case kImperfectiveVerb:
        f.Gender = static_cast<uint8_t>(VerbGN(f.Form));
        break;
    default:
        break;
    }
}

}  // namespace

void SetTagFeatures(TWordForm& f, uint16_t tag, bool sourceWord) {
    if (sourceWord) f.StartsColloc = tag & 1;
    f.Theme = static_cast<uint8_t>(tag >> 8);
    switch (f.Kind) {
    case kNoun:
        // a noun whose gender differs from its paradigm's
        if (const int gender = (tag >> 1) & 3; gender != 0 && f.Gender != kPlural)
            f.Gender = static_cast<uint8_t>(gender);
        f.IsProper = (tag >> 3) & 1;
        f.IsAbbrWord = (tag >> 4) & 1;
        break;
    case kPerfectiveVerb:
    case kImperfectiveVerb:
        f.ObjCase = static_cast<uint8_t>((tag >> 1) & 7);
        if (f.ObjCase == 0) f.ObjCase = 4;
        f.ObjCaseRefl = static_cast<uint8_t>((tag >> 4) & 7);
        if (f.ObjCaseRefl == 0) f.ObjCaseRefl = 5;
        break;
    case kUnchangeable:
        f.PrepCases = static_cast<uint8_t>((tag >> 1) & 0x7F);  // bit c: case c governed
        break;
    default:
        break;
    }
}

TWordFormProc CollectReading(TBelModule& module, const TCandidateLookup& lookup) {
    return [&module, &lookup](const TWordFormArgs& a) {
        const bool sourceWord = lookup.lang == SourceLang;
        // Belarusian translations are taken whatever their kind.
        if (!sourceWord && lookup.lang == kRussian && a.Kind != lookup.expectedKind) return;
        TWordForm f;
        f.WordNo = a.No;
        f.Form = a.Form;
        f.FormVar = a.Alt;
        f.FoundForm = a.Form;
        f.FoundFormVar = a.Alt;
        f.Kind = sourceWord ? a.Kind : static_cast<uint8_t>(lookup.expectedKind);
        SetFormFeatures(f, a);
        f.IsSpecial = module.IsProtectedWord(lookup.lang, a.No);
        SetTagFeatures(f, static_cast<uint16_t>(a.Tag), sourceWord);
        f.Priority = a.Priority;
        f.PartCode = a.CrossCode;
        f.Negation = a.CrossFlag;
        AppendWordForm(*lookup.list, f);
        // The pronouns' paradigms say masculine; the copies let я and ты
        // agree with feminine and neuter verb forms.
        if (sourceWord && (a.No == module.SrcYaWordNo || a.No == module.SrcTyWordNo)) {
            f.Gender = kFeminine;
            AppendWordForm(*lookup.list, f);
            if (a.No == module.SrcTyWordNo) {
                f.Gender = kNeuter;
                AppendWordForm(*lookup.list, f);
            }
        }
    };
}

}  // namespace kunimor

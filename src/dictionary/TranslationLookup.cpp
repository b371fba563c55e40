#include "dictionary/BelModule.h"

#include "dictionary/CollocMainWord.h"
#include "ground/Direction.h"
#include "ground/LanguageCode.h"
#include "dictionary/LookupSettings.h"
#include "dictionary/ParticipleLink.h"
#include "dictionary/TagCodes.h"
#include "dictionary/TranslationLinks.h"
#include "morphology/FormsText.h"
#include "ground/Cp1251Literal.h"
#include "ground/FormatText.h"

#include <vector>

namespace kunimor {

namespace {

constexpr std::string_view kNoWordTranslationText = "Не могу найти перевод для слова (%s) №%d \"%s\""_cp1251;
constexpr std::string_view kNoCollocTranslationText =
    "Не могу найти перевод для словосочетания (%s) №%d \"%s\""_cp1251;

// Correspondence flags: which half of one entry's forms goes to which half
// of the other's. LinkFlags reads them from the source's side; a link
// stores them from the Belarusian side.
constexpr int kFirstToFirst = 1;
constexpr int kSecondToSecond = 2;
constexpr int kFirstToSecond = 4;
constexpr int kSecondToFirst = 8;

// Priority 3 marks a translation of last resort, which the question whether
// a translation exists ignores.
constexpr int kLowestUsablePriority = 2;
constexpr int kLastAdjectiveCaseForm = 24;
constexpr int kNounFormWithoutNumber = 13;

// What a lookup reports about the target entry of one link.
struct Target {
    bool colloc = false;
    int kind = 0;
    int16_t tag = 0;
    int gender = 0;
    std::string forms;  // a word's paradigm, to tell which forms exist
};

Target LoadTarget(TBelModule& m, int32_t targetNo, int32_t sourceNo) {
    Target t;
    if (IsCollocNo(targetNo)) {
        m.LoadColloc(TargetLang, targetNo);
        t.colloc = true;
        t.kind = m.CurColloc.Kind;
        t.tag = m.CurColloc.Tag;
        const int32_t mainWord = MainWordNo(m.CurColloc);
        if (t.kind == kNoun && mainWord != 0) {
            m.LoadWord(TargetLang, mainWord);
            t.gender = m.CurEtalon.RodChislo;
        }
        return t;
    }
    Table& words = m.WordsTable(TargetLang);
    if (!words.Locate("No", {Value(targetNo)}))
        m.DictionaryError(words.Name() + ": dead translation link " + std::to_string(targetNo) + " for word #" +
                          std::to_string(sourceNo));
    m.LoadWord(TargetLang, 0);  // the record just located
    t.kind = m.CurEtalon.Kind;
    t.tag = m.CurWord.Tag;
    t.gender = m.CurEtalon.RodChislo;
    t.forms = m.CurEtalon.Forms;
    return t;
}

// The target forms a source form corresponds to through a link of the same
// kind: within its half of the forms and across to the other half, as the
// link's flags allow. 0 stands for none.
struct TargetForms {
    int first = 0;
    int second = 0;
};

TargetForms CorrespondingForms(int kind, int form, int16_t linkTag) {
    const int flags = LinkFlags(linkTag, TargetLang);
    const int half = FormCount(kind) / 2;
    TargetForms f;
    if (form > half) {
        if (flags & kSecondToSecond) f.first = form;
        if (flags & kSecondToFirst) f.second = form - half;
    } else {
        if (flags & kFirstToFirst) f.first = form;
        if (flags & kFirstToSecond) f.second = form + half;
    }
    return f;
}

bool PrefersAltForm(int kind, int form) {
    if (kind == kNoun) return form == 5 || form == 8 || form == 10;
    if (kind == kAdjective) return form == 6 || form == 18;
    return false;
}

// Reports that an entry has no link at all, for the expert's eyes.
void ReportNoTranslation(TBelModule& m, int32_t no) {
    if (!AdvTrans) return;
    const std::string lang(LangFieldPrefix(SourceLang));
    if (IsCollocNo(no)) {
        m.LoadColloc(SourceLang, no);
        int alt = 0;
        int form = 1;
        const std::string text = m.CollocTextAny(SourceLang, m.CurColloc, kMaxFormNo, alt, form);
        m.ReportMessage(FormatText(kNoCollocTranslationText, {lang, std::to_string(no), text}));
        return;
    }
    m.LoadWord(SourceLang, no);
    m.ReportMessage(FormatText(kNoWordTranslationText, {lang, std::to_string(no), m.CurWord.Osnova}));
}

// Whether an entry has main forms in the first and in the second half of
// its forms; only nouns and verbs have halves, and a collocation is its
// main word.
FormHalves MainFormHalves(TBelModule& m, int lang, int32_t no) {
    if (IsCollocNo(no)) {
        m.LoadColloc(lang, no);
        no = MainWordNo(m.CurColloc);
        if (no == 0) return {};
    }
    m.LoadWord(lang, no);
    const int kind = m.CurEtalon.Kind;
    if (kind != kNoun && !IsVerb(kind)) return {};
    const std::string& forms = m.CurEtalon.Forms;
    auto anyMainForm = [&](int first, int last) {
        for (int form = first; form <= last; ++form)
            if (!FormEnding(forms, form, false).empty()) return true;
        return false;
    };
    const int half = FormCount(kind) / 2;
    return {anyMainForm(1, half), anyMainForm(half + 1, 2 * half)};
}

}  // namespace

bool TBelModule::ForEachTranslation(int32_t no, int sourceKind, const TWordFormProc& proc, int startAlt, int form) {
    // Read whole first: the callback may query the module and move the link table.
    const std::vector<TransLink> links = LinksOf(tblTrans(), SourceLang, no);
    if (links.empty()) {
        ReportNoTranslation(*this, no);
        return false;
    }
    startAlt = startAlt != 0 ? 1 : 0;
    bool found = false;
    for (const TransLink& link : links) {
        const Target target = LoadTarget(*this, link.target, no);
        const bool kindsDiffer = sourceKind != target.kind;
        if (kindsDiffer && sourceKind == kAdjective && form > kLastAdjectiveCaseForm) continue;

        TargetForms forms;
        const bool halvesCorrespond =
            !kindsDiffer && (target.kind == kNoun || IsVerb(target.kind)) && !(target.kind == kNoun && form == kNounFormWithoutNumber);
        if (halvesCorrespond) forms = CorrespondingForms(target.kind, form, link.tag);
        else forms.first = form;
        if (UseAltForms && PrefersAltForm(target.kind, form)) startAlt = 1;

        TWordFormArgs args;
        args.No = link.target;
        args.CrossFlag = kindsDiffer && CrossFlag(link.tag);
        args.CrossCode = static_cast<uint8_t>(kindsDiffer ? CrossCode(link.tag) : 0);
        args.Priority = static_cast<uint8_t>(LinkPriority(link.tag, TargetLang));
        args.Tag = target.tag;
        args.RodChislo = static_cast<uint8_t>(target.gender);
        args.Kind = static_cast<uint8_t>(target.kind);
        // A participle stands for forms of the verb that the paradigm is not
        // asked about; a collocation is reported once, in the alternative asked for.
        const bool checkParadigm = !target.colloc && args.CrossCode == 0;
        auto emit = [&](int targetForm) {
            if (targetForm == 0) return;
            for (int alt : {startAlt, 1 - startAlt}) {
                if (checkParadigm && FormEnding(target.forms, targetForm, alt != 0).empty()) continue;
                args.Form = static_cast<uint8_t>(targetForm);
                args.Alt = static_cast<uint8_t>(alt);
                if (proc) {
                    found = true;
                    proc(args);
                } else if (args.Priority <= kLowestUsablePriority) {
                    found = true;
                }
                if (target.colloc) return;
            }
        };
        emit(forms.first);
        emit(forms.second);
        if (found && !proc) break;
    }
    return found;
}

int TBelModule::DefaultLinkFlags(int targetLang, int32_t sourceNo, int32_t targetNo) {
    const bool belTarget = targetLang == kBelarusian;
    const FormHalves bel = MainFormHalves(*this, kBelarusian, belTarget ? targetNo : sourceNo);
    const FormHalves rus = MainFormHalves(*this, kRussian, belTarget ? sourceNo : targetNo);
    // Stored orientation: from Belarusian to Russian.
    int flags = 0;
    if (bel.inFirst && rus.inFirst) flags |= kFirstToFirst;
    if (bel.inSecond && rus.inSecond) flags |= kSecondToSecond;
    if (flags != 0) return flags;
    if (bel.inFirst && rus.inSecond) return kFirstToSecond;
    if (bel.inSecond && rus.inFirst) return kSecondToFirst;
    return 0;
}

}  // namespace kunimor

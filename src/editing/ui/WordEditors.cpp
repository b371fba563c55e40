#include "editing/ui/WordEditors.h"

#include "app/PaneText.h"
#include "app/Prompter.h"
#include "app/Settings.h"
#include "dictionary/DirectionSwitch.h"
#include "dictionary/TagCodes.h"
#include "editing/BelEditModule.h"
#include "editing/ui/TranslationDialogs.h"
#include "editing/ui/WordKindDialog.h"
#include "ground/Alphabet.h"
#include "ground/Direction.h"
#include "ground/Language.h"
#include "ground/SplitWords.h"
#include "morphology/FormSynthesis.h"
#include "morphology/WordKind.h"

namespace kunimor::app {

namespace {

std::filesystem::path TailFile(const std::filesystem::path& folder, int lang) {
    return folder / (lang == kBelarusian ? "tailbel.ini" : "tailrus.ini");
}

// The source language and its letters for the length of a scope.
class TLanguageSwitch {
public:
    TLanguageSwitch(TBelModule& module, int lang) : saved_(SourceLang), direction_(module, lang) { SetAlphabet(lang); }
    ~TLanguageSwitch() { SetAlphabet(saved_); }
    TLanguageSwitch(const TLanguageSwitch&) = delete;
    TLanguageSwitch& operator=(const TLanguageSwitch&) = delete;

private:
    int saved_;
    TDirectionSwitch direction_;
};

}  // namespace

void TWordEditors::LoadTails(const std::filesystem::path& settingsFolder) {
    for (int lang : {kRussian, kBelarusian}) Tails[lang == kBelarusian ? 1 : 0] = TTailRules::Load(TailFile(settingsFolder, lang));
}

void TWordEditors::SaveTails(const std::filesystem::path& settingsFolder) const {
    if (!Settings.AdvTrans) return;
    for (int lang : {kRussian, kBelarusian}) {
        const TTailRules& rules = Tails[lang == kBelarusian ? 1 : 0];
        if (!rules.Changed) continue;
        try {
            rules.Save(TailFile(settingsFolder, lang));
        } catch (const std::exception&) {
            // A lost rule is learned again.
        }
    }
}

int32_t AddNewEntry(TWordEditors& editors, std::string text, int flags, int kind, int16_t tag) {
    const int lang = SourceLang;
    for (;;) {
        if (kind == 0) {
            bool abbreviation = false;
            if (!WordKindDialog(editors, lang, false, text, abbreviation, kind)) return -1;
        }
        if (HasSeveralWords(lang, text)) {
            editors.Prompter.Ask(editors.Parent, QStringLiteral("Warning"),
                                 QStringLiteral("Вы не можете использовать здесь словосочетание.\rТолько одиночное слово!"),
                                 TButtons::Ok, TIcon::Warning, TAnswer::Ok);
            kind = 0;
            continue;
        }
        break;
    }
    tag = EncodeWordTag(kind, DecodeWordTag(kind, tag));
    int32_t no = -1;
    if (!EditWordForms(editors, lang, kind, text, tag, no)) return -1;
    if ((flags & kOpenArticle) && EditWordArticle(editors, no) && editors.OnNewWordForm) {
        TBelEditModule& m = editors.Module;
        m.LoadWord(lang, no);
        for (int slot = 1; slot <= FormCount(kind); ++slot)
            for (bool alt : {false, true}) {
                std::string form;
                if (m.CurWord.EtalonNo < 0) form = slot == 1 && !alt ? m.CurWord.Osnova : "";
                else TryBuildForm(lang, m.CurWord.Osnova, m.CurEtalon.Forms, true, form, alt, slot);
                if (!form.empty()) editors.OnNewWordForm(form);
            }
    }
    return no;
}

int32_t AddTranslation(TWordEditors& editors, int32_t sourceNo, const std::string& lemma, int kind) {
    TBelEditModule& m = editors.Module;
    const int target = TargetLang;
    std::string text;
    if (!NewTranslationDialog(editors, target, lemma, {}, kind, text)) return -1;
    int32_t no = -1;
    if (!SelectExistingTranslation(editors, target, kind, text, no)) {
        TLanguageSwitch language(m, target);
        no = AddNewEntry(editors, text, kAllowCollocations | kAllowWhichClauses, kind, 0);
    }
    if (no < 0) return -1;
    m.SetLink(sourceNo, no, NewLinkTag(m.DefaultLinkFlags(target, sourceNo, no)));
    return no;
}

}  // namespace kunimor::app

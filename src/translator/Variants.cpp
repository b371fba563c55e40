#include "translator/Variants.h"

#include <algorithm>

#include "dictionary/BelModule.h"
#include "dictionary/DirectionSwitch.h"
#include "ground/Direction.h"
#include "ground/Language.h"
#include "dictionary/TagCodes.h"
#include "morphology/FormSynthesis.h"
#include "dictionary/StemSeeker.h"
#include "ground/LetterCase.h"
#include "ground/NormalizeWord.h"
#include "translator/PositionTable.h"

namespace kunimor {
namespace {

struct TFound {
    int32_t no = 0;
    int form = 0;
    bool alt = false;
    int kind = 0;
    uint8_t partCode = 0;
    bool negation = false;
};

std::vector<TFound> Readings(TBelModule& module, const std::string& word) {
    std::vector<TFound> readings;
    SeekWord(module, word, [&](const TWordFormArgs& a) {
        readings.push_back({a.No, a.Form, a.Alt != 0, a.Kind, 0, false});
    });
    return readings;
}

std::vector<TFound> Translations(TBelModule& module, const TFound& reading) {
    std::vector<TFound> found;
    module.ForEachTranslation(
        reading.no, reading.kind,
        [&](const TWordFormArgs& a) {
            // Participle links are rewritten into relative clauses only in Belarusian.
            if (SourceLang == kBelarusian && a.CrossCode != 0) return;
            found.push_back({a.No, a.Form, a.Alt != 0, a.Kind, a.CrossCode, a.CrossFlag});
        },
        reading.alt ? 1 : 0, reading.form);
    return found;
}

std::string DictionaryForm(TBelModule& module, int32_t wordNo) {
    module.LoadWord(SourceLang, wordNo);
    bool alt = false;
    int form = 1;
    return BuildFirstForm(SourceLang, module.CurWord.Osnova, module.CurEtalon.Forms, 0, alt, form);
}

std::string TranslationText(TBelModule& module, const TFound& t) {
    if (IsCollocNo(t.no)) {
        module.LoadColloc(TargetLang, t.no);
        return module.CollocText(TargetLang, module.CurColloc, t.alt ? 1 : 0, t.form);
    }
    module.LoadWord(TargetLang, t.no);
    const TWordsRec word = module.CurWord;
    const TEtalonRec etalon = module.CurEtalon;
    return module.RelativeClauseText(TargetLang, word, t.alt, t.form, t.negation, t.partCode, etalon);
}

}  // namespace

bool BuildVariants(TBelModule& module, int lang, std::string word) {
    VariantGroups.clear();
    if (word.empty()) return false;
    word = LowerCaseCyr(word);
    NormalizeWord(lang, word);
    TDirectionSwitch direction(module, lang);
    const std::vector<TFound> readings = Readings(module, word);
    if (readings.empty()) return false;
    for (const TFound& reading : readings) {
        const std::vector<TFound> translations = Translations(module, reading);
        std::string text = DictionaryForm(module, reading.no);
        if (VariantGroups.empty() || VariantGroups.back().Text != text)
            VariantGroups.push_back({reading.no, std::move(text), {}});
        std::vector<TVariantItem>& items = VariantGroups.back().Items;
        for (const TFound& t : translations) {
            std::string itemText = TranslationText(module, t);
            // A form the target word lacks gives no text, nothing to offer.
            if (itemText.empty()) continue;
            const bool known = std::any_of(items.begin(), items.end(),
                                           [&](const TVariantItem& item) { return item.Text == itemText; });
            if (!known) items.push_back({t.no, t.partCode, static_cast<uint8_t>(t.negation), std::move(itemText)});
        }
    }
    return true;
}

bool BuildVariantsAt(TBelModule& module, int32_t line, int32_t column) {
    int index = 0;
    const std::string word = FindPosition(line, column, index) ? Positions[static_cast<std::size_t>(index)].SourceWord
                                                               : std::string();
    return BuildVariants(module, SourceLang, word);
}

}  // namespace kunimor

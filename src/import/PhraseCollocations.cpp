#include "import/PhraseCollocations.h"

#include "dictionary/Schema.h"
#include "ground/Cp1251Literal.h"
#include "ground/Language.h"
#include "morphology/WordKind.h"

#include <sstream>
#include <vector>

namespace kunimor::import {

int32_t TPhraseCollocations::Collocation(int lang, const std::string& phrase) {
    const auto [it, fresh] = made_.try_emplace({lang, phrase}, 0);
    if (fresh) it->second = Make(lang, phrase);
    return it->second;
}

int32_t TPhraseCollocations::Make(int lang, const std::string& phrase) {
    std::vector<TDictionaryBuilder::TFormRef> words;
    std::istringstream tokens(phrase);
    for (std::string token; tokens >> token;) {
        // Belarusian ў after a vowel is euphony: the word is the one with у,
        // and the collocation's text puts the ў back where it belongs.
        if (lang == kBelarusian && token.front() == U'ў'_cp1251) token.front() = U'у'_cp1251;
        const auto found = builder_.WordsWithForm(lang, token);
        if (!found.empty()) {
            words.push_back(found.front());
            continue;
        }
        // The phrase never changes, so a word the generator lacks (змаўчанні)
        // stands in it as it is written.
        const int32_t no = builder_.AddWord(lang, token, -1, 0);
        builder_.IndexLemma(lang, token, kUnchangeable, 0, no);
        words.push_back({no, 1, false, kUnchangeable});
        report_.CountExample("taken", "phrase words no generator has, as written", phrase);
    }
    if (words.size() < 2 || words.size() > static_cast<size_t>(kCollocSlots)) {
        report_.CountExample("dropped", "phrase: not two to five words", phrase);
        return 0;
    }
    // No main word: the phrase keeps its forms whatever the sentence around it.
    constexpr int32_t kNoMainWord = -1;
    const int32_t no = ++last_[lang];
    Table& t = builder_.Tbl(lang == kBelarusian ? TableId::CollocB : TableId::CollocR);
    t.Insert();
    t.Set(CollocField::No, Value(no));
    t.Set(CollocField::Kind, Value(static_cast<int32_t>(kUnchangeable)));
    t.Set(CollocField::MainPar, Value(kNoMainWord));
    t.Set(CollocField::Tag, Value(0));
    for (size_t k = 1; k <= words.size(); ++k) {
        const auto& w = words[k - 1];
        t.Set(CollocField::SlotNo(static_cast<int>(k)), Value(w.No));
        // An unchangeable word matches in its only form; the others in the form written.
        t.Set(CollocField::SlotFrm(static_cast<int>(k)), Value(static_cast<int32_t>(w.Kind == kUnchangeable ? 0 : w.Form)));
        t.Set(CollocField::SlotAlt(static_cast<int>(k)), Value(w.Alt));
        t.Set(CollocField::SlotDelim(static_cast<int>(k)), Value(std::string(" ")));
    }
    t.Set(CollocField::Modif, Value(false));
    t.Post();
    builder_.MarkCollocationStart(lang, words.front().No);
    report_.Count("taken", std::string(lang == kRussian ? "Russian" : "Belarusian") + " phrases as collocations");
    return no;
}

}  // namespace kunimor::import

#include "dictionary/DictionarySpelling.h"

#include "dictionary/BelModule.h"
#include "dictionary/StemSeeker.h"
#include "ground/Alphabet.h"
#include "ground/Cp1251Literal.h"
#include "ground/Language.h"
#include "ground/NormalizeWord.h"

namespace kunimor {

TDictionarySpelling::TDictionarySpelling(TOrthoAnalyzer& analyzer, TBelModule& module)
    : analyzer_(analyzer), belarusianAlphabet_(SrcLetters() == LettersOf(kBelarusian).letters) {
    SetAlphabet(analyzer.SpellLanguage());
    if (!module.Loaded) return;
    direction_.emplace(module, analyzer.SpellLanguage());
    const int lang = analyzer.SpellLanguage();
    analyzer.KnowsWord = [&module, lang](std::string_view lower) {
        std::string word(lower);
        if (lang == kRussian) NormalizeWord(kRussian, word);
        else if (!word.empty() && word.front() == U'ў'_cp1251) word.front() = U'у'_cp1251;
        return SeekWord(module, word, {});
    };
}

TDictionarySpelling::~TDictionarySpelling() {
    analyzer_.KnowsWord = nullptr;
    SetAlphabet(belarusianAlphabet_ ? kBelarusian : kRussian);
}

}  // namespace kunimor

#include "import/SpecialEntries.h"

#include "import/PrepositionCases.h"

#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "morphology/FormSynthesis.h"
#include "ground/Cp1251Literal.h"

#include <algorithm>
#include <string_view>

namespace kunimor::import {

namespace {

struct TSpecialWord {
    int Lang;
    std::string_view Stem;
};

// Prepositions among them take their cases from the preposition table.
const TSpecialWord kUnchangeableWords[] = {
    {kBelarusian, "або"_cp1251}, {kBelarusian, "б"_cp1251}, {kBelarusian, "бы"_cp1251}, {kBelarusian, "вось"_cp1251},
    {kBelarusian, "няма"_cp1251}, {kBelarusian, "так"_cp1251}, {kBelarusian, "ды"_cp1251}, {kBelarusian, "ж"_cp1251},
    {kBelarusian, "жа"_cp1251}, {kBelarusian, "не"_cp1251}, {kBelarusian, "ні"_cp1251}, {kBelarusian, "са"_cp1251},
    {kBelarusian, "што"_cp1251}, {kBelarusian, "ці"_cp1251}, {kBelarusian, "і"_cp1251}, {kBelarusian, "у"_cp1251},
    {kBelarusian, "о"_cp1251}, {kBelarusian, "па"_cp1251}, {kBelarusian, "пра"_cp1251}, {kBelarusian, "ва"_cp1251},
    {kBelarusian, "з"_cp1251}, {kRussian, "б"_cp1251}, {kRussian, "бы"_cp1251}, {kRussian, "в"_cp1251},
    {kRussian, "во"_cp1251}, {kRussian, "да"_cp1251}, {kRussian, "ж"_cp1251}, {kRussian, "же"_cp1251},
    {kRussian, "и"_cp1251}, {kRussian, "или"_cp1251}, {kRussian, "ли"_cp1251}, {kRussian, "ль"_cp1251},
    {kRussian, "нет"_cp1251}, {kRussian, "не"_cp1251}, {kRussian, "ни"_cp1251}, {kRussian, "о"_cp1251},
    {kRussian, "по"_cp1251}, {kRussian, "с"_cp1251}, {kRussian, "со"_cp1251}, {kRussian, "то"_cp1251},
};

struct TSpecialParadigmWord {
    int Lang;
    std::string_view Stem;
    int Kind;
    int RodChislo;
    std::string_view Forms;
};

// The stems are what the engine looks the words up by; the rule codes
// (4я: the stem's м becomes я) make the suppletive forms from them.
const TSpecialParadigmWord kDeclinedWords[] = {
    {kBelarusian, "м"_cp1251, kNoun, 1, "4я;яне;не;яне;ной|ною;не;ы;4нас;4нам;4нас;4намі;4нас"_cp1251},
    {kBelarusian, "в"_cp1251, kNoun, 1,
     "4ты;4цябе;4табе;4цябе;4табой|4табою;4табе;ы;ас;ам;ас;амі;ас"_cp1251},
    {kBelarusian, "як"_cp1251, kAdjective, 0,
     "і;ая;ое;ія;ога;ой;ога;іх;ому;ой;ому;ім;і|ога;ую;ое;ія|іх;ім;ой|ою;ім;імі;ім;ой;ім;іх"_cp1251},
    {kBelarusian, "дв"_cp1251, kAdjective, 0, ";;;а;;;;ух;;;;ум;;;;а|ух;;;;ума;;;;ух"_cp1251},
    {kBelarusian, "дзв"_cp1251, kAdjective, 0, ";;;е;;;;юх;;;;юм;;;;е|юх;;;;юма;;;;юх"_cp1251},
    {kBelarusian, "абодв"_cp1251, kAdjective, 0, ";;;а;;;;ух;;;;ум;;;;а|ух;;;;ума;;;;ух"_cp1251},
    {kBelarusian, "абедзв"_cp1251, kAdjective, 0, ";;;е;;;;юх;;;;юм;;;;е|юх;;;;юма;;;;юх"_cp1251},
    {kBelarusian, "аба"_cp1251, kAdjective, 0, ";;;1е;;;;іх;;;;ім;;;;1е|іх;;;;імі;;;;іх"_cp1251},
    {kRussian, "м"_cp1251, kNoun, 1, "4я;еня;не;еня;ной|ною;не;ы;4нас;4нам;4нас;4нами;4нас"_cp1251},
    {kRussian, "в"_cp1251, kNoun, 1,
     "4ты;4тебя;4тебе;4тебя;4тобой|4тобою;4тебе;ы;ас;ам;ас;ами;ас"_cp1251},
    {kRussian, "как"_cp1251, kAdjective, 0,
     "ой;ая;ое;ие;ого;ой;ого;их;ому;ой;ому;им;ой|ого;ую;ое;ие|их;им;ой|ою;им;ими;ом;ой;ом;их"_cp1251},
    {kRussian, "котор"_cp1251, kAdjective, 0,
     "ый;ая;ое;ые;ого;ой;ого;ых;ому;ой;ому;ым;ый|ого;ую;ое;ые|ых;ым;ой|ою;ым;ыми;ом;ой;ом;ых"_cp1251},
    {kRussian, "дв"_cp1251, kAdjective, 0, ";;;а;;;;ух;;;;ум;;;;а|ух;;;;умя;;;;ух"_cp1251},
    {kRussian, "дв"_cp1251, kAdjective, 0, ";;;е;;;;ух;;;;ум;;;;е|ух;;;;умя;;;;ух"_cp1251},
    {kRussian, "обо"_cp1251, kAdjective, 0, ";;;1;;;;их;;;;им;;;;1|их;;;;ими;;;;их"_cp1251},
    {kRussian, "обе"_cp1251, kAdjective, 0, ";;;@;;;;их;;;;им;;;;@|их;;;;ими;;;;их"_cp1251},
};

// The indeclinable adjective: every one of the 24 declined forms is the stem.
constexpr std::string_view kIndeclinableForms = "@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@";

std::string LemmaOf(const TSpecialParadigmWord& w) {
    bool alt = false;
    int formNo = 1;
    return BuildFirstForm(w.Lang, w.Stem, w.Forms, 0, alt, formNo);
}

}  // namespace

void AddSpecialEntries(TDictionaryBuilder& builder, const TPrepositionCases& prepositions) {
    for (int lang : {kBelarusian, kRussian})
        builder.AddParadigm(lang, kAdjective, 0, std::string(kIndeclinableForms), std::string("беж"_cp1251));
    for (const TSpecialWord& w : kUnchangeableWords) {
        const std::string stem(w.Stem);
        const int16_t tag = PrepositionTag(prepositions, w.Lang, stem);
        builder.IndexLemma(w.Lang, stem, kUnchangeable, 0, builder.AddWord(w.Lang, stem, -1, tag));
    }
    for (const TSpecialParadigmWord& w : kDeclinedWords) {
        const std::string stem(w.Stem);
        const int16_t etalon = builder.AddParadigm(w.Lang, w.Kind, w.RodChislo, std::string(w.Forms), stem);
        builder.IndexLemma(w.Lang, LemmaOf(w), w.Kind, w.RodChislo, builder.AddWord(w.Lang, stem, etalon, 0));
    }
}

bool IsSpecialLemma(int lang, const std::string& lemma, int kind) {
    if (kind == kUnchangeable) return false;
    return std::any_of(std::begin(kDeclinedWords), std::end(kDeclinedWords),
                       [&](const TSpecialParadigmWord& w) { return w.Lang == lang && LemmaOf(w) == lemma; });
}

}  // namespace kunimor::import

#include "translator/PaucalNumerals.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "ground/Cp1251Literal.h"
#include "ground/Direction.h"
#include "ground/Language.h"
#include "ground/LetterCase.h"
#include "morphology/FormCodes.h"
#include "morphology/WordKind.h"
#include "translator/ElementList.h"

namespace kunimor {
namespace {

// Noun forms: genitive singular, nominative and accusative plural;
// adjective forms: nominative, genitive and accusative plural.
constexpr int kNounGenSg = 2, kNounNomPl = 7, kNounAccPl = 10;
constexpr int kAdjNomPl = 4, kAdjGenPl = 8, kAdjAccPl = 16;
constexpr int kMaxAttributes = 3;

bool IsPaucalNumeral(const TWordEl* el) {
    static constexpr std::array<std::string_view, 6> russian = {"два"_cp1251, "две"_cp1251, "три"_cp1251,
                                                                "четыре"_cp1251, "оба"_cp1251, "обе"_cp1251};
    static constexpr std::array<std::string_view, 6> belarusian = {
        "два"_cp1251, "дзве"_cp1251, "тры"_cp1251, "чатыры"_cp1251, "абодва"_cp1251, "абедзве"_cp1251};
    const auto& words = SourceLang == kRussian ? russian : belarusian;
    const std::string written = LowerCaseCyr(WrittenText(*el));
    if (std::find(words.begin(), words.end(), written) == words.end()) return false;
    for (const TWordForm* t = el->Trans; t; t = t->Next)
        if (t->Kind == kAdjective && (t->Form == kAdjNomPl || t->Form == kAdjAccPl)) return true;
    return false;
}

void SetNounForm(TWordForm& t, int form) {
    t.Form = static_cast<uint8_t>(form);
    t.Case = static_cast<uint8_t>((form - 1) % 6 + 1);
    t.Gender = static_cast<uint8_t>(form > 6 ? kPlural : t.RodChislo);
}

void SetAdjForm(TWordForm& t, int form) {
    t.Form = static_cast<uint8_t>(form);
    t.FormVar = 0;
    t.Case = static_cast<uint8_t>((form - 1) / 4 + 1);
}

// The noun and its attributes after a numeral into the target's pattern.
void MovePhrase(TWordEl* numeral, TWordEl* head) {
    const bool intoRussian = TargetLang == kRussian;
    for (TWordEl* el = numeral->Next; el; el = el->Next) {
        for (TWordForm* t = el->Trans; t; t = t->Next) {
            if (el == head && t->Kind == kNoun) {
                if (intoRussian && (t->Form == kNounNomPl || t->Form == kNounAccPl)) SetNounForm(*t, kNounGenSg);
                else if (!intoRussian && t->Form == kNounGenSg) SetNounForm(*t, kNounNomPl);
            } else if (el != head && t->Kind == kAdjective) {
                if (intoRussian && (t->Form == kAdjNomPl || t->Form == kAdjAccPl)) SetAdjForm(*t, kAdjGenPl);
                else if (!intoRussian && (t->Form == kAdjGenPl || t->Form == kAdjAccPl)) SetAdjForm(*t, kAdjNomPl);
            }
        }
        if (el == head) break;
    }
}

// The noun a numeral counts: the first noun after it, over at most a few
// adjectives, all joined by spaces.
TWordEl* CountedNoun(TWordEl* numeral) {
    TWordEl* el = numeral;
    for (int attributes = 0; attributes <= kMaxAttributes; ++attributes) {
        if (!el->Next || SepAfter(el) != ' ') return nullptr;
        el = el->Next;
        if (!el->Trans) return nullptr;
        if (el->Trans->Kind == kNoun) return el;
        if (el->Trans->Kind != kAdjective) return nullptr;
    }
    return nullptr;
}

}  // namespace

void AgreePaucalNumerals() {
    for (TWordEl* el = ElementList; el; el = el->Next) {
        if (!el->Trans || !IsPaucalNumeral(el)) continue;
        if (TWordEl* head = CountedNoun(el)) MovePhrase(el, head);
    }
}

}  // namespace kunimor

#include "translator/SpecialWordRules.h"

#include "dictionary/BelModule.h"
#include "dictionary/Schema.h"
#include "dictionary/TagCodes.h"
#include "ground/Direction.h"
#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "ground/Cp1251Literal.h"
#include "ground/LetterCase.h"
#include "translator/ElementList.h"
#include "translator/PhraseFinders.h"
#include "translator/SourceText.h"
#include "translator/TranslationRanking.h"

namespace kunimor {
namespace {

char GapBefore(TWordEl* el) { return el->Prev ? SepAfter(el->Prev) : '.'; }

class TSpecialWords {
public:
    explicit TSpecialWords(TBelModule& module) : module_(module) {}

    // Runs the rule of el's first special reading; returns the element the
    // walk goes on with.
    TWordEl* Apply(TWordEl* el);
    // у with a genitive (у нас, у файла) is у in both languages.
    void KeepPossessiveU(TWordEl* el);
    // The case of the phrase after a preposition chooses among its
    // translations (да вечара: до, not к).
    void ChooseByGovernedCase(TWordEl* el);

private:
    int32_t Source(std::string_view stem, std::string_view lemma = {}) const {
        return module_.SpecialWordNo(SourceLang, std::string(stem), std::string(lemma));
    }
    void Keep(TWordEl* el, std::string_view targetStem) const {
        KeepTranslation(el, module_.SpecialWordNo(TargetLang, std::string(targetStem)));
    }
    // The word number of el's translation written text; 0 when it has none.
    int32_t TranslationWritten(const TWordEl* el, std::string_view text) const;
    bool IsInitial(TWordEl* el) const;
    void ChooseFromPreposition(TWordEl* el) const;

    TWordEl* MoveParticleBeforeVerb(TWordEl* el);
    TWordEl* MoveQuestionParticle(TWordEl* el);
    void JoinHyphenAdverb(TWordEl*& el);
    void HyphenedTo(TWordEl* el);

    TBelModule& module_;
    int32_t sourceU_ = -1;  // the prepositions у of both languages, looked up on first use
    int32_t targetU_ = -1;
};

// The number of the preposition written text in lang; 0 when there is none.
int32_t PrepositionNo(TBelModule& module, int lang, std::string_view text) {
    Table& words = module.WordsTable(lang);
    if (!words.Locate("Osnova", {Value(std::string(text))})) return 0;
    for (; !words.Eof() && words.GetString(WordsField::Osnova) == text; words.Next())
        if (words.GetInt(WordsField::EtalonNo) == -1 && ((words.GetInt(WordsField::Tag) >> 1) & 0x7F) != 0)
            return words.GetInt(WordsField::No);
    return 0;
}

int32_t TSpecialWords::TranslationWritten(const TWordEl* el, std::string_view text) const {
    for (const TWordForm* t = el->Trans; t; t = t->Next) {
        if (IsCollocNo(t->WordNo)) continue;
        module_.LoadWord(TargetLang, t->WordNo);
        if (module_.CurWord.Osnova == text) return t->WordNo;
    }
    return 0;
}

// The one case of the nominal readings of the word after a preposition; 0
// when they are in several or there are none.
int PhraseCase(TWordEl* prep) {
    TWordEl* next = prep->Next;
    if (!next || SepAfter(prep) != ' ') return 0;
    int c = 0;
    for (const TWordForm* f = next->Readings; f; f = f->Next) {
        if (!IsNominalReading(*f)) continue;
        if (c != 0 && f->Case != c) return 0;
        c = f->Case;
    }
    return c;
}

// Whether the phrase after у is a genitive: Russian у takes nothing else;
// after Belarusian у a word that may also be a locative is one (у памяці),
// unless it is a personal pronoun (у нас).
bool PossessiveFollows(const TBelModule& module, TWordEl* prep) {
    if (SourceLang == kRussian) return PhraseCase(prep) == 2;
    TWordEl* next = prep->Next;
    if (!next || SepAfter(prep) != ' ') return false;
    bool genitive = false, locative = false;
    for (const TWordForm* f = next->Readings; f; f = f->Next) {
        if (!IsNominalReading(*f)) continue;
        genitive |= f->Case == 2;
        locative |= f->Case == 6;
    }
    return genitive && (!locative || IsPersonalPronoun(module, next));
}

void TSpecialWords::KeepPossessiveU(TWordEl* el) {
    if (sourceU_ < 0) {
        sourceU_ = PrepositionNo(module_, SourceLang, "у"_cp1251);
        targetU_ = PrepositionNo(module_, TargetLang, "у"_cp1251);
    }
    if (sourceU_ == 0 || targetU_ == 0 || !el->Readings || el->Readings->WordNo != sourceU_) return;
    if (!el->Trans || !PossessiveFollows(module_, el)) return;
    FreeWordForms(el->Trans);
    TWordForm u;
    u.WordNo = targetU_;
    u.Kind = kUnchangeable;
    u.Form = 1;
    u.PrepCases = 1u << 2;
    AppendWordForm(el->Trans, u);
}

void TSpecialWords::ChooseByGovernedCase(TWordEl* el) {
    const TWordForm* r = el->Readings;
    if (!r || r->Kind != kUnchangeable || r->PrepCases == 0 || !el->Trans || !el->Trans->Next) return;
    const int c = PhraseCase(el);
    if (c == 0 || !((r->PrepCases >> c) & 1)) return;
    // Towards a person each language says it its own way (да сяброў: к
    // друзьям, да сястры: к сестре), so there the ranking stands.
    if (IsPersonalPronoun(module_, el->Next) || IsAnimateNoun(module_, el->Next)) return;
    const auto governs = [c](const TWordForm& t) { return ((t.PrepCases >> c) & 1) != 0; };
    bool any = false;
    for (const TWordForm* t = el->Trans; t && !any; t = t->Next) any = governs(*t);
    if (any) RemoveWordForms(el->Trans, [&](const TWordForm& t) { return !governs(t); });
}

// Belarusian з: with a genitive it says where from (из), with an
// instrumental with whom or what (с).
void TSpecialWords::ChooseFromPreposition(TWordEl* el) const {
    if (PhraseCase(el) == 2) KeepTranslation(el, TranslationWritten(el, "из"_cp1251));
}

// A one-letter capital before a full stop is someone's initial; it stays
// as written unless its letter belongs to the source alphabet alone.
bool TSpecialWords::IsInitial(TWordEl* el) const {
    if (!el->Trans || el->EndPos - el->StartPos != 1 || el->CaseKind == TCasePattern::csLower) return false;
    if (SourceRange(el->EndPos, el->EndPos + 1) != ".") return false;
    const std::string letter = LowerCaseCyr(WrittenText(*el));
    const std::string_view own = SourceLang == kBelarusian ? "іў'"_cp1251 : "ищъ"_cp1251;
    return own.find(letter) == std::string_view::npos;
}

// The plain spaces directly before position pos, down to from: the part of
// a gap that may go with a moved word. Anything else (line breaks, quotes,
// punctuation) stays where it was.
int SpacesBefore(int pos, int from) {
    while (pos > from && SourceText[static_cast<std::size_t>(pos - 2)] == ' ') --pos;
    return pos;
}
int SpacesAfter(int pos, int to) {
    while (pos < to && SourceText[static_cast<std::size_t>(pos - 1)] == ' ') ++pos;
    return pos;
}

// Russian ли/ль goes before the verb it asks about, as Belarusian ці.
TWordEl* TSpecialWords::MoveParticleBeforeVerb(TWordEl* el) {
    TWordEl* prev = el->Prev;
    if (!prev) return el->Next;
    const TNounPhrase phrase = FindNounPhrase(module_, prev, false, false);
    TWordEl* bound = phrase.Found ? phrase.Bound : prev;
    TWordEl* x = el;
    while (x->Prev && SepAfter(x->Prev) == ' ' && x != bound) x = x->Prev;
    if (x == el) return el->Next;
    const int32_t ne = Source("не"_cp1251);
    if (x->Prev && x->Prev->Readings && x->Prev->Readings->WordNo == ne && SepAfter(x->Prev) == ' ') x = x->Prev;
    el->StartPos = SpacesBefore(el->StartPos, prev->EndPos);
    MoveElement(el, x, true);
    return prev->Next;
}

// Belarusian ці opening a clause goes after the verb, as Russian ли.
TWordEl* TSpecialWords::MoveQuestionParticle(TWordEl* el) {
    TWordEl* next = el->Next;
    if (!next || GapBefore(el) == ' ') {
        Keep(el, "или"_cp1251);
        return next;
    }
    const int32_t ne = Source("не"_cp1251);
    TWordEl* c = next->Readings && next->Readings->WordNo == ne && SepAfter(el) == ' ' ? next : el;
    TWordEl* head = c;
    if (c->Next) {
        const TNounPhrase phrase = FindNounPhrase(module_, c->Next, false, true);
        if (phrase.Found) head = phrase.Bound;
    }
    TWordEl* stop = head->Next;
    while (c->Next && SepAfter(c) == ' ' && c != stop) c = c->Next;
    if (c == el) return next;
    el->EndPos = SpacesAfter(el->EndPos, next->StartPos);
    MoveElement(el, c, false);
    Keep(el, "ли"_cp1251);
    return next;
}

// по-/па- and the adverb after it are one word.
void TSpecialWords::JoinHyphenAdverb(TWordEl*& el) {
    TWordEl* adverb = el->Next;
    if (!adverb || SepAfter(el) != '-') return;
    if (!AnyReading(adverb, IsHyphenAdverbReading)) return;
    adverb->StartPos = el->StartPos;
    adverb->CaseKind = el->CaseKind;
    FreeElements(el, 1);
    RemoveWordForms(adverb->Trans, [](const TWordForm& t) { return t.Kind != kAdjective || t.Form != 25; });
    for (TWordForm* t = adverb->Trans; t; t = t->Next) t->StartsColloc = true;  // the preferred adverb
    el = adverb;
}

// -то after a word: вось, with the hyphen become a space.
void TSpecialWords::HyphenedTo(TWordEl* el) {
    TWordEl* prev = el->Prev;
    if (!prev || SepAfter(prev) != '-') return;
    Keep(el, "вось"_cp1251);
    for (int pos = prev->EndPos; pos < el->StartPos; ++pos)
        if (SourceText[static_cast<std::size_t>(pos - 1)] == '-') SourceText[static_cast<std::size_t>(pos - 1)] = ' ';
    prev->SepClass = ' ';
}

TWordEl* TSpecialWords::Apply(TWordEl* el) {
    if (IsInitial(el)) {
        FreeWordForms(el->Trans);
        return el->Next;
    }
    TWordForm* special = el->Readings;
    while (special && !special->IsSpecial) special = special->Next;
    if (!special) return el->Next;
    special->IsSpecial = false;
    const int32_t word = special->WordNo;
    if (SourceLang == kRussian) {
        if (word == Source("да"_cp1251) || word == Source("нет"_cp1251)) {
            const bool inSentence = SepAfter(el) == ' ' || GapBefore(el) == ' ';
            if (word == Source("да"_cp1251))
                Keep(el, inSentence ? "ды"_cp1251 : "так"_cp1251);
            else
                Keep(el, inSentence ? "няма"_cp1251 : "не"_cp1251);
        } else if (word == Source("ли"_cp1251) || word == Source("ль"_cp1251)) {
            return MoveParticleBeforeVerb(el);
        } else if (word == Source("по"_cp1251)) {
            JoinHyphenAdverb(el);
        } else if (word == Source("о"_cp1251)) {
            Keep(el, SepAfter(el) == ' ' ? "пра"_cp1251 : "о"_cp1251);
        } else if (word == Source("то"_cp1251)) {
            HyphenedTo(el);
        }
        return el->Next;
    }
    if (word == Source("ці"_cp1251)) return MoveQuestionParticle(el);
    if (word == Source("як"_cp1251, "які"_cp1251)) {
        if (special->Form <= 24) {
            // After a comma які opens a relative clause unless a noun follows
            // it (кніга, якую я чытаю; кніга, якую яны чытаюць).
            const uint8_t next = el->Next && SepAfter(el) == ' ' ? KindSumOf(el->Next) : 0;
            const bool nominalFollows = (next == kNoun || (next == kAdjective && GapBefore(el) != ',')) &&
                                        !IsPersonalPronoun(module_, el->Next);
            const std::string_view stem = nominalFollows ? "как"_cp1251 : "котор"_cp1251;
            const std::string_view lemma = nominalFollows ? "какой"_cp1251 : "который"_cp1251;
            KeepTranslation(el, module_.SpecialWordNo(kRussian, std::string(stem), std::string(lemma)));
        }
    } else if (word == Source("па"_cp1251)) {
        JoinHyphenAdverb(el);
    } else if (word == Source("з"_cp1251)) {
        ChooseFromPreposition(el);
    }
    return el->Next;
}

}  // namespace

void ApplySpecialWords(TBelModule& module) {
    TSpecialWords rules(module);
    for (TWordEl* el = ElementList; el;) {
        rules.KeepPossessiveU(el);
        rules.ChooseByGovernedCase(el);
        el = rules.Apply(el);
    }
}

}  // namespace kunimor

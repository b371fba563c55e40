#include "dictionary/BelModule.h"
#include "ground/SeparatorClass.h"

#include "dictionary/CollocMainWord.h"
#include "ground/Language.h"
#include "dictionary/ParticipleLink.h"
#include "dictionary/TagCodes.h"
#include "ground/Alphabet.h"
#include "morphology/FormCodes.h"
#include "morphology/FormSynthesis.h"
#include "ground/Cp1251Literal.h"

namespace kunimor {

namespace {

constexpr char kU = U'у'_cp1251;
constexpr char kShortU = U'ў'_cp1251;

// The case and gender/number that the words of a collocation which follow
// its requested form take.
struct Agreement {
    int nounCase = kNoCase;
    int genderNumber = kNoGender;
};

void Agree(int kind, const Agreement& agreement, uint8_t& form) {
    switch (kind) {
        case kNoun:
            NounSetCase(form, agreement.nounCase);
            if (agreement.genderNumber == kPlural) NounSetNumber(form, kPlural);
            break;
        case kAdjective:
            AdjSetCase(form, agreement.nounCase);
            AdjSetGN(form, agreement.genderNumber);
            break;
        case kPerfectiveVerb:
        case kImperfectiveVerb:
            VerbSetGN(form, agreement.genderNumber);
            break;
        default:
            break;
    }
}

bool IsPlainSpace(char delim) { return delim == ' ' || delim == 0; }

// What a slot's delimiter code puts after its word.
}  // namespace

std::string TBelModule::CollocText(int lang, const TCollocRec& colloc, int alt, int form) {
    const uint8_t requested = static_cast<uint8_t>(form);
    Agreement agreement;
    switch (colloc.Kind) {
        case kNoun: {
            int gender = kNoGender;
            if (const int32_t mainWord = MainWordNo(colloc); mainWord != 0) {
                LoadWord(lang, mainWord);
                gender = NounGender(CurEtalon.RodChislo, CurWord.Tag);
            }
            agreement = {NounCase(requested), NounNumber(requested, gender)};
            break;
        }
        case kAdjective:
            agreement = {AdjCase(requested), AdjGN(requested)};
            break;
        case kPerfectiveVerb:
        case kImperfectiveVerb:
            agreement.genderNumber = VerbGN(requested);
            break;
        default:
            break;
    }

    std::string text;
    bool afterVowelAndSpace = false;
    for (int i = 0; i < kCollocSlots && colloc.Words[i].No > 0; ++i) {
        const TCollocWord& slot = colloc.Words[i];
        LoadWord(lang, slot.No);
        uint8_t wordForm = requested;
        bool wordAlt = alt != 0;
        if (i != colloc.MainPar && slot.Frm != 0) {
            wordForm = slot.Frm;
            wordAlt = slot.Alt;
        } else if (i != colloc.MainPar && CurEtalon.Kind != colloc.Kind) {
            wordForm = 1;
            wordAlt = false;
            Agree(CurEtalon.Kind, agreement, wordForm);
        }
        std::string word = BuildForm(lang, CurWord.Osnova, CurEtalon.Forms, wordAlt, wordForm);
        if (word.empty()) word = BuildForm(lang, CurWord.Osnova, CurEtalon.Forms, !wordAlt, wordForm);
        if (word.empty()) return {};
        // Belarusian у turns short after a vowel.
        if (lang == kBelarusian && afterVowelAndSpace && word.front() == kU) word.front() = kShortU;
        afterVowelAndSpace = kBelVowels.Contains(word.back()) && IsPlainSpace(slot.Delim);
        text += word;
        text += SeparatorText(slot.Delim);
    }
    if (!text.empty()) text.pop_back();  // the space the last delimiter ends with
    return text;
}

std::string TBelModule::CollocTextAny(int lang, const TCollocRec& colloc, int maxForm, int& alt, int& form) {
    const int last = maxForm == 0 ? kMaxFormNo : maxForm;
    alt = alt != 0 ? 1 : 0;
    while (form <= last) {
        std::string text = CollocText(lang, colloc, alt, form);
        if (!text.empty()) return text;
        if (alt == 0) {
            alt = 1;
        } else {
            alt = 0;
            ++form;
        }
    }
    return {};
}

std::string TBelModule::RelativeClauseText(int lang, const TWordsRec& word, bool useShto, int form, bool negate,
                                           int code, const TEtalonRec& etalon) {
    if (code == 0) return BuildForm(lang, word.Osnova, etalon.Forms, useShto, form);
    uint8_t verbForm = static_cast<uint8_t>(ParticipleSlotForm(code));
    if (verbForm == 0) return {};
    const int genderNumber = AdjGN(form);
    VerbSetGN(verbForm, genderNumber);
    std::string verb = BuildForm(lang, word.Osnova, etalon.Forms, false, verbForm);
    if (verb.empty()) return {};
    // Both relative words end in a vowel.
    if (verb.front() == kU) verb.front() = kShortU;
    if (negate) verb = std::string("не "_cp1251) + verb;
    if (useShto) return std::string("што "_cp1251) + verb;
    // word and etalon may be the buffers this load overwrites: they are not read below.
    LoadWord(kBelarusian, SpecialWordNo(kBelarusian, std::string("як"_cp1251), std::string("які"_cp1251)));
    const int relativeForm = genderNumber == kNoGender ? kMasculine : genderNumber;
    return BuildForm(kBelarusian, CurWord.Osnova, CurEtalon.Forms, false, relativeForm) + " " + verb;
}

}  // namespace kunimor

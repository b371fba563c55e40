#include "editing/WordReplacement.h"

#include "dictionary/TagCodes.h"
#include "support/Text.h"

#include <gtest/gtest.h>

using namespace kunimor;

namespace {

constexpr const char* kBrat = "@;а;у;а;ом;е;ья;ьев;ьям;ьев;ьями;ьях";        // animate
constexpr const char* kDom = "@;а;у;@;ом;е;а;ов;ам;а;ами;ах;о";              // inanimate
constexpr const char* kNov = "ый|@;ая|а;ое|о;ые|ы;ого;ой;ого;ых;ому;ой;ому;ым;ый|ого;ую;ое;ые|ых;ым;ой|ою;ым;ыми;ом;ой;ом;ых;о|ому;о";
constexpr const char* kChita =
    "ть;ю;ем;ешь;ете;ет;ют;я;л;ла;ло;ли;в;й;йте;ться;юсь;емся;ешься;етесь;ется;ются;ясь;лся;лась;лось;лись;вшись;йся;йтесь";

std::string Replaced(std::string forms, const std::string& from, const std::string& to) {
    forms.replace(forms.find(from), from.size(), to);
    return forms;
}

struct Case {
    const char* what;
    int kind;
    const char* stem;
    std::string oldForms, newForms;
    int oldGender, newGender;
    bool dialog;
    TReplaceAnswer answerOrPreset;
    bool offerBoth;
};

TEST(WordReplacement, TheFormsDecideOrPresetTheDialog) {
    const Case cases[] = {
        {"identical animate masculine nouns may be one common-gender noun", kNoun, "брат", kBrat, kBrat, 1, 1, true,
         kKeepBoth, true},
        {"an inanimate noun is replaced at once", kNoun, "дом", kDom, kDom, 1, 1, false, kReplaceOld, false},
        {"a noun that only gains its plural is replaced", kNoun, "дом", "@;а;у;@;ом;е;;;;;;;о", kDom, 1, 1, false,
         kReplaceOld, false},
        {"nouns that differ only in slots 6 and 8 are replaced", kNoun, "дом", kDom,
         Replaced(Replaced(kDom, ";е;", ";у;"), ";ов;", ";ов|ей;"), 1, 1, false, kReplaceOld, false},
        {"an adjective that loses forms keeps the old one by default", kAdjective, "нов", kNov,
         Replaced(kNov, "ый|@;", "ый;"), 0, 0, true, kKeepOld, false},
        {"an adjective conflict past slot 4 replaces by default", kAdjective, "нов", kNov,
         Replaced(kNov, ";ого;ой;", ";аго;ой;"), 0, 0, true, kReplaceOld, false},
        {"a verb conflict offers all three", kImperfectiveVerb, "чита", kChita, Replaced(kChita, ";ю;", ";ую;"), 0, 0,
         true, kKeepBoth, true},
    };
    for (const Case& c : cases) {
        TReplaceQuestion q;
        q.Lang = 0;
        q.Kind = c.kind;
        q.OldStem = q.NewStem = W(c.stem);
        q.OldForms = W(c.oldForms);
        q.NewForms = W(c.newForms);
        q.OldGender = c.oldGender;
        q.NewGender = c.newGender;
        const TReplacementPlan plan = PlanWordReplacement(q);
        EXPECT_EQ(plan.ShowDialog, c.dialog) << c.what;
        EXPECT_EQ(c.dialog ? plan.Preset : plan.Answer, c.answerOrPreset) << c.what;
        if (c.dialog) {
            EXPECT_EQ(plan.OfferBoth, c.offerBoth) << c.what;
        }
    }
}

TEST(WordReplacement, TheDialogNamesTheOldWordAndTheCommonGenderCase) {
    TReplaceQuestion q{0, kNoun, W("брат"), W(kBrat), 1, W("брат"), W(kBrat), 1};
    const TReplacementPlan plan = PlanWordReplacement(q);
    EXPECT_EQ(U(plan.Caption), "Замена слова \"брат\"");
    EXPECT_EQ(U(plan.Info).rfind("В словаре уже есть слово \"брат\", которое возможно вместе с введенным словом", 0), 0u)
        << U(plan.Info);
    ASSERT_EQ(plan.Old.Slots.size(), 13u);
    EXPECT_EQ(U(plan.Old.Slots[6][0]), "братья");
}

TEST(WordReplacement, ComparisonTellsGainsFromLossesFromConflicts) {
    TFormTable a, b;
    a.Slots = {{"x", ""}, {"y", ""}};
    b.Slots = {{"x", ""}, {"y", ""}};
    EXPECT_EQ(CompareForms(a, b), TFormsComparison::Identical);
    b.Slots[0][1] = "z";
    EXPECT_EQ(CompareForms(a, b), TFormsComparison::OldLacks);
    EXPECT_EQ(CompareForms(b, a), TFormsComparison::NewLacks);
    a.Slots[1][1] = "w";  // a gap on each side
    EXPECT_EQ(CompareForms(a, b), TFormsComparison::Conflict);
    a.Slots[1][1] = "";
    a.Slots[1][0] = "v";
    EXPECT_EQ(CompareForms(a, b), TFormsComparison::Conflict);
}

}  // namespace

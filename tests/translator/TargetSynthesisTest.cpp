#include "translator/TargetSynthesis.h"

#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "support/Text.h"
#include "translator/TranslatorFixture.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kunimor;

namespace {

// Belarusian words of the test dictionary
constexpr int32_t kDom = 30, kKniga = 31, kBrat = 32, kNovy = 33, kChytac = 34;
constexpr int32_t kRusNovy = 31;

class TargetSynthesis : public TranslatorFixture {
protected:
    static TWordForm Translation(int32_t no, uint8_t kind, uint8_t form, uint8_t formVar = 0) {
        TWordForm t;
        t.WordNo = no;
        t.Kind = kind;
        t.Form = form;
        t.FormVar = formVar;
        t.FoundForm = form;
        t.FoundFormVar = formVar;
        return t;
    }
    std::string Synthesize(TWordForm t, bool* inexact = nullptr) {
        bool alt = true;
        const std::string text = U(SynthesizeTranslation(m, t, alt));
        if (inexact) *inexact = t.Inexact;
        return text;
    }
};

struct FallbackCase {
    const char* what;
    TWordForm t;
    const char* text;
    bool inexact;
};

TEST_F(TargetSynthesis, AFormTheParadigmLacksFallsBackWithoutLosingTheWord) {
    auto asked = [](TWordForm t, uint8_t form, uint8_t formVar) {
        t.Form = form;
        t.FormVar = formVar;
        return t;
    };
    const TWordForm brat = Translation(kBrat, kNoun, 1);
    const std::vector<FallbackCase> cases = {
        {"the form asked", Translation(kDom, kNoun, 2), "дома", false},
        {"the other ending of the same form", Translation(kDom, kNoun, 2, 1), "дома", false},
        {"the alternative asked for", Translation(kKniga, kNoun, 5, 1), "кнігаю", false},
        {"the form the lookup found", asked(brat, 13, 0), "брат", true},
    };
    for (FallbackCase c : cases) {
        SCOPED_TRACE(c.what);
        bool inexact = false;
        EXPECT_EQ(Synthesize(c.t, &inexact), c.text);
        EXPECT_EQ(inexact, c.inexact);
    }
    // the dictionary form when even the form found is missing
    TWordForm lost = Translation(kBrat, kNoun, 13);
    bool inexact = false;
    EXPECT_EQ(Synthesize(lost, &inexact), "брат");
    EXPECT_TRUE(inexact);
}

TEST_F(TargetSynthesis, TheAccusativeTwinGoesBackToTheGenitiveOnlyWhileStillThatAccusative) {
    TWordForm twin = Translation(kNovy, kAdjective, 13);  // accusative masculine
    twin.IsDerived = true;
    EXPECT_EQ(Synthesize(twin), "новага");
    twin.Form = 16;  // accusative plural
    EXPECT_EQ(Synthesize(twin), "новых");
    twin.Form = 14;  // moved to the feminine by a repair
    EXPECT_EQ(Synthesize(twin), "новую");
    twin.Form = 1;  // anything below the twin distance stays
    EXPECT_EQ(Synthesize(twin), "новы");
}

TEST_F(TargetSynthesis, HyphenAdverbsTakeTheTargetPrefix) {
    EXPECT_EQ(Synthesize(Translation(kNovy, kAdjective, 25, 1)), "па-новаму");
    EXPECT_EQ(Synthesize(Translation(kNovy, kAdjective, 25, 0)), "нова");
    Direction(kBelarusian);
    EXPECT_EQ(Synthesize(Translation(kRusNovy, kAdjective, 25, 1)), "по-новому");
}

TEST_F(TargetSynthesis, ParticiplesBecomeRelativeClausesIntroducedInTurnByYakiAndShto) {
    TWordForm participle = Translation(kChytac, kAdjective, 2);  // nominative feminine
    participle.Gender = 2;
    participle.PartCode = 1;  // present third person singular
    bool alt = true;
    TWordForm first = participle, second = participle;
    second.Negation = true;
    EXPECT_EQ(U(SynthesizeTranslation(m, first, alt)), "якая чытае");
    EXPECT_EQ(U(SynthesizeTranslation(m, second, alt)), "што не чытае");
    EXPECT_EQ(U(SynthesizeTranslation(m, participle, alt)), "якая чытае");
}

TEST_F(TargetSynthesis, AParticipleCodeNoVerbFormBelongsToIsNone) {
    TWordForm t = Translation(kChytac, kImperfectiveVerb, 1);
    t.PartCode = 6;
    bool alt = true;
    EXPECT_EQ(U(SynthesizeTranslation(m, t, alt)), "чытаць");
    EXPECT_EQ(t.PartCode, 0);
    EXPECT_TRUE(alt);  // no relative word was used
}

}  // namespace

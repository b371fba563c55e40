#include "dictionary/DictionarySpelling.h"

#include "ground/Alphabet.h"
#include "ground/Direction.h"
#include "ground/Language.h"
#include "support/FixtureDictionary.h"
#include "support/Text.h"

#include <gtest/gtest.h>

using namespace kunimor;

namespace {

class DictionarySpelling : public FixtureDictionary {
protected:
    TFreqLists lists;
    TOrthoAnalyzer analyzer{lists};

    void SetUp() override {
        FixtureDictionary::SetUp();
        analyzer.UseFreqCheck = false;
        analyzer.SetSpellLanguage(kBelarusian, true);
    }
};

TEST_F(DictionarySpelling, KnowsEveryFormWhileItLivesAndSwitchesBackAfter) {
    m.SetDirection(kRussian);
    SetAlphabet(kRussian);
    {
        TDictionarySpelling lent(analyzer, m);
        EXPECT_EQ(SourceLang, kBelarusian);
        ASSERT_TRUE(analyzer.KnowsWord);
        EXPECT_TRUE(analyzer.KnowsWord(W("кнігамі")));
        EXPECT_TRUE(analyzer.KnowsWord(W("дамоў"))) << "a form of дом with its own stem";
        EXPECT_FALSE(analyzer.KnowsWord(W("кнігаю ")));
        EXPECT_FALSE(analyzer.KnowsWord(W("кнігоў")));
        EXPECT_EQ(analyzer.CheckWord(0, W("кнiгамi")), kSpellError) << "Latin i: the alphabet rule stands";
        EXPECT_EQ(U(analyzer.Correction()), "кнігамі");
    }
    EXPECT_FALSE(analyzer.KnowsWord);
    EXPECT_EQ(SourceLang, kRussian);
    EXPECT_FALSE(SrcLetters().Contains(W("ў").front()));
}

TEST_F(DictionarySpelling, ADictionaryThatDidNotLoadLendsNothing) {
    TBelModule empty;
    TDictionarySpelling lent(analyzer, empty);
    EXPECT_FALSE(analyzer.KnowsWord);
}

}  // namespace

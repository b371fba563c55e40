#include "editing/EditedDictionary.h"

#include "dictionary/TagCodes.h"
#include "ground/Alphabet.h"
#include "ground/Language.h"
#include "support/Text.h"
#include "translator/ElementList.h"
#include "translator/TranslateText.h"

#include <gmock/gmock.h>

using namespace kunimor;

namespace {

// Edits through the editing module between translations: whatever the
// translator remembered from the first run must not answer the second.
class EditThenTranslate : public EditedDictionary {
protected:
    void TearDown() override {
        FreeElements(ElementList, -1);
        m.SetDirection(kRussian);
        SetAlphabet(kRussian);
    }

    std::string Translate(const std::string& utf8, int from = kRussian) {
        m.SetDirection(from);
        SetAlphabet(from);
        std::string output;
        unknown.clear();
        TTranslateCallbacks callbacks;
        callbacks.OutputProc = [&](int) { output += OutText; };
        callbacks.UnknownProc = [&](const std::string& word) { unknown.push_back(U(word)); };
        TranslateText(m, W(utf8), callbacks);
        return U(output);
    }

    // The paradigm of the word whose stem is given (UTF-8).
    int16_t ParadigmOf(int lang, const char* stem) {
        EXPECT_TRUE(m.WordsTable(lang).Locate("Osnova", {Value(W(stem))})) << stem;
        return static_cast<int16_t>(m.WordsTable(lang).GetInt(WordsField::EtalonNo));
    }

    std::vector<std::string> unknown;
};

TEST_F(EditThenTranslate, AnAddedWordIsTranslatedInAnotherCaseAndADeletedOneIsUnknownAgain) {
    EXPECT_EQ(Translate("сватом"), "сватом");
    EXPECT_THAT(unknown, ::testing::ElementsAre("сватом"));

    const int32_t rus = m.AddWord(kRussian, W("сват"), -1, 0, ParadigmOf(kRussian, "брат"));
    const int32_t bel = m.AddWord(kBelarusian, W("сват"), -1, 0, ParadigmOf(kBelarusian, "брат"));
    m.SetDirection(kRussian);
    m.SetLink(rus, bel, NewLinkTag(m.DefaultLinkFlags(kBelarusian, rus, bel)));
    EXPECT_EQ(Translate("сватом"), "сватам");
    EXPECT_TRUE(unknown.empty());

    m.DeleteWord(kBelarusian, bel, true);
    EXPECT_EQ(Translate("сватом"), "сватом");
    EXPECT_FALSE(unknown.empty());
}

// да with a genitive is до, except towards a person, where each language
// says it its own way; a feminine noun shows it is a person only in its
// plural accusative (сясцёр).
TEST_F(EditThenTranslate, DaTowardsAFemininePersonKeepsItsRanking) {
    int32_t sister[2];
    for (const int lang : {kRussian, kBelarusian}) {
        const char* forms = lang == kRussian ? "а;ы;е;у;ой;е;ы;@;ам;@;ами;ах" : "а;ы;е;у;ой;е;ы;@;ам;@;амі;ах";
        const int16_t paradigm = m.FindOrAddParadigm(lang, W("сестр"), -1, 2, W(forms), kNoun);
        sister[lang] = m.AddWord(lang, W(lang == kRussian ? "сестр" : "сястр"), -1, 0, paradigm);
    }
    m.SetDirection(kRussian);
    m.SetLink(sister[kRussian], sister[kBelarusian],
              NewLinkTag(m.DefaultLinkFlags(kBelarusian, sister[kRussian], sister[kBelarusian])));
    EXPECT_EQ(Translate("да сястры", kBelarusian), "к сестре");
    EXPECT_EQ(Translate("да хаты", kBelarusian), "до дома");
}

}  // namespace

#include "translator/Segmentation.h"

#include "ground/Direction.h"
#include "morphology/WordKind.h"
#include "translator/CollectReading.h"
#include "translator/TranslationStats.h"
#include "translator/TranslatorFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

using namespace kunimor;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// (style, from, to) of one MarkProc report
using Mark = std::tuple<int, int, int>;

class Segmentation : public TranslatorFixture {
protected:
    // Cuts the piece of a UTF-8 text that starts at start; returns where the next one starts.
    int Segment(const std::string& utf8, int start = 1) {
        SourceText = W(utf8);
        marks.clear();
        Counters = {};
        return BuildElementList(m, start, [this](int style, int from, int to) { marks.emplace_back(style, from, to); });
    }

    // 1-based position of a UTF-8 fragment in the source text.
    int PosOf(const std::string& utf8) const { return static_cast<int>(SourceText.find(W(utf8))) + 1; }

    const TWordEl& Element(std::size_t index) const {
        const TWordEl* el = ElementList;
        for (std::size_t i = 0; i < index && el; ++i) el = el->Next;
        if (!el) throw std::out_of_range("no such element");
        return *el;
    }

    std::vector<Mark> marks;
};

TEST_F(Segmentation, PiecesEndWithTheGapThatHoldsTheFirstSentenceEnd) {
    const int next = Segment("Он пришёл. Она ушла!");
    EXPECT_THAT(Written(), ElementsAre("Он", "пришёл"));
    EXPECT_EQ(next, PosOf("Она"));
    const int end = Segment("Он пришёл. Она ушла!", next);
    EXPECT_EQ(end, static_cast<int>(SourceText.size()) + 1);
    EXPECT_THAT(Written(), ElementsAre("Она", "ушла"));
    EXPECT_EQ(Counters.Words, 2);
}

TEST_F(Segmentation, LineBreaksEndPiecesOnlyWhenReturnCountsIsOn) {
    const std::string text = "дом\r\nкнига\nи брат";
    const int end = static_cast<int>(W(text).size()) + 1;
    EXPECT_EQ(Segment(text), end);
    EXPECT_THAT(Written(), ElementsAre("дом", "книга", "и", "брат"));

    ReturnCounts = true;
    EXPECT_EQ(Segment(text), PosOf("книга"));
    EXPECT_THAT(Written(), ElementsAre("дом"));
    // a bare line feed is no carriage return
    Segment(text, PosOf("книга"));
    EXPECT_THAT(Written(), ElementsAre("книга", "и", "брат"));
}

TEST_F(Segmentation, APieceStartingWithASentenceEndHasNoElements) {
    EXPECT_EQ(Segment("... дом"), 5);
    EXPECT_EQ(ElementList, nullptr);
    EXPECT_THAT(marks, ElementsAre(Mark{kOtherTextStyle, 0, 4}));
}

TEST_F(Segmentation, TheApostropheIsALetterOnlyInBelarusian) {
    Segment("сям'я 'слова'");
    EXPECT_THAT(Written(), ElementsAre("сям", "я", "слова"));

    Direction(kBelarusian);
    Segment("сям'я 'слова'");
    EXPECT_THAT(Written(), ElementsAre("сям'я", "слова"));
    EXPECT_EQ(U(Element(1).Text), "слова");  // unknown: its normalised text, without the quotes
}

TEST_F(Segmentation, TokensWithoutLettersAreNoElementsAndForeignCharactersAreKept) {
    Segment("Windows 2007 2х");
    EXPECT_THAT(Written(), ElementsAre("2х"));
    EXPECT_EQ(Element(0).TokenKind, kForeignToken);
    EXPECT_EQ(U(Element(0).Text), "2х");
    EXPECT_EQ(Element(0).Readings, nullptr);
    EXPECT_THAT(marks, ElementsAre(Mark{kOtherTextStyle, 0, 0}, Mark{kOtherTextStyle, 0, 7},
                                   Mark{kOtherTextStyle, 7, 8}, Mark{kOtherTextStyle, 8, 12},
                                   Mark{kOtherTextStyle, 12, 13}, Mark{kForeignToken, 13, 15},
                                   Mark{kOtherTextStyle, 15, 15}));
}

TEST_F(Segmentation, MarksCoverThePieceStretchByStretch) {
    Segment("Дом, 2007 и Windows; ПРИШЁЛ. Книга");
    EXPECT_THAT(marks, ElementsAre(Mark{kOtherTextStyle, 0, 0}, Mark{kKnownToken, 0, 3},
                                   Mark{kOtherTextStyle, 3, 5}, Mark{kOtherTextStyle, 5, 9},
                                   Mark{kOtherTextStyle, 9, 10}, Mark{kKnownToken, 10, 11},
                                   Mark{kOtherTextStyle, 11, 12}, Mark{kOtherTextStyle, 12, 19},
                                   Mark{kOtherTextStyle, 19, 21}, Mark{kUnknownToken, 21, 27},
                                   Mark{kOtherTextStyle, 27, 29}));
    EXPECT_EQ(Counters.Words, 3);
}

TEST_F(Segmentation, CapitalisationPatterns) {
    const std::vector<std::pair<std::string, TCasePattern>> cases = {
        {"ПРИВЕТ", TCasePattern::csUpper}, {"Привет", TCasePattern::csCapital}, {"Я", TCasePattern::csCapital},
        {"привет", TCasePattern::csLower}, {"пРИВЕТ", TCasePattern::csLower}, {"ПРИВЕт", TCasePattern::csCapital},
        {"2Х", TCasePattern::csUpper},     {"2х", TCasePattern::csCapital},
    };
    for (const auto& [word, pattern] : cases) EXPECT_EQ(CasePatternOf(W(word)), pattern) << word;
    Segment("ДОМ Книга");
    EXPECT_EQ(Element(0).CaseKind, TCasePattern::csUpper);
    EXPECT_EQ(Element(1).CaseKind, TCasePattern::csCapital);
}

TEST_F(Segmentation, UnknownWordsKeepTheirNormalisedText) {
    Segment("ПРИШЁЛ");
    EXPECT_EQ(Element(0).TokenKind, kUnknownToken);
    EXPECT_EQ(U(Element(0).Text), "пришел");

    Direction(kBelarusian);
    Segment("Ўсё наўзбоч");
    EXPECT_EQ(U(Element(0).Text), "усё");
    EXPECT_EQ(U(Element(1).Text), "наўзбоч");  // only a leading ў changes
}

TEST_F(Segmentation, KnownWordsGetTheirReadings) {
    Segment("книгой");
    const TWordEl& el = Element(0);
    EXPECT_EQ(el.TokenKind, kKnownToken);
    EXPECT_THAT(el.Text, IsEmpty());
    std::vector<std::tuple<int, int, int>> readings;  // word, form, variant
    for (const TWordForm* f = el.Readings; f; f = f->Next) {
        readings.emplace_back(f->WordNo, f->Form, f->FormVar);
        EXPECT_EQ(f->Kind, kNoun);
        EXPECT_EQ(f->Case, 5);
        EXPECT_EQ(f->Gender, 2);
        EXPECT_EQ(f->Theme, 1);  // the word's Tag carries theme 1
    }
    EXPECT_THAT(readings, ElementsAre(std::tuple{29, 5, 0}));
}

// Features each kind takes from its form and its Tag.
TEST_F(Segmentation, ReadingFeaturesByKind) {
    Segment("читал в книги");
    const TWordForm& verb = *Element(0).Readings;
    EXPECT_EQ(verb.Kind, kImperfectiveVerb);
    EXPECT_EQ(verb.Form, 9);
    EXPECT_EQ(verb.Gender, 1);
    EXPECT_EQ(verb.ObjCase, 4);
    EXPECT_EQ(verb.ObjCaseRefl, 5);
    const TWordForm& prep = *Element(1).Readings;
    EXPECT_EQ(prep.Kind, kUnchangeable);
    EXPECT_EQ(prep.PrepCases, 1 << 4 | 1 << 6);  // accusative and prepositional
    std::vector<std::tuple<int, int, int>> noun;  // form, case, gender
    for (const TWordForm* f = Element(2).Readings; f; f = f->Next) noun.emplace_back(f->Form, f->Case, f->Gender);
    EXPECT_THAT(noun, ElementsAre(std::tuple{2, 2, 2}, std::tuple{7, 1, 4}, std::tuple{10, 4, 4}));
}

TEST_F(Segmentation, PersonalPronounsGetFeminineAndNeuterTwins) {
    Segment("я ты");
    std::vector<int> genders;
    for (const TWordForm* f = Element(0).Readings; f; f = f->Next) genders.push_back(f->Gender);
    EXPECT_THAT(genders, ElementsAre(1, 2));
    genders.clear();
    for (const TWordForm* f = Element(1).Readings; f; f = f->Next) genders.push_back(f->Gender);
    EXPECT_THAT(genders, ElementsAre(1, 2, 3));
}

TEST_F(Segmentation, TranslationsIntoRussianMustHaveTheReadingsKind) {
    Direction(kBelarusian);
    TWordForm* list = nullptr;
    const TCandidateLookup lookup{kRussian, kNoun, &list};
    const TWordFormProc collect = CollectReading(m, lookup);
    collect({.No = 28, .Form = 1, .Kind = kAdjective});
    collect({.No = 29, .Form = 1, .Kind = kNoun});
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->WordNo, 29);
    EXPECT_EQ(list->Next, nullptr);

    Direction(kRussian);
    const TCandidateLookup intoBelarusian{kBelarusian, kNoun, &list};
    CollectReading(m, intoBelarusian)({.No = 30, .Form = 1, .Tag = 1, .Kind = kAdjective});
    ASSERT_NE(list->Next, nullptr);
    EXPECT_EQ(list->Next->Kind, kNoun);          // the reading's kind
    EXPECT_FALSE(list->Next->StartsColloc);      // only source words start collocations
    FreeWordForms(list);
}

// A target word may carry the number of a source pronoun: it is another word.
TEST_F(Segmentation, OnlySourcePronounsGetTwins) {
    TWordForm* list = nullptr;
    const TCandidateLookup intoBelarusian{kBelarusian, kAdjective, &list};
    CollectReading(m, intoBelarusian)({.No = m.SrcYaWordNo, .Form = 4, .Kind = kAdjective});
    CollectReading(m, intoBelarusian)({.No = m.SrcTyWordNo, .Form = 4, .Kind = kAdjective});
    std::vector<int> genders;
    for (const TWordForm* f = list; f; f = f->Next) genders.push_back(f->Gender);
    EXPECT_THAT(genders, ElementsAre(4, 4));
    FreeWordForms(list);
}

TEST_F(Segmentation, AbbreviationsMatchOverCollapsedBlanks) {
    AddAbbreviation(2, "т. е.", "г. зн.");
    // a capitalised word follows: the full stop stays to end the sentence
    const int next = Segment("т.  е. Он");
    EXPECT_THAT(Written(), ElementsAre("т.  е"));
    EXPECT_TRUE(Element(0).IsAbbr);
    EXPECT_EQ(U(Element(0).Text), "г. зн");
    EXPECT_EQ(next, PosOf("Он"));
    EXPECT_EQ(Counters.Words, 1);

    // a translation without a final full stop has none to give up
    AddAbbreviation(3, "и т. д.", "і гэтак далей");
    Segment("и т. д. Он");
    EXPECT_EQ(U(Element(0).Text), "і гэтак далей");

    Segment("Т.  е. он");
    EXPECT_THAT(Written(), ElementsAre("Т.  е.", "он"));
    EXPECT_EQ(U(Element(0).Text), "г. зн.");
    EXPECT_EQ(Element(0).CaseKind, TCasePattern::csCapital);
}

TEST_F(Segmentation, AnAbbreviationMustEndOnAWordBoundary) {
    AddAbbreviation(2, "прим", "прым");
    AddAbbreviation(3, "примет", "прыкмет");
    AddAbbreviation(4, "приметы", "прыкметы");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"прим", "прым"},
        {"примет", "прыкмет"},  // "прим" would end inside the word
        {"приме", ""},
        {"приметы", ""},        // seven letters: never looked up as an abbreviation
    };
    for (const auto& [text, translation] : cases) {
        Segment(text);
        EXPECT_EQ(Element(0).IsAbbr, !translation.empty()) << text;
        EXPECT_EQ(U(Element(0).Text), translation.empty() ? text : translation) << text;
    }
}

TEST_F(Segmentation, SeparatorClassesOfTheGaps) {
    const std::vector<std::pair<std::string, char>> cases = {
        {"дом - книга", '_'}, {"дом-книга", '-'}, {"дом , книга", ','}, {"дом,- книга", '*'},
        {"дом «книга", ' '},  {"дом — книга", '_'}, {"дом 2007 книга", '*'},
    };
    for (const auto& [text, expected] : cases) {
        Segment(text);
        EXPECT_EQ(SepAfter(ElementList), expected) << text;
        EXPECT_EQ(SepAfter(ElementList->Next), '.') << text;
    }
    // an abbreviation ending in a full stop touches the next word
    Segment("т.е.дом");
    EXPECT_THAT(Written(), ElementsAre("т.е.", "дом"));
    EXPECT_EQ(SepAfter(ElementList), ' ');
    EXPECT_EQ(SepAfter(nullptr), '.');
}

}  // namespace

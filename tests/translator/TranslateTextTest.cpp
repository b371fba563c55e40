#include "translator/TranslateText.h"

#include "ground/Error.h"
#include "translator/StandInChars.h"
#include "translator/TranslationStats.h"
#include "translator/TranslatorFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

using namespace kunimor;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// (style, UTF-8 text) of one non-empty output
using Stretch = std::pair<int, std::string>;

class TranslateTextRun : public TranslatorFixture {
protected:
    void SetUp() override {
        TranslatorFixture::SetUp();
        callbacks.OutputProc = [this](int style) {
            output += OutText;
            if (!OutText.empty()) stretches.emplace_back(style, U(OutText));
        };
        callbacks.UnknownProc = [this](const std::string& word) { unknown.push_back(U(word)); };
        callbacks.ProgressProc = [this](int pos, int total) { progress.emplace_back(pos, total); };
    }

    void Translate(const std::string& utf8) { TranslateRaw(W(utf8)); }
    void TranslateRaw(std::string text) {
        output.clear();
        stretches.clear();
        unknown.clear();
        progress.clear();
        TranslateText(m, std::move(text), callbacks);
    }

    TTranslateCallbacks callbacks;
    std::string output;  // Windows-1251
    std::vector<Stretch> stretches;
    std::vector<std::string> unknown;
    std::vector<std::pair<int, int>> progress;
};

TEST_F(TranslateTextRun, AnEmptyTextEmitsNothing) {
    Counters = {1, 1, 1, 1};
    Translate("");
    EXPECT_THAT(stretches, IsEmpty());
    EXPECT_THAT(progress, IsEmpty());
    EXPECT_EQ(StatsText(Counters), W("Слов: 0, переведено: 0, неизвестных: 0, неточных: 0"));
    EXPECT_EQ(ProcessedLength, 0);
}

TEST_F(TranslateTextRun, TextWithoutWordsComesOutUnchangedAsOtherText) {
    Translate("2007, 12.5 — !!! Windows?");
    EXPECT_EQ(U(output), "2007, 12.5 — !!! Windows?");
    for (const Stretch& s : stretches) EXPECT_EQ(s.first, kOtherTextStyle) << s.second;
    EXPECT_EQ(Counters.Words, 0);
}

TEST_F(TranslateTextRun, WordsWithoutTranslationKeepTheirCapitalisation) {
    Translate("ПРИВЕТ, мир.");
    EXPECT_THAT(stretches, ElementsAre(Stretch{kUnknownStyle, "ПРИВЕТ"}, Stretch{kOtherTextStyle, ", "},
                                       Stretch{kUnknownStyle, "мир"}, Stretch{kOtherTextStyle, "."}));
}

TEST_F(TranslateTextRun, EveryWordIsStyledCountedAndReportedInOrder) {
    AddAbbreviation(2, "т. е.", "г. зн.");
    Translate("Дом, т. е. ДОМ и 2х ёлка. Книга!");
    EXPECT_EQ(U(output), "Дом, г. зн. ДОМ і 2х елка. Кніга!");
    EXPECT_THAT(stretches, ElementsAre(Stretch{kTranslatedStyle, "Дом"}, Stretch{kOtherTextStyle, ", "},
                                       // the full stop before a capital ends the sentence
                                       Stretch{kTranslatedStyle, "г. зн"}, Stretch{kOtherTextStyle, ". "},
                                       Stretch{kTranslatedStyle, "ДОМ"}, Stretch{kOtherTextStyle, " "},
                                       Stretch{kTranslatedStyle, "і"}, Stretch{kOtherTextStyle, " "},
                                       Stretch{kForeignStyle, "2х"}, Stretch{kOtherTextStyle, " "},
                                       Stretch{kUnknownStyle, "елка"}, Stretch{kOtherTextStyle, ". "},
                                       // of a theme the user has not chosen
                                       Stretch{kInexactStyle, "Кніга"}, Stretch{kOtherTextStyle, "!"}));
    // as written
    EXPECT_THAT(unknown, ElementsAre("2х", "ёлка"));
    EXPECT_EQ(Counters.Words, 7);
    EXPECT_EQ(Counters.Translated, 3);
    EXPECT_EQ(Counters.Unknown, 2);
    EXPECT_EQ(Counters.Inexact, 1);
}

TEST_F(TranslateTextRun, ProgressAfterEachPieceAndAbortBeforeTheNext) {
    const std::string text = "Дом. Книга! Брат?";
    Translate(text);
    EXPECT_THAT(progress, ElementsAre(std::pair{6, 17}, std::pair{13, 17}, std::pair{18, 17}));
    EXPECT_EQ(ProcessedLength, 17);

    callbacks.ProgressProc = [this](int pos, int total) {
        progress.emplace_back(pos, total);
        AbortFlag = true;
    };
    Translate(text);
    EXPECT_EQ(U(output), "Дом. ");
    EXPECT_EQ(ProcessedLength, 5);
    EXPECT_EQ(Counters.Words, 1);
    Translate(text);  // a new run clears the flag
    EXPECT_EQ(U(output), "Дом. ");
}

TEST_F(TranslateTextRun, WithoutOutputTheRunStillFindsTheUnknownWords) {
    callbacks.OutputProc = nullptr;
    std::vector<std::tuple<int, int, int>> marks;
    callbacks.MarkProc = [&](int style, int from, int to) {
        if (from < to) marks.emplace_back(style, from, to);
    };
    Translate("Дом кот.");
    EXPECT_THAT(unknown, ElementsAre("кот"));
    EXPECT_EQ(Counters.Unknown, 1);
    EXPECT_THAT(marks, ElementsAre(std::tuple{kKnownToken, 0, 3}, std::tuple{kOtherTextStyle, 3, 4},
                                   std::tuple{kUnknownToken, 4, 7}, std::tuple{kOtherTextStyle, 7, 8}));
}

TEST_F(TranslateTextRun, AFailingLookupEndsTheRunAndFreesThePiece) {
    // a stem that points at a word the dictionary does not have
    AddRow(m.StemTable(kRussian), {{StemField::Stem, W("кот")}, {StemField::WordNo, 999}});
    EXPECT_THROW(Translate("Дом. Книга кот."), Error);
    EXPECT_EQ(U(output), "Дом. ");
    EXPECT_EQ(ElementList, nullptr);
    EXPECT_EQ(Counters.Words, 2);
    EXPECT_EQ(ProcessedLength, 5);
}

// Front ends stand these bytes in for characters Windows-1251 cannot hold
// and put the characters back in order, so the output must carry exactly
// the stand-ins of the source, in the same order, wherever they are.
TEST_F(TranslateTextRun, StandInBytesComeOutUnchangedAndInOrder) {
    AddAbbreviation(2, "т. е.", "г. зн.");
    const std::string w(1, kWordStandIn);
    const std::string g(1, kGapStandIn);
    const std::vector<std::string> texts = {
        W("дом") + w + W("а книга") + g + W(" и") + g + g + W("брат."),
        g + W("Дом") + w + W(". ") + w + W("Книга") + g,
        W("т.") + g + W("е. дом т. е.") + g + W("Он") + w,
        W("т. е.") + w + W(" Он. ") + g + W("\r\n") + w,
        W("2007") + w + g + W("Windows") + g + W("?") + w + W("!"),
    };
    for (const std::string& text : texts) {
        TranslateRaw(text);
        std::string in;
        std::string out;
        std::copy_if(text.begin(), text.end(), std::back_inserter(in), [](char c) { return c == kWordStandIn || c == kGapStandIn; });
        std::copy_if(output.begin(), output.end(), std::back_inserter(out), [](char c) { return c == kWordStandIn || c == kGapStandIn; });
        EXPECT_EQ(out, in) << U(text);
    }
}

TEST_F(TranslateTextRun, StandInsNeitherEndSentencesNorJoinBlanks) {
    const std::string g(1, kGapStandIn);
    TranslateRaw(W("Дом") + g + W("книга") + std::string(1, kWordStandIn) + W(" брат."));
    EXPECT_EQ(progress.size(), 1u);
    EXPECT_THAT(unknown, ElementsAre("книга\u0098"));
}

}  // namespace

#include "translator/TranslateText.h"

#include "translator/TranslationStats.h"
#include "translator/TranslatorFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using namespace kunimor;
using ::testing::ElementsAre;

namespace {

// Whole texts through the translator on the test dictionary.
class SentenceTranslation : public TranslatorFixture {
protected:
    void SetUp() override {
        TranslatorFixture::SetUp();
        callbacks.OutputProc = [this](int) {
            output += OutText;
            if (!OutVariants.empty()) variants.push_back(OutVariants);
        };
        callbacks.UnknownProc = [this](const std::string& word) { unknown.push_back(U(word)); };
    }

    std::string Translate(int sourceLang, const std::string& utf8) {
        Direction(sourceLang);
        output.clear();
        unknown.clear();
        variants.clear();
        TranslateText(m, W(utf8), callbacks);
        return U(output);
    }

    TTranslateCallbacks callbacks;
    std::string output;  // Windows-1251
    std::vector<std::string> unknown;
    std::vector<std::vector<std::string>> variants;  // Windows-1251
};

struct SentenceCase {
    int from;
    const char* source;
    const char* translation;
};

TEST_F(SentenceTranslation, GrammarCarriesOverWhereTheLanguagesDiffer) {
    const std::vector<SentenceCase> cases = {
        // a preposition governing another case
        {kRussian, "о новом доме", "пра новы дом"},
        {kBelarusian, "пра новы дом", "о новом доме"},
        // a noun of another gender takes its attributes and its past verb along
        {kRussian, "Новая собака читала книгу.", "Новы сабака чытаў кнігу."},
        {kBelarusian, "Новы сабака чытаў кнігу.", "Новая собака читала книгу."},
        // the gendered numerals follow the head's gender in the target
        {kRussian, "две книги", "дзве кнігі"},
        {kRussian, "два дома", "два дамы"},
        {kRussian, "две собаки", "два сабакі"},
        {kBelarusian, "два сабакі", "две собаки"},
        {kBelarusian, "дзве кнігі", "две книги"},
        // after два Russian counts in the genitive singular, Belarusian in the nominative plural
        {kRussian, "два брата", "два браты"},
        {kRussian, "два новых брата", "два новыя браты"},
        {kBelarusian, "два новыя браты", "два новых брата"},
        // я agrees with a feminine verb through its twin
        {kRussian, "я читала", "я чытала"},
        // capitals as in the source
        {kRussian, "НОВЫЙ ДОМ. Новый дом", "НОВЫ ДОМ. Новы дом"},
    };
    for (const SentenceCase& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(Translate(c.from, c.source), c.translation);
    }
}

TEST_F(SentenceTranslation, SpecialWordsChooseByNeighboursMoveAndJoin) {
    const std::vector<SentenceCase> cases = {
        {kRussian, "Да, я читаю. Брат да брат. Нет. Книги нет.", "Так, я чытаю. Брат ды брат. Не. Кнігі няма."},
        // the question particle goes before the verb, the capital with it
        {kRussian, "Читаешь ли ты?", "Ці чытаеш ты?"},
        {kBelarusian, "Ці чытаеш ты?", "Читаешь ли ты?"},
        {kBelarusian, "брат ці брат", "брат или брат"},
        // what stood in the gap a moved word leaves stays in place
        {kRussian, "«Читаешь» ли ты?", "«Ці чытаеш» ты?"},
        {kRussian, "Читаешь\tли ты?", "Ці чытаеш\t ты?"},
        {kBelarusian, "Ці\nчытаеш ты?", "\nЧитаешь ли ты?"},
        // по- joins its adverb
        {kRussian, "по-новому", "па-новаму"},
        {kBelarusian, "па-новаму", "по-новому"},
        {kRussian, "о доме, о-о", "пра дом, о-о"},
        {kRussian, "брат-то", "брат вось"},
        {kBelarusian, "які дом", "какой дом"},
        // an initial stays as written unless its letter is the source's own
        {kRussian, "А. Брат", "А. Брат"},
        {kRussian, "И. Брат", "І. Брат"},
        // at the ends of a piece the rules find nothing to move or join
        {kRussian, "ли", "ці"},
        {kRussian, "-то", "-вось"},
        {kRussian, "по-", "па-"},
        {kBelarusian, "ці", "или"},
        {kBelarusian, "Ці?", "Или?"},
        // the target's short words fit their neighbours
        {kRussian, "со мной, дом же, книга же", "са мной, дом жа, кніга ж"},
        {kBelarusian, "дом жа, з мной", "дом же, с мной"},
    };
    for (const SentenceCase& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(Translate(c.from, c.source), c.translation);
    }
}

TEST_F(SentenceTranslation, CommonReadingsAndWholeWordsWin) {
    const std::vector<SentenceCase> cases = {
        // a word the dictionary has with its hyphen is one word; other
        // hyphened pairs stay two
        {kRussian, "Кто-то читает.", "Хтосьці чытае."},
        {kRussian, "дом-кто-то", "дом-хтосьці"},
        {kRussian, "брат-книга", "брат-кніга"},
        // з says where from with a genitive, with whom with an instrumental
        {kBelarusian, "з дома", "из дома"},
        {kBelarusian, "з братам", "с братом"},
        // the case after a preposition chooses its translation, except
        // towards a person, where each language says it its own way
        {kBelarusian, "да дома", "до дома"},
        {kBelarusian, "да брата", "к брату"},
        {kRussian, "до дома", "да дома"},
        // у with a genitive is у in both languages
        {kRussian, "у брата", "у брата"},
        {kBelarusian, "у брата", "у брата"},
        {kBelarusian, "у дом", "в дом"},
        // які after a comma opens a relative clause
        {kBelarusian, "дом, які я чытаю", "дом, который я читаю"},
        {kBelarusian, "які дом", "какой дом"},
    };
    for (const SentenceCase& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(Translate(c.from, c.source), c.translation);
    }
}

TEST_F(SentenceTranslation, QuotesAndDashesAreTheTargetsOwn) {
    const std::vector<SentenceCase> cases = {
        {kRussian, "дом - \"дом\"", "дом — «дом»"},
        {kBelarusian, "\"дом\" (\"дом\")", "«дом» («дом»)"},
        // a hyphen inside a word or before a number stays
        {kRussian, "брат-то, -5", "брат вось, -5"},
        {kRussian, "\"", "«"},
    };
    for (const SentenceCase& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(Translate(c.from, c.source), c.translation);
    }
}

TEST_F(SentenceTranslation, WordsWithoutTranslationAreReportedEachTime) {
    EXPECT_EQ(Translate(kRussian, "Кот и кот."), "Кот і кот.");
    EXPECT_THAT(unknown, ElementsAre("Кот", "кот"));
    EXPECT_EQ(Counters.Unknown, 2);
    EXPECT_EQ(Counters.Translated, 1);
}

TEST_F(SentenceTranslation, VariantsListTheOtherTranslationsFirstTheOneOutput) {
    callbacks.WantVariants = true;
    EXPECT_EQ(Translate(kRussian, "Дом и брат"), "Дом і брат");
    ASSERT_EQ(variants.size(), 1u);
    // дом may be a nominative or an accusative: both readings' translations
    EXPECT_THAT(variants[0], ElementsAre(W("Дом"), W("Хата"), W("Хату")));
    callbacks.WantVariants = false;
    Translate(kRussian, "Дом и брат");
    EXPECT_TRUE(variants.empty());
}

}  // namespace

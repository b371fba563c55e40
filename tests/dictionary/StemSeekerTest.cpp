#include "dictionary/StemSeeker.h"

#include "dictionary/BelModule.h"
#include "ground/Direction.h"
#include "ground/Error.h"
#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "morphology/FormSynthesis.h"
#include "support/FixtureDictionary.h"
#include "support/Text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

using namespace kunimor;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// (word number, form number, alternative)
using Reading = std::tuple<int32_t, int, int>;

class StemSeeking : public FixtureDictionary {
protected:
    // Every reading of a UTF-8 surface word in the language lang.
    std::vector<Reading> Readings(int lang, const std::string& utf8) {
        m.SetDirection(lang);
        std::vector<Reading> found;
        const bool any = SeekWord(m, W(utf8), [&](const TWordFormArgs& a) {
            found.emplace_back(a.No, a.Form, a.Alt);
        });
        EXPECT_EQ(any, !found.empty()) << utf8;
        return found;
    }

    // The message of the DictionaryError a search raises, empty when it raises none.
    std::string SeekError(int lang, const std::string& utf8, const TWordFormProc& proc) {
        m.SetDirection(lang);
        try {
            SeekWord(m, W(utf8), proc);
        } catch (const Error& e) {
            EXPECT_THAT(messages, Contains(std::string(e.what())));
            return U(e.what());
        }
        return {};
    }

    void AddEtalon(int lang, int no, int kind, const std::string& utf8Forms) {
        AddRow(m.EtalonTable(lang),
               {{EtalonField::No, no}, {EtalonField::Kind, kind}, {EtalonField::Forms, W(utf8Forms)}});
    }
    void AddWord(int lang, int32_t no, const std::string& utf8Stem, int etalonNo) {
        AddRow(m.WordsTable(lang),
               {{WordsField::No, no}, {WordsField::Osnova, W(utf8Stem)}, {WordsField::EtalonNo, etalonNo}});
    }
    void AddStem(int lang, const std::string& utf8Stem, int32_t wordNo) {
        AddRow(m.StemTable(lang), {{StemField::Stem, W(utf8Stem)}, {StemField::WordNo, wordNo}});
    }
};

struct DictionaryWord {
    int32_t no;
    std::string stem;
};

std::vector<DictionaryWord> AllWords(Table& words) {
    std::vector<DictionaryWord> all;
    for (words.First(); !words.Eof(); words.Next()) {
        all.push_back({words.GetInt(WordsField::No), words.GetString(WordsField::Osnova)});
    }
    return all;
}

}  // namespace

// Seeking inverts synthesis: every form built for a dictionary word is found
// back with its word, form and alternative, and every reading reported
// builds the surface word again, with the word's tag and paradigm.
TEST_F(StemSeeking, FindsBackEveryFormOfEveryWord) {
    int formsChecked = 0;
    for (const int lang : {kRussian, kBelarusian}) {
        for (const DictionaryWord& word : AllWords(m.WordsTable(lang))) {
            m.LoadWord(lang, word.no);
            const TEtalonRec etalon = m.CurEtalon;
            for (int formNo = 1; formNo <= FormCount(etalon.Kind); ++formNo) {
                for (const bool alt : {false, true}) {
                    const std::string form = BuildForm(lang, word.stem, etalon.Forms, alt, formNo);
                    if (form.empty()) continue;
                    SCOPED_TRACE(U(form) + " of word " + std::to_string(word.no));
                    ++formsChecked;
                    m.SetDirection(lang);
                    std::vector<TWordFormArgs> reports;
                    ASSERT_TRUE(SeekWord(m, form, [&](const TWordFormArgs& a) { reports.push_back(a); }));
                    EXPECT_TRUE(SeekWord(m, form, nullptr));
                    const auto own = std::find_if(reports.begin(), reports.end(), [&](const TWordFormArgs& a) {
                        return a.No == word.no && a.Form == formNo && a.Alt == alt;
                    });
                    ASSERT_NE(own, reports.end());
                    EXPECT_EQ(own->Kind, etalon.Kind);
                    EXPECT_EQ(own->RodChislo, etalon.RodChislo);
                    EXPECT_EQ(own->Tag, m.CurWord.Tag);
                    EXPECT_FALSE(own->CrossFlag);
                    EXPECT_EQ(own->Priority, 0);
                    for (const TWordFormArgs& a : reports) {
                        m.LoadWord(lang, a.No);
                        EXPECT_EQ(BuildForm(lang, m.CurWord.Osnova, m.CurEtalon.Forms, a.Alt, a.Form), form)
                            << "reported word " << a.No << " form " << int{a.Form} << " alt " << int{a.Alt};
                    }
                    m.LoadWord(lang, word.no);
                }
            }
        }
    }
    EXPECT_GT(formsChecked, 300);
}

TEST_F(StemSeeking, ReadingsOfSurfaceWords) {
    const struct {
        int lang;
        const char* surface;
        std::vector<Reading> readings;
    } cases[] = {
        // Forms built on a changed stem, found through the stem table.
        {kBelarusian, "дамы", {{30, 7, 0}, {30, 10, 0}}},
        {kBelarusian, "браце", {{32, 6, 0}}},
        {kBelarusian, "вернем", {{35, 3, 0}}},
        {kBelarusian, "цябе", {{29, 2, 0}, {29, 4, 0}}},
        {kRussian, "оба", {{24, 4, 0}, {24, 16, 0}}},
        // Two words with one stem, in the order they were added.
        {kRussian, "двух", {{22, 8, 0}, {22, 16, 1}, {22, 24, 0}, {23, 8, 0}, {23, 16, 1}, {23, 24, 0}}},
        {kRussian, "в", {{3, 1, 0}}},
        {kRussian, "вы", {{27, 7, 0}}},
        // An unchangeable word is its stem and nothing longer.
        {kBelarusian, "або", {{1, 1, 0}}},
        {kBelarusian, "такі", {}},
        // Main and alternative forms.
        {kRussian, "мною", {{26, 5, 1}}},
        {kRussian, "нов", {{31, 1, 1}}},
        // Normalising case is the caller's task; nothing is empty.
        {kRussian, "Дом", {}},
        {kRussian, "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.surface);
        EXPECT_EQ(Readings(c.lang, c.surface), c.readings);
    }
}

// Longer stems come first; at one length own stems come before the stem
// table's; a word reached both ways is reported twice.
TEST_F(StemSeeking, ReportsInStemLengthAndTableOrder) {
    AddEtalon(kRussian, 100, kNoun, "т");
    AddEtalon(kRussian, 101, kNoun, "@;1");  // кат, and кот with о for а
    AddWord(kRussian, 9001, "кот", -1);
    AddWord(kRussian, 9002, "ко", 100);
    AddWord(kRussian, 9003, "кат", 101);
    AddStem(kRussian, "кот", 9003);
    AddStem(kRussian, "ко", 9002);
    EXPECT_THAT(Readings(kRussian, "кот"),
                ElementsAre(Reading{9001, 1, 0}, Reading{9003, 2, 0}, Reading{9002, 1, 0}, Reading{9002, 1, 0}));
}

TEST_F(StemSeeking, EndingsOfMoreThanTenLettersAreNotTried) {
    const std::string stem27 = "абвгдежзиклмнопрстуфхцчшщэю";
    const std::string stem28 = stem27 + "я";
    const std::string stem30 = stem28 + "ёё";
    AddEtalon(kRussian, 100, kNoun, "абвгдежзий");   // 10 letters
    AddEtalon(kRussian, 101, kNoun, "аабвгдежзий");  // 11 letters
    AddWord(kRussian, 9001, stem28, 100);
    AddWord(kRussian, 9002, stem27, 101);
    AddWord(kRussian, 9003, "р", 101);
    AddWord(kRussian, 9004, stem30, 100);
    // 38 letters: stems of 30, 29 and 28 letters only.
    EXPECT_THAT(Readings(kRussian, stem28 + "абвгдежзий"), ElementsAre(Reading{9001, 1, 0}));
    EXPECT_THAT(Readings(kRussian, stem27 + "аабвгдежзий"), IsEmpty());
    EXPECT_THAT(Readings(kRussian, "раабвгдежзий"), IsEmpty());
    // A 30-letter stem with a 10-letter ending is the longest word there is.
    EXPECT_THAT(Readings(kRussian, stem30 + "абвгдежзий"), ElementsAre(Reading{9004, 1, 0}));
}

TEST_F(StemSeeking, AChangedStemIsFoundOnlyThroughTheStemTable) {
    ASSERT_THAT(Readings(kBelarusian, "дамы"), ElementsAre(Reading{30, 7, 0}, Reading{30, 10, 0}));
    Table& stems = m.StemTable(kBelarusian);
    ASSERT_TRUE(stems.Locate("Stem", {Value(W("дам"))}));
    stems.Delete();
    EXPECT_THAT(Readings(kBelarusian, "дамы"), IsEmpty());
    EXPECT_THAT(Readings(kBelarusian, "дом"), ElementsAre(Reading{30, 1, 0}, Reading{30, 4, 0}));
}

TEST_F(StemSeeking, WithoutProcTheFirstMatchingWordEndsTheSearch) {
    AddEtalon(kRussian, 101, kNoun, "от;4ш");  // the second form cannot be built from к
    AddWord(kRussian, 9001, "кот", -1);
    AddWord(kRussian, 9002, "к", 101);
    m.SetDirection(kRussian);
    EXPECT_TRUE(SeekWord(m, W("кот"), nullptr));
    EXPECT_EQ(SeekError(kRussian, "кот", [](const TWordFormArgs&) {}),
              "tblWordsR: bad form modifier in word No 9002, modified word stem: \"к\"");
}

TEST_F(StemSeeking, DictionaryFaultsEndTheSearch) {
    AddEtalon(kRussian, 101, kNoun, "а;4ш");  // рыба, then no rule 4 for б
    AddWord(kRussian, 9001, "рыб", 101);
    std::vector<Reading> before;
    const auto collect = [&](const TWordFormArgs& a) { before.emplace_back(a.No, a.Form, a.Alt); };
    const std::string badModifier = "tblWordsR: bad form modifier in word No 9001, modified word stem: \"рыб\"";
    EXPECT_EQ(SeekError(kRussian, "рыба", collect), badModifier);
    EXPECT_THAT(before, ElementsAre(Reading{9001, 1, 0}));  // reported before the fault
    // The word's other forms are checked even when the search ends with it.
    EXPECT_EQ(SeekError(kRussian, "рыба", nullptr), badModifier);

    AddStem(kRussian, "сом", 424242);
    EXPECT_EQ(SeekError(kRussian, "сома", collect), "tblStemR: bad word No 424242");
}

TEST_F(StemSeeking, SearchesItsOwnIndexesAndKeepsItsPlaceWhenAReportMovesIt) {
    AddEtalon(kRussian, 101, kNoun, "@;1");
    AddWord(kRussian, 9003, "кат", 101);
    AddStem(kRussian, "кот", 9003);
    AddStem(kRussian, "кот", 9003);
    m.WordsTable(kRussian).SetIndexName("NoInd");
    m.StemTable(kRussian).SetIndexFieldNames("WordNo");
    std::vector<Reading> found;
    m.SetDirection(kRussian);
    const auto wander = [&](const TWordFormArgs& a) {
        found.emplace_back(a.No, a.Form, a.Alt);
        ASSERT_LT(found.size(), 20u) << "the search lost its place";
        m.LoadWord(kRussian, 22);
        m.WordsTable(kRussian).SetIndexName("NoInd");
        m.StemTable(kRussian).First();
        m.StemTable(kRussian).SetIndexFieldNames("WordNo");
    };
    EXPECT_TRUE(SeekWord(m, W("двух"), wander));
    EXPECT_EQ(found, Readings(kRussian, "двух"));
    EXPECT_EQ(found.size(), 6u);
    found.clear();
    EXPECT_TRUE(SeekWord(m, W("кот"), wander));
    EXPECT_THAT(found, ElementsAre(Reading{9003, 2, 0}, Reading{9003, 2, 0}));
}

// LoadEtalon reads the current record for paradigm 0; the seeker must not.
TEST_F(StemSeeking, ParadigmZeroIsARealParadigm) {
    AddEtalon(kRussian, 0, kNoun, "а");
    AddWord(kRussian, 9001, "рыб", 0);
    m.LoadEtalon(kRussian, 10);  // дом: its form 2 would also spell рыба
    EXPECT_THAT(Readings(kRussian, "рыба"), ElementsAre(Reading{9001, 1, 0}));
}

TEST_F(StemSeeking, FollowsAnEditedParadigm) {
    ASSERT_THAT(Readings(kRussian, "дома"), ElementsAre(Reading{28, 2, 0}, Reading{28, 7, 0}, Reading{28, 10, 0}));
    Table& etalons = m.EtalonTable(kRussian);
    ASSERT_TRUE(etalons.Locate("No", {Value(int32_t{10})}));
    etalons.Edit();
    etalons.Set(EtalonField::Forms, W("@;ы"));
    etalons.Post();
    EXPECT_THAT(Readings(kRussian, "дома"), IsEmpty());
    EXPECT_THAT(Readings(kRussian, "домы"), ElementsAre(Reading{28, 2, 0}));
}

// A word sought again is answered from what was found before; every change
// of the tables the search reads must be seen all the same.
TEST_F(StemSeeking, ARepeatedWordFollowsEveryEditOfTheTables) {
    const auto dom = [](std::vector<Reading> extra) {
        std::vector<Reading> r{{28, 2, 0}, {28, 7, 0}, {28, 10, 0}};
        r.insert(r.end(), extra.begin(), extra.end());
        return r;
    };
    ASSERT_EQ(Readings(kRussian, "дома"), dom({}));
    ASSERT_EQ(Readings(kRussian, "дома"), dom({}));

    AddWord(kRussian, 9001, "дом", 10);
    EXPECT_EQ(Readings(kRussian, "дома"), dom({{9001, 2, 0}, {9001, 7, 0}, {9001, 10, 0}}));

    Table& words = m.WordsTable(kRussian);
    words.SetFilterCallback([](const Table& t, const Record& r) { return t.FieldValue(r, WordsField::No) != Value(28); });
    words.SetFiltered(true);
    EXPECT_THAT(Readings(kRussian, "дома"), ElementsAre(Reading{9001, 2, 0}, Reading{9001, 7, 0}, Reading{9001, 10, 0}));
    words.SetFiltered(false);

    ASSERT_TRUE(words.Locate("No", {Value(int32_t{9001})}));
    words.Edit();
    words.Set(WordsField::Osnova, W("дым"));
    words.Post();
    EXPECT_EQ(Readings(kRussian, "дома"), dom({}));
    EXPECT_THAT(Readings(kRussian, "дыма"), ElementsAre(Reading{9001, 2, 0}, Reading{9001, 7, 0}, Reading{9001, 10, 0}));

    // The other language's tables hold their own answers for the same letters.
    EXPECT_THAT(Readings(kBelarusian, "дома"), ElementsAre(Reading{30, 2, 0}, Reading{30, 13, 0}));
    EXPECT_EQ(Readings(kRussian, "дома"), dom({}));
}

TEST_F(StemSeeking, AReportThatEditsTheTablesIsSeenByTheNextSearch) {
    ASSERT_EQ(Readings(kRussian, "дома").size(), 3u);
    bool added = false;
    SeekWord(m, W("дома"), [&](const TWordFormArgs&) {
        if (!added) AddWord(kRussian, 9001, "дом", 10);
        added = true;
    });
    EXPECT_THAT(Readings(kRussian, "дома"), Contains(Reading{9001, 2, 0}));
}

#include "dictionary/BelModule.h"
#include "dictionary/DictionaryText.h"
#include "ground/Direction.h"
#include "ground/Error.h"
#include "dictionary/TagCodes.h"
#include "support/FixtureDictionary.h"
#include "support/TempDir.h"
#include "support/Text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace kunimor;
using ::testing::HasSubstr;

namespace {

const std::filesystem::path kFixture = std::filesystem::path(KUNIMOR_FIXTURES_DIR) / "dictionary";

std::string OpenError(TBelModule& m, const std::filesystem::path& dir) {
    try {
        m.OpenDictionary(dir.string());
    } catch (const Error& e) {
        return e.what();
    }
    return {};
}

// Copies the fixture's text form, dropping the rows of `table` whose cell in
// `column` is `value`, and builds the dictionary files from it.
void BuildWithout(const std::filesystem::path& data, const TempDir& tmp, const std::string& table,
                  size_t column, const std::string& value) {
    const auto text = tmp.Path() / "text";
    std::filesystem::copy(kFixture, text);
    std::ifstream in(text / (table + ".tsv"));
    std::stringstream kept;
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> cells;
        std::stringstream ls(line);
        for (std::string c; std::getline(ls, c, '\t');) cells.push_back(c);
        if (cells.size() > column && cells[column] == value) continue;
        kept << line << '\n';
    }
    in.close();
    std::ofstream(text / (table + ".tsv"), std::ios::trunc) << kept.str();
    BuildDictionary(text, data);
}

// The test dictionary, opened afresh for each test.
class OpenedDictionary : public FixtureDictionary {};

}  // namespace

TEST_F(OpenedDictionary, LoadsEveryTableWithProgress) {
    EXPECT_TRUE(m.Loaded);
    for (const TableSpec& spec : TableSpecs()) {
        EXPECT_TRUE(m.Tbl(spec.id).Active()) << spec.baseName;
        EXPECT_EQ(m.Tbl(spec.id).CurrentIndex().name, spec.activeIndex == "OsnovaInd" ? "OsnovaInd" : spec.activeIndex)
            << spec.baseName;
    }
    std::vector<std::string> progress(openMessages.begin(), openMessages.begin() + 13);
    EXPECT_EQ(progress.front(), "Loaded 0 of 12 tables...");
    EXPECT_EQ(progress.back(), "Loaded 12 of 12 tables...");
}

TEST_F(OpenedDictionary, FindsTheSpecialWordsAndParadigms) {
    const struct {
        int lang;
        const char* stem;
        const char* lemma;
        bool isProtected;
    } cases[] = {
        {1, "ці", "", true}, {1, "або", "", false}, {1, "як", "які", true}, {1, "дзв", "дзве", false},
        {1, "м", "я", false}, {0, "в", "", true}, {0, "в", "ты", false}, {0, "котор", "который", false},
        {0, "и", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stem);
        const int32_t no = m.SpecialWordNo(c.lang, W(c.stem), W(c.lemma));
        ASSERT_GT(no, 0);
        EXPECT_EQ(m.IsProtectedWord(c.lang, no), c.isProtected);
        m.LoadWord(c.lang, no);
        EXPECT_EQ(m.CurWord.Osnova, W(c.stem));
    }
    for (int lang : {0, 1}) {
        const int16_t e = m.SpecialEtalonNo(lang);
        m.LoadEtalon(lang, e);
        EXPECT_EQ(m.CurEtalon.Kind, kAdjective);
        EXPECT_EQ(m.CurEtalon.Forms.substr(0, 4), "@;@;");
    }
    EXPECT_EQ(m.EtalonTable(0).CurrentIndex().name, "NoInd");
}

TEST_F(OpenedDictionary, DirectionSelectsTablesAndPronouns) {
    m.SetDirection(1);
    EXPECT_EQ(SourceLang, 1);
    EXPECT_EQ(TargetLang, 0);
    EXPECT_EQ(m.SrcWords, &m.WordsTable(1));
    EXPECT_EQ(m.TrgEtalons, &m.EtalonTable(0));
    EXPECT_EQ(m.SrcYaWordNo, m.SpecialWordNo(1, W("м"), W("я")));
    m.SetDirection(0);
    EXPECT_EQ(m.SrcStems, &m.StemTable(0));
    EXPECT_EQ(m.TrgCollocs, &m.CollocTable(1));
    EXPECT_EQ(m.SrcTyWordNo, m.SpecialWordNo(0, W("в"), W("ты")));
    EXPECT_GT(m.SrcTyWordNo, 0);
}

TEST_F(OpenedDictionary, UnchangeableWordHasOneFormParadigm) {
    m.LoadWord(1, m.SpecialWordNo(1, W("або")));
    EXPECT_LT(m.CurWord.EtalonNo, 0);
    EXPECT_EQ(m.CurEtalon.Kind, kUnchangeable);
    EXPECT_EQ(m.CurEtalon.Forms, "@");
    m.LoadEtalon(0, -1);
    EXPECT_EQ(m.CurEtalon.Kind, kUnchangeable);
    EXPECT_EQ(m.CurEtalon.Forms, "@");
}

TEST_F(OpenedDictionary, DeadLinksAreReportedAndRaised) {
    const struct {
        std::function<void()> load;
        std::string message;
    } cases[] = {
        {[&] { m.LoadWord(1, 4999999); }, "Dead link No 4999999 in dictionary tblWordsB"},
        {[&] { m.LoadEtalon(0, 32000); }, "Dead link No 32000 in dictionary tblEtalonR"},
        {[&] { m.LoadColloc(0, 5999999); }, "Dead link No 5999999 in dictionary tblCollocR"},
        {[&] { m.LoadAbbr(77777777); }, "Dead link No 77777777 in dictionary tblAbbr"},
        {[&] { m.LoadGlossary(77777777); }, "Dead link No 77777777 in dictionary tblGlossary"},
    };
    for (const auto& c : cases) {
        messages.clear();
        try {
            c.load();
            ADD_FAILURE() << c.message;
        } catch (const Error& e) {
            EXPECT_EQ(e.what(), c.message);
        }
        EXPECT_EQ(messages, std::vector<std::string>{c.message});
    }
}

TEST_F(OpenedDictionary, CollocationSlotsEndAtTheFirstEmptyOne) {
    Table& c = m.CollocTable(1);
    using namespace CollocField;
    AddRow(c, {{No, 5900001}, {Kind, 0}, {MainPar, 1}, {SlotNo(1), 11}, {SlotNo(2), 12}, {SlotDelim(2), "_"},
               {SlotNo(3), 0}, {SlotNo(4), 14}});
    EXPECT_EQ(m.LoadEntry(1, 5900001), kUnchangeable);
    EXPECT_EQ(m.CurColloc.Count, 2);
    EXPECT_EQ(m.CurColloc.MainPar, 1);
    EXPECT_EQ(m.CurColloc.Words[0].No, 11);
    EXPECT_EQ(m.CurColloc.Words[0].Delim, ' ');
    EXPECT_EQ(m.CurColloc.Words[1].Delim, '_');
    EXPECT_EQ(m.CurColloc.Words[2].No, 0);
}

TEST_F(OpenedDictionary, CollocationsByWordAndByFirstWords) {
    Table& c = m.CollocTable(0);
    using namespace CollocField;
    AddRow(c, {{No, 5900003}, {SlotNo(1), 901}, {SlotNo(2), 902}});
    AddRow(c, {{No, 5900001}, {SlotNo(1), 901}, {SlotNo(2), 902}, {SlotNo(3), 901}});
    AddRow(c, {{No, 5900002}, {SlotNo(1), 901}, {SlotNo(2), 903}});

    std::vector<int32_t> seen;
    EXPECT_EQ(m.ForEachCollocOfWord(0, 901, [&](int32_t no) { seen.push_back(no); }), 5900003);
    EXPECT_EQ(seen, (std::vector<int32_t>{5900001, 5900001, 5900002, 5900003}));
    EXPECT_EQ(m.ForEachCollocOfWord(0, 901, nullptr), 5900001);
    EXPECT_EQ(m.ForEachCollocOfWord(0, 999, nullptr), 0);

    TCollocRec rec;
    std::vector<int32_t> pair;
    for (int32_t no = m.NextCollocByFirstWords(0, 901, rec, 902); no != 0; no = m.NextCollocByFirstWords(0, 0, rec))
        pair.push_back(no);
    EXPECT_EQ(pair, (std::vector<int32_t>{5900003, 5900001}));  // the order they were added
    EXPECT_EQ(m.NextCollocByFirstWords(0, 902, rec, 901), 0);
}

TEST_F(OpenedDictionary, AbbreviationsByPrefixInCollationOrder) {
    Table& a = m.tblAbbr();
    a.EmptyTable();
    AddRow(a, {{AbbrField::No, 6000901}, {AbbrField::Rus, W("тыс.")}, {AbbrField::Bel, W("тыс.")}});
    AddRow(a, {{AbbrField::No, 6000902}, {AbbrField::Rus, W("т.е.")}, {AbbrField::Bel, W("г.зн.")}});
    AddRow(a, {{AbbrField::No, 6000903}, {AbbrField::Rus, W("у.е.")}, {AbbrField::Bel, W("у.а.")}});
    std::string translation, abbr;
    std::vector<std::string> found;
    for (int32_t no = m.NextAbbr(0, W("т"), translation, abbr); no != 0; no = m.NextAbbr(0, "", translation, abbr))
        found.push_back(U(abbr) + "=" + U(translation));
    EXPECT_EQ(found, (std::vector<std::string>{"т.е.=г.зн.", "тыс.=тыс."}));
    EXPECT_EQ(m.NextAbbr(1, W("я"), translation, abbr), 0);
}

TEST_F(OpenedDictionary, GlossaryByTitleIgnoresCapitals) {
    AddRow(m.tblGlossary(), {{GlossaryField::No, 901}, {GlossaryField::Lang, 1}, {GlossaryField::Title, W("хата")},
                             {GlossaryField::Text, W("жыллё")}});
    EXPECT_EQ(m.FindGlossary(1, W("Хата")), 901);
    EXPECT_EQ(m.CurGlossary.Text, W("жыллё"));
    EXPECT_EQ(m.FindGlossary(0, W("хата")), -1);
}

// ---------------------------------------------------------------- failures

TEST(OpenDictionary, MissingFolderNamesTheFirstTable) {
    TempDir tmp;
    TBelModule m;
    std::vector<std::string> messages;
    m.OnMessage = [&](const std::string& t) { messages.push_back(t); };
    const std::string error = OpenError(m, tmp.Path() / "nowhere");
    EXPECT_THAT(U(error), HasSubstr("Не обнаружен файл словаря:\r"));
    EXPECT_THAT(error, HasSubstr("nowhere/WForms.kmr"));
    EXPECT_FALSE(m.Loaded);
    EXPECT_FALSE(m.tblWForms().Active());
    EXPECT_EQ(messages.back(), error);
}

TEST(OpenDictionary, DamagedOrMissingTableFailsTheWholeOpen) {
    for (const char* table : {"WordsB", "Trans", "Theme"}) {
        for (bool remove : {false, true}) {
            SCOPED_TRACE(std::string(table) + (remove ? " missing" : " damaged"));
            TempDir tmp;
            const auto data = tmp.Path() / "data";
            BuildDictionary(kFixture, data);
            const auto file = data / (std::string(table) + ".kmr");
            if (remove) {
                std::filesystem::remove(file);
            } else {
                std::filesystem::resize_file(file, std::filesystem::file_size(file) - 2);
            }
            TBelModule m;
            const std::string error = U(OpenError(m, data));
            EXPECT_THAT(error, HasSubstr(remove ? "Не обнаружен файл словаря:\r" : "Испорчен Файл словаря:\r"));
            EXPECT_THAT(error, HasSubstr(file.string()));
            EXPECT_FALSE(m.Loaded);
            for (const TableSpec& spec : TableSpecs()) EXPECT_FALSE(m.Tbl(spec.id).Active()) << spec.baseName;
        }
    }
}

TEST(OpenDictionary, MissingSpecialWordOrParadigmIsFatal) {
    const std::string allAt = "@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@;@";
    const struct {
        const char* table;
        size_t column;
        std::string value;
        std::string message;
    } cases[] = {
        {"WordsB", 1, "ці", "В словаре tblWordsB отсутствует специальное слово \"ці\". Словарь поврежден!"},
        {"WordsR", 1, "котор", "В словаре tblWordsR отсутствует специальное слово \"котор\". Словарь поврежден!"},
        {"EtalonR", 3, allAt,
         "В словаре tblEtalonR отсутствует специальный эталон \"" + allAt + "\". Словарь поврежден!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        TempDir tmp;
        BuildWithout(tmp.Path() / "data", tmp, c.table, c.column, c.value);
        TBelModule m;
        EXPECT_EQ(U(OpenError(m, tmp.Path() / "data")), c.message);
        EXPECT_FALSE(m.Loaded);
    }
}

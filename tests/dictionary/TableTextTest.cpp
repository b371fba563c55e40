#include "dictionary/TableText.h"

#include "ground/Error.h"
#include "dictionary/Schema.h"
#include "support/Text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace kunimor {
namespace {

std::string TextOf(const Table& t) {
    std::ostringstream out;
    WriteTableText(t, out);
    return out.str();
}

// RusNo of the links in the order of the Belarusian side: a word's translations.
std::vector<int32_t> RusNoByBelNo(const Table& trans) {
    std::vector<int32_t> order;
    for (const Record* r : trans.IndexAt(trans.FindIndex("IndBelNo")).refs)
        order.push_back(trans.FieldValue(*r, trans.FieldIndex("RusNo")).AsInt());
    return order;
}

void AddLink(Table& trans, int32_t rusNo, int32_t belNo) {
    trans.Insert();
    trans.Set("RusNo", rusNo);
    trans.Set("BelNo", belNo);
    trans.Set("Tag", 10);
    trans.Post();
}

TEST(TableText, TieOrderOfSecondaryIndexTravelsAsRankColumn) {
    auto trans = CreateTable(SpecOf(TableId::Trans));
    AddLink(*trans, 1, 7);
    AddLink(*trans, 2, 7);
    AddLink(*trans, 3, 5);
    // Belarusian word 7 translates first as Russian 2, then as 1: not the row order.
    const std::vector<Record*> rows = trans->RecordOrder();
    trans->AssignIndex(trans->FindIndex("IndBelNo"), {rows[2], rows[1], rows[0]});

    const std::string text = TextOf(*trans);
    EXPECT_EQ(text, "RusNo\tBelNo\tTag\t#IndBelNo\n1\t7\t10\t1\n2\t7\t10\t0\n3\t5\t10\t0\n");

    const auto back = ReadTableText(SpecOf(TableId::Trans), text, "Trans.tsv");
    EXPECT_EQ(RusNoByBelNo(*back), (std::vector<int32_t>{3, 2, 1}));
    EXPECT_EQ(TextOf(*back), text);
}

TEST(TableText, TiesInRowOrderNeedNoRankColumn) {
    const std::string text = "RusNo\tBelNo\tTag\n1\t7\t10\n2\t7\t10\n";
    const auto trans = ReadTableText(SpecOf(TableId::Trans), text, "Trans.tsv");
    EXPECT_EQ(RusNoByBelNo(*trans), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(TextOf(*trans), text);
}

TEST(TableText, CellsKeepEscapesAndSigns) {
    const std::string text =
        "No\tLang\tTitle\tText\tModif\n"
        "-5\t0\tхата\tрадок 1\\nрадок 2\\tкалонка\\r\\\\канец\t1\n";
    const auto glossary = ReadTableText(SpecOf(TableId::Glossary), text, "Glossary.tsv");
    ASSERT_EQ(glossary->RecordCount(), 1);
    glossary->First();
    EXPECT_EQ(glossary->Get("No"), Value(-5));
    EXPECT_EQ(glossary->Get("Lang"), Value(0));
    EXPECT_EQ(U(glossary->Get("Text").AsString()), "радок 1\nрадок 2\tкалонка\r\\канец");
    EXPECT_EQ(glossary->Get("Title").AsString(), W("хата"));
    EXPECT_TRUE(glossary->Get("Modif").AsBool());
    EXPECT_EQ(TextOf(*glossary), text);
}

TEST(TableText, NullNumberIsWrittenAsTheZeroAFileKeeps) {
    const auto trans = CreateTable(SpecOf(TableId::Trans));
    trans->Insert();
    trans->Set("RusNo", 5);
    trans->Post();
    EXPECT_EQ(TextOf(*trans), "RusNo\tBelNo\tTag\n5\t0\t0\n");
}

struct BadText {
    const char* name;
    TableId table;
    std::string text;
    std::string message;
};

std::ostream& operator<<(std::ostream& out, const BadText& c) { return out << c.name; }

class TableTextRejects : public testing::TestWithParam<BadText> {};

TEST_P(TableTextRejects, NamingFileAndLine) {
    const BadText& c = GetParam();
    const TableSpec& spec = SpecOf(c.table);
    try {
        ReadTableText(spec, c.text, spec.baseName + ".tsv");
        FAIL() << "accepted";
    } catch (const Error& e) {
        EXPECT_EQ(U(e.what()), c.message);
    }
}

const std::string kLinks = "RusNo\tBelNo\tTag\n";
const std::string kWords = "No\tOsnova\tEtalonNo\tTag\tModif\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, TableTextRejects,
    testing::Values(
        BadText{"WrongCellCount", TableId::Trans, kLinks + "1\t2\n", "Trans.tsv:2: 2 cells instead of 3"},
        BadText{"NotANumberAfterBlankLine", TableId::Trans, kLinks + "1\t2\t10\n\n3\t4x\t10\n",
                "Trans.tsv:4: column 2, field BelNo: \"4x\" is not a number"},
        BadText{"ReadsBackAsMinusOne", TableId::Trans, kLinks + "1\t2\t255\n",
                "Trans.tsv:2: column 3, field Tag: 255 is out of range (-1 to 254)"},
        BadText{"BeyondSmallint", TableId::EtalonB, "No\tOsnova\tKind\tForms\tRodChislo\tModif\n40000\tдом\t1\t@\t1\t0\n",
                "EtalonB.tsv:2: column 1, field No: 40000 is out of range (-32768 to 32767)"},
        BadText{"NotABoolean", TableId::WordsB, kWords + "1\tдом\t8\t0\t2\n", "WordsB.tsv:2: column 5, field Modif: \"2\" is not 0 or 1"},
        BadText{"TextTooLong", TableId::WordsB, kWords + "1\tпрапрапрапрапрапрапрапрапрапрап\t8\t0\t0\n",
                "WordsB.tsv:2: column 2, field Osnova: text of 31 characters is longer than the field's 30"},
        BadText{"UnknownColumn", TableId::Trans, "RusNo\tBelNo\tTag\tPrio\n", "Trans.tsv:1: unknown column \"Prio\""},
        BadText{"MissingColumn", TableId::Trans, "RusNo\tBelNo\n", "Trans.tsv:1: column Tag is missing"},
        BadText{"RankOfActiveIndex", TableId::Trans, "RusNo\tBelNo\tTag\t#IndRusNo\n",
                "Trans.tsv:1: \"#IndRusNo\" names no secondary index of tblTrans"},
        BadText{"RepeatedRank", TableId::Trans, "RusNo\tBelNo\tTag\t#IndBelNo\n1\t7\t10\t0\n2\t7\t10\t0\n",
                "Trans.tsv:3: column #IndBelNo: rank 0 where 1 was due among the records with this key"},
        BadText{"DuplicateUniqueKey", TableId::WordsB, kWords + "1\tдом\t8\t0\t0\n1\tхат\t8\t0\t0\n",
                "WordsB.tsv:3: tblWordsB: Key violation in unique index NoInd"},
        BadText{"InvalidUtf8", TableId::WordsB, kWords + "1\t\xD0\t8\t0\t0\n", "WordsB.tsv:2: column 2, field Osnova: invalid UTF-8"},
        BadText{"NotInWindows1251", TableId::WordsB, kWords + "1\t中\t8\t0\t0\n",
                "WordsB.tsv:2: column 2, field Osnova: U+4E2D has no Windows-1251 code"},
        BadText{"EmptyNumberCells", TableId::Trans, kLinks + "5\t\t\n",
                "Trans.tsv:2: column 2, field BelNo: an empty cell where a number is due"},
        BadText{"UnknownEscape", TableId::Glossary, "No\tLang\tTitle\tText\tModif\n1\t1\tхата\tа\\qб\t0\n",
                "Glossary.tsv:2: column 4, field Text: unknown escape \\q"}),
    [](const testing::TestParamInfo<BadText>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kunimor

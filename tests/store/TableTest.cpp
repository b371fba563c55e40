#include "store/Table.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ground/Error.h"
#include "store/IndexedRecords.h"
#include "dictionary/Schema.h"
#include "support/Text.h"

namespace kunimor {
namespace {

using Nos = std::vector<int32_t>;

// A Belarusian words table, set to OsnovaInd like the engine's.
class WordsTable : public ::testing::Test {
protected:
    std::unique_ptr<Table> t = CreateTable(SpecOf(TableId::WordsB));

    void Add(int32_t no, std::string_view stem, int etalon = 1, bool modif = false) {
        t->Insert();
        t->Set("No", no);
        t->Set("Osnova", W(stem));
        t->Set("EtalonNo", etalon);
        t->Set("Tag", 0);
        t->Set("Modif", modif);
        t->Post();
    }

    // Three words share the stem "рук"; none is added in dictionary order.
    // OsnovaInd order: 8 Ўвага, 4 ёж, 1 нага, 5 рук, 3 рук, 2 рук, 7 рука, 9 сава.
    void AddSampleWords() {
        Add(5, "рук", 11);
        Add(1, "нага", 12);
        Add(3, "рук", 13);
        Add(9, "сава", 11);
        Add(2, "рук", 7);
        Add(7, "рука", 11);
        Add(4, "ёж", 14);
        Add(8, "Ўвага", 15);
        t->ResetModified();
    }

    int32_t No() const { return t->Get("No").AsInt(); }
    std::string Stem() const { return U(t->Get("Osnova").AsString()); }

    // The word numbers in the current order, from the first record to the last.
    Nos Order() {
        Nos nos;
        for (t->First(); !t->Eof(); t->Next()) nos.push_back(No());
        return nos;
    }

    // Selects an index by name; nullptr selects the record order.
    void Use(const char* index) { t->SetIndexName(index ? index : t->IndexAt(0).name); }

    int IndexPosition(std::string_view name) const {
        const int i = t->FindIndex(name);
        EXPECT_GE(i, 0) << name;
        return i;
    }
};

// ---------------------------------------------------------------- find-key and find-nearest

class TableFindKey : public WordsTable {
protected:
    void SetUp() override { AddSampleWords(); }
};

TEST_F(TableFindKey, DictionaryOrderOfOsnovaInd) {
    EXPECT_EQ(t->CurrentIndex().name, "OsnovaInd");
    EXPECT_EQ(Order(), (Nos{8, 4, 1, 5, 3, 2, 7, 9}));
}

TEST_F(TableFindKey, LandsOnFirstOfEqualStemsAndNextVisitsTheRestInInsertionOrder) {
    ASSERT_TRUE(t->FindKey({W("рук")}));
    Nos shared;
    for (; !t->Eof() && t->Get("Osnova").AsString() == W("рук"); t->Next()) shared.push_back(No());
    EXPECT_EQ(shared, (Nos{5, 3, 2}));
    EXPECT_EQ(Stem(), "рука");
}

TEST_F(TableFindKey, OnNumberIndex) {
    t->SetIndexName("NoInd");
    ASSERT_TRUE(t->FindKey({7}));
    EXPECT_EQ(Stem(), "рука");
    EXPECT_FALSE(t->FindKey({6}));
}

TEST_F(TableFindKey, LeadingFieldsOnly) {
    t->SetIndexFieldNames("Osnova:L;EtalonNo");
    ASSERT_TRUE(t->FindKey({W("рук")}));
    EXPECT_EQ(No(), 2);  // the smallest paradigm number among the three
    ASSERT_TRUE(t->FindKey({W("рук"), 13}));
    EXPECT_EQ(No(), 3);
    EXPECT_FALSE(t->FindKey({W("рук"), 12}));
}

TEST_F(TableFindKey, FailureLeavesTheCursorWhereItWas) {
    ASSERT_TRUE(t->FindKey({W("нага")}));
    EXPECT_FALSE(t->FindKey({W("ру")}));
    EXPECT_FALSE(t->FindKey({W("руч")}));
    EXPECT_FALSE(t->FindKey({W("Рук")}));
    EXPECT_EQ(No(), 1);
    EXPECT_FALSE(t->Eof());
}

TEST_F(TableFindKey, FindNearestLandsOnFirstKeyNotLess) {
    struct Case {
        const char* key;
        int32_t no;
    };
    const Case cases[] = {{"рук", 5}, {"ру", 5}, {"рука", 7}, {"рукав", 9}, {"е", 4}, {"ж", 1}, {"", 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        t->FindNearest({W(c.key)});
        EXPECT_FALSE(t->Eof());
        EXPECT_EQ(No(), c.no);
    }
}

TEST_F(TableFindKey, FindNearestPastTheEndGivesEof) {
    t->FindNearest({W("ячмень")});
    EXPECT_TRUE(t->Eof());
}

// ---------------------------------------------------------------- locate and lookup

class TableLocate : public WordsTable {
protected:
    void SetUp() override {
        AddSampleWords();
        Add(6, "Мінск", 11);
    }
};

TEST_F(TableLocate, OnTheCurrentIndexField) {
    ASSERT_TRUE(t->Locate("Osnova", {W("рук")}));
    EXPECT_EQ(No(), 5);
    ASSERT_TRUE(t->Locate("osnova", {W("сава")}));
    EXPECT_EQ(No(), 9);
}

TEST_F(TableLocate, GivesTheFirstMatchInCurrentIndexOrder) {
    struct Case {
        const char* index;
        const char* fields;
        std::vector<Value> values;
        LocateOptions options;
        int32_t no;
    };
    const Case cases[] = {
        // a field of another index
        {"NoInd", "Osnova", {W("рук")}, {}, 2},
        {nullptr, "Osnova", {W("рук")}, {}, 5},
        // an unindexed field
        {"OsnovaInd", "EtalonNo", {11}, {}, 6},
        {"NoInd", "EtalonNo", {11}, {}, 5},
        {nullptr, "EtalonNo", {11}, {}, 5},
        // partial key
        {"OsnovaInd", "Osnova", {W("ру")}, {true, false}, 5},
        {"NoInd", "Osnova", {W("ру")}, {true, false}, 2},
        {"NoInd", "Osnova", {W("рука")}, {true, false}, 7},
        // case-insensitive, also with a partial key
        {"OsnovaInd", "Osnova", {W("мінск")}, {false, true}, 6},
        {"NoInd", "Osnova", {W("РУК")}, {false, true}, 2},
        {"OsnovaInd", "Osnova", {W("РУ")}, {true, true}, 5},
        {"NoInd", "Osnova", {W("ўВА")}, {true, true}, 8},
        // two fields
        {"OsnovaInd", "Osnova;EtalonNo", {W("рук"), 13}, {}, 3},
        {"NoInd", "EtalonNo;Osnova", {11, W("рука")}, {}, 7},
        {"NoInd", "EtalonNo;Osnova", {11, W("р")}, {true, false}, 5},
        {"OsnovaInd", "No;Osnova", {2, W("рук")}, {}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.index ? c.index : "record order") + " / " + c.fields + " / " +
                     U(c.values[0].AsString()));
        Use(c.index);
        t->First();
        ASSERT_TRUE(t->Locate(c.fields, c.values, c.options));
        EXPECT_EQ(No(), c.no);
    }
}

TEST_F(TableLocate, NothingFoundLeavesTheCursor) {
    struct Case {
        const char* fields;
        std::vector<Value> values;
        LocateOptions options;
    };
    const Case cases[] = {
        {"Osnova", {W("ру")}, {}},              // a prefix is no match without the partial-key option
        {"Osnova", {W("мінск")}, {}},           // case matters without the case-insensitive option
        {"Osnova", {W("рукав")}, {true, false}}, // longer than every stem
        {"Osnova;EtalonNo", {W("ру"), 11}, {true, false}},  // only the last field is a prefix
        {"Osnova;EtalonNo", {W("рук"), 14}, {}},
        {"EtalonNo", {99}, {}},
        {"No", {10}, {}},
    };
    for (const char* index : {"OsnovaInd", "NoInd"}) {
        t->SetIndexName(index);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(index) + " / " + c.fields + " / " + U(c.values[0].AsString()));
            ASSERT_TRUE(t->FindKey({index == std::string_view("NoInd") ? Value(1) : Value(W("нага"))}));
            EXPECT_FALSE(t->Locate(c.fields, c.values, c.options));
            EXPECT_EQ(No(), 1);
        }
    }
}

TEST_F(TableLocate, CaseSensitivePartialKeyOnCaseInsensitiveIndex) {
    t->AddIndex("NoCaseInd", "Osnova:C");
    Add(10, "рукаў");
    Add(11, "Рукаў");
    t->SetIndexName("NoCaseInd");
    t->First();
    ASSERT_TRUE(t->Locate("Osnova", {W("Рук")}, {true, false}));
    EXPECT_EQ(No(), 11);
    ASSERT_TRUE(t->Locate("Osnova", {W("Рукаў")}, {}));
    EXPECT_EQ(No(), 11);
}

TEST_F(TableLocate, LookupReturnsAFieldWithoutMovingTheCursor) {
    ASSERT_TRUE(t->FindKey({W("сава")}));
    EXPECT_EQ(t->Lookup("Osnova", {W("рук")}, "No"), Value(5));
    EXPECT_EQ(t->Lookup("Osnova;EtalonNo", {W("рук"), 7}, "No"), Value(2));
    EXPECT_EQ(t->Lookup("No", {7}, "Osnova"), Value(W("рука")));
    EXPECT_TRUE(t->Lookup("No", {70}, "Osnova").IsNull());
    EXPECT_EQ(No(), 9);
    t->SetIndexName("NoInd");
    EXPECT_EQ(t->Lookup("Osnova", {W("рук")}, "No"), Value(2));
    EXPECT_EQ(t->IndexLookup("OsnovaInd", {W("рук")}, "No"), Value(5));
    EXPECT_TRUE(t->IndexLookup("OsnovaInd", {W("ру")}, "No").IsNull());
    EXPECT_EQ(No(), 9);
}

TEST_F(TableLocate, UnknownFieldRaises) {
    EXPECT_THROW(t->Locate("Stem", {W("рук")}), Error);
    EXPECT_THROW(t->Lookup("Osnova", {W("рук")}, "Stem"), Error);
}

// ---------------------------------------------------------------- index selection

class TableIndexes : public WordsTable {
protected:
    void SetUp() override { AddSampleWords(); }
};

TEST_F(TableIndexes, SchemaIndexesFollowTheRecordOrder) {
    ASSERT_EQ(t->IndexCount(), 3);
    EXPECT_TRUE(t->IndexAt(0).IsRecordOrder());
    EXPECT_EQ(t->IndexAt(1).name, "NoInd");
    EXPECT_TRUE(t->IndexAt(1).options.unique);
    EXPECT_EQ(t->IndexAt(2).name, "OsnovaInd");
    t->SetIndexName("NoInd");
    EXPECT_EQ(Order(), (Nos{1, 2, 3, 4, 5, 7, 8, 9}));
    Use(nullptr);
    EXPECT_EQ(Order(), (Nos{5, 1, 3, 9, 2, 7, 4, 8}));
}

TEST_F(TableIndexes, FieldListOfAnExistingIndexReusesIt) {
    t->SetIndexName("NoInd");
    t->SetIndexFieldNames("Osnova:L");
    EXPECT_EQ(t->IndexCount(), 3);
    EXPECT_EQ(t->CurrentIndex().name, "OsnovaInd");
    t->SetIndexFieldNames("No");
    EXPECT_EQ(t->IndexCount(), 3);
    EXPECT_EQ(t->CurrentIndex().name, "NoInd");
}

TEST_F(TableIndexes, NewFieldListCreatesTheCurrentIndex) {
    t->SetIndexFieldNames("EtalonNo;No");
    ASSERT_EQ(t->IndexCount(), 4);
    EXPECT_EQ(t->CurrentIndexPosition(), 3);
    EXPECT_EQ(Order(), (Nos{2, 5, 7, 9, 1, 3, 4, 8}));
    t->SetIndexName("NoInd");
    t->SetIndexFieldNames("EtalonNo;No");
    EXPECT_EQ(t->IndexCount(), 4);
    EXPECT_EQ(t->CurrentIndexPosition(), 3);

    // Without option L the stem is a different key.
    t->SetIndexFieldNames("Osnova");
    EXPECT_EQ(t->IndexCount(), 5);
    EXPECT_EQ(t->CurrentIndexPosition(), 4);
}

TEST_F(TableIndexes, ChangingTheIndexKeepsTheCurrentRecord) {
    ASSERT_TRUE(t->FindKey({W("сава")}));
    t->SetIndexName("NoInd");
    EXPECT_EQ(No(), 9);
    t->Prior();
    EXPECT_EQ(No(), 8);
}

TEST_F(TableIndexes, MissingFieldOrIndexRaises) {
    EXPECT_THROW(t->SetIndexFieldNames("Osnova;Stem"), Error);
    EXPECT_THROW(t->SetIndexName("StemInd"), Error);
    EXPECT_THROW(t->AddIndex("StemInd", "Stem:L"), Error);
    EXPECT_EQ(t->IndexCount(), 3);
    EXPECT_EQ(t->CurrentIndex().name, "OsnovaInd");
}

TEST_F(TableIndexes, ReenabledIndexIsRebuilt) {
    const int osnova = IndexPosition("OsnovaInd");
    t->EnableIndex(osnova, false);
    EXPECT_FALSE(t->IndexAt(osnova).enabled);
    EXPECT_NE(t->CurrentIndex().name, "OsnovaInd");
    Add(20, "рук", 1);
    Add(21, "арка", 1);
    ASSERT_TRUE(t->Locate("No", {3}));
    t->Delete();
    t->Edit();
    t->Set("Osnova", W("ява"));  // the record after 3 in record order: 9 "сава"
    t->Post();
    t->EnableIndex(osnova, true);
    EXPECT_TRUE(t->IndexAt(osnova).enabled);
    t->SetIndexName("OsnovaInd");
    EXPECT_EQ(Order(), (Nos{8, 21, 4, 1, 5, 2, 20, 7, 9}));
    ASSERT_TRUE(t->FindKey({W("рук")}));
    EXPECT_EQ(No(), 5);
}

TEST_F(TableIndexes, SelectingADisabledIndexEnablesIt) {
    const int no = IndexPosition("NoInd");
    t->EnableIndex(no, false);
    Add(6, "лес");
    t->SetIndexName("NoInd");
    EXPECT_TRUE(t->IndexAt(no).enabled);
    EXPECT_EQ(Order(), (Nos{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

// ---------------------------------------------------------------- editing

class TableEdit : public WordsTable {
protected:
    void SetUp() override { AddSampleWords(); }
};

TEST_F(TableEdit, InsertedRecordIsFoundThroughEveryIndex) {
    EXPECT_FALSE(t->Modified());
    t->Append();
    EXPECT_EQ(t->EditState(), Table::State::Insert);
    t->Set("No", 6);
    t->Set("Osnova", W("лес"));
    t->Set("Modif", true);
    EXPECT_EQ(t->RecordCount(), 8);
    t->Post();
    EXPECT_EQ(t->EditState(), Table::State::Browse);
    EXPECT_EQ(t->RecordCount(), 9);
    EXPECT_TRUE(t->Modified());
    EXPECT_EQ(No(), 6);  // the cursor is on the new record
    EXPECT_EQ(Order(), (Nos{8, 4, 6, 1, 5, 3, 2, 7, 9}));
    t->SetIndexName("NoInd");
    ASSERT_TRUE(t->FindKey({6}));
    EXPECT_TRUE(t->Get("Modif").AsBool());
    t->ResetModified();
    EXPECT_FALSE(t->Modified());
}

TEST_F(TableEdit, EditingAKeyMovesTheRecordInEveryIndex) {
    ASSERT_TRUE(t->FindKey({W("нага")}));
    t->Edit();
    t->Set("Osnova", W("ява"));
    t->Set("No", 10);
    EXPECT_EQ(t->Get("No").AsInt(), 10);  // the edit buffer is read while editing
    t->Post();
    EXPECT_TRUE(t->Modified());
    EXPECT_EQ(No(), 10);
    EXPECT_EQ(Order(), (Nos{8, 4, 5, 3, 2, 7, 9, 10}));
    EXPECT_FALSE(t->FindKey({W("нага")}));
    t->SetIndexName("NoInd");
    EXPECT_EQ(Order(), (Nos{2, 3, 4, 5, 7, 8, 9, 10}));
    Use(nullptr);
    EXPECT_EQ(Order(), (Nos{5, 10, 3, 9, 2, 7, 4, 8}));
}

// Lookups by number answer from a table of where each number starts; every
// change to the records must be seen by the next lookup, whatever path it takes.
TEST_F(TableEdit, NumberLookupsSeeEveryChange) {
    TIndexedRecords numbers(*t, "NoInd");
    auto foundBy = [&](int32_t no) {
        const Record* r = numbers.At(numbers.LowerBound(no));
        const bool indexed = r && numbers.Number(*r, 0) == no;
        const bool located = t->Locate("No", {no});
        EXPECT_EQ(indexed, located) << no;
        t->SetIndexName("NoInd");
        const bool keyed = t->FindKey({no});
        EXPECT_EQ(keyed, located) << no;
        t->SetIndexName("OsnovaInd");
        return located;
    };
    EXPECT_TRUE(foundBy(9));
    EXPECT_FALSE(foundBy(6));
    EXPECT_FALSE(foundBy(500));

    t->Insert();  // inside the numbers' range, and one far beyond it
    t->Set("No", 6);
    t->Set("Osnova", W("лес"));
    t->Post();
    t->Insert();
    t->Set("No", 500);
    t->Set("Osnova", W("бор"));
    t->Post();
    EXPECT_TRUE(foundBy(6));
    EXPECT_TRUE(foundBy(500));

    ASSERT_TRUE(t->Locate("No", {9}));  // renumbered
    t->Edit();
    t->Set("No", 11);
    t->Post();
    EXPECT_FALSE(foundBy(9));
    EXPECT_TRUE(foundBy(11));

    ASSERT_TRUE(t->Locate("No", {6}));
    t->Delete();
    EXPECT_FALSE(foundBy(6));
    EXPECT_TRUE(foundBy(7));
    EXPECT_FALSE(foundBy(0));
    EXPECT_FALSE(foundBy(-1));
}

// Editing a field that is not part of the key must not reorder records with equal keys.
TEST_F(TableEdit, TranslationLinksKeepTheirOrderWhenAPriorityChanges) {
    auto links = CreateTable(SpecOf(TableId::Trans));
    for (int32_t bel : {10, 11, 12}) {
        links->Insert();
        links->Set("RusNo", 1);
        links->Set("BelNo", bel);
        links->Set("Tag", 10);
        links->Post();
    }
    ASSERT_TRUE(links->FindKey({1}));
    links->Edit();
    links->Set("Tag", 9);
    links->Post();
    Nos order;
    for (links->FindKey({1}); !links->Eof() && links->Get("RusNo").AsInt() == 1; links->Next())
        order.push_back(links->Get("BelNo").AsInt());
    EXPECT_EQ(order, (Nos{10, 11, 12}));
}

TEST_F(TableEdit, CancelDiscardsTheChanges) {
    ASSERT_TRUE(t->FindKey({W("сава")}));
    t->Edit();
    t->Set("Osnova", W("ява"));
    t->Cancel();
    EXPECT_EQ(t->EditState(), Table::State::Browse);
    EXPECT_EQ(Stem(), "сава");
    t->Insert();
    t->Set("No", 6);
    t->Set("Osnova", W("лес"));
    t->Cancel();
    EXPECT_EQ(t->RecordCount(), 8);
    EXPECT_EQ(Stem(), "сава");
    EXPECT_FALSE(t->Modified());
    EXPECT_EQ(Order(), (Nos{8, 4, 1, 5, 3, 2, 7, 9}));
}

TEST_F(TableEdit, PostAppliesTheEditToTheEditedRecord) {
    auto links = CreateTable(SpecOf(TableId::Trans));
    for (int32_t rus : {1, 2}) {
        links->Insert();
        links->Set("RusNo", rus);
        links->Set("BelNo", rus * 10);
        links->Post();
    }
    links->First();
    links->Edit();
    links->Set("Tag", 3);
    links->Next();
    links->Post();
    ASSERT_TRUE(links->FindKey({2}));
    EXPECT_EQ(links->Get("BelNo").AsInt(), 20);
    EXPECT_EQ(links->RecordCount(), 2);
    ASSERT_TRUE(links->FindKey({1}));
    EXPECT_EQ(links->Get("BelNo").AsInt(), 10);
}

TEST_F(TableEdit, DeleteMovesToTheNextRecord) {
    ASSERT_TRUE(t->FindKey({W("рук")}));
    t->Next();  // 3, the second of the three
    t->Delete();
    EXPECT_TRUE(t->Modified());
    EXPECT_EQ(No(), 2);
    EXPECT_EQ(t->RecordCount(), 7);
    EXPECT_EQ(Order(), (Nos{8, 4, 1, 5, 2, 7, 9}));
    t->SetIndexName("NoInd");
    EXPECT_FALSE(t->FindKey({3}));

    t->Last();
    t->Delete();  // nothing follows: the cursor goes to the new last record
    EXPECT_EQ(No(), 8);
    while (!t->IsEmpty()) t->Delete();
    EXPECT_TRUE(t->Eof());
    EXPECT_TRUE(t->Bof());
    EXPECT_FALSE(t->HasRecord());
    EXPECT_THROW(t->Delete(), Error);
}

TEST_F(TableEdit, UniqueKeyViolationRaisesAndChangesNothing) {
    t->Insert();
    t->Set("No", 3);
    t->Set("Osnova", W("лес"));
    EXPECT_THROW(t->Post(), Error);
    t->Cancel();
    EXPECT_EQ(t->RecordCount(), 8);

    ASSERT_TRUE(t->FindKey({W("сава")}));
    t->Edit();
    t->Set("No", 1);
    t->Set("Osnova", W("ява"));
    EXPECT_THROW(t->Post(), Error);
    t->Cancel();
    EXPECT_EQ(Order(), (Nos{8, 4, 1, 5, 3, 2, 7, 9}));
    t->SetIndexName("NoInd");
    EXPECT_EQ(Order(), (Nos{1, 2, 3, 4, 5, 7, 8, 9}));
    ASSERT_TRUE(t->FindKey({9}));
    EXPECT_EQ(Stem(), "сава");

    t->Edit();  // keeping its own unique key is no violation
    t->Set("EtalonNo", 1);
    EXPECT_NO_THROW(t->Post());
}

TEST_F(TableEdit, ValuesOutOfRangeRaise) {
    t->Insert();
    EXPECT_NO_THROW(t->Set("Osnova", std::string(30, 'a')));
    EXPECT_THROW(t->Set("Osnova", std::string(31, 'a')), Error);
    EXPECT_EQ(t->Get("Osnova").AsString(), std::string(30, 'a'));
    EXPECT_NO_THROW(t->Set("EtalonNo", 32767));
    EXPECT_NO_THROW(t->Set("EtalonNo", -32768));
    EXPECT_THROW(t->Set("EtalonNo", 32768), Error);
    EXPECT_THROW(t->Set("EtalonNo", -32769), Error);
    EXPECT_EQ(t->Get("EtalonNo").AsInt(), -32768);
    EXPECT_NO_THROW(t->Set("No", 4999999));
    EXPECT_THROW(t->Set("No", "abc"), Error);
    EXPECT_THROW(t->Set("Mystery", 1), Error);
    t->Cancel();

    auto colloc = CreateTable(SpecOf(TableId::CollocB));
    colloc->Insert();
    EXPECT_NO_THROW(colloc->Set("Delim1", ","));
    EXPECT_THROW(colloc->Set("Delim1", ", "), Error);
}

TEST_F(TableEdit, UnsetFieldsAreNullAndReadAsZero) {
    auto colloc = CreateTable(SpecOf(TableId::CollocB));
    colloc->Insert();
    colloc->Set("No", 5000000);
    colloc->Set("No1", 17);
    colloc->Set("No2", 0);
    colloc->Post();
    const int no2 = colloc->FieldIndex("No2"), no3 = colloc->FieldIndex("No3");
    EXPECT_FALSE(colloc->IsNull(colloc->FieldIndex("No1")));
    EXPECT_FALSE(colloc->IsNull(no2));
    EXPECT_TRUE(colloc->IsNull(no3));
    EXPECT_TRUE(colloc->Get("No3").IsNull());
    EXPECT_EQ(colloc->GetInt(no3), 0);
    EXPECT_FALSE(colloc->GetBool(colloc->FieldIndex("Alt3")));
    EXPECT_EQ(colloc->GetString(colloc->FieldIndex("Delim3")), "");

    colloc->Edit();
    colloc->Set("No2", Value());
    colloc->Post();
    EXPECT_TRUE(colloc->IsNull(no2));
    EXPECT_EQ(colloc->GetInt(no2), 0);
}

TEST_F(TableEdit, EditingWithoutARecordRaises) {
    auto empty = CreateTable(SpecOf(TableId::WordsR));
    EXPECT_THROW(empty->Edit(), Error);
    EXPECT_THROW(empty->Get("No"), Error);
    EXPECT_THROW(empty->Set("No", 1), Error);  // not in edit or insert mode
}

// ---------------------------------------------------------------- filters

class TableFilter : public ::testing::Test {
protected:
    // Paradigms No 1-6: kinds 1 3 3 4 3 5, the second and the fourth modified.
    std::unique_ptr<Table> t = CreateTable(SpecOf(TableId::EtalonB));

    void SetUp() override {
        const int kinds[] = {1, 3, 3, 4, 3, 5};
        for (int no = 1; no <= 6; ++no) {
            t->Insert();
            t->Set("No", no);
            t->Set("Kind", kinds[no - 1]);
            t->Set("Modif", no == 2 || no == 4);
            t->Post();
        }
    }

    int32_t No() const { return t->Get("No").AsInt(); }

    Nos Order() {
        Nos nos;
        for (t->First(); !t->Eof(); t->Next()) nos.push_back(No());
        return nos;
    }
    Nos ReverseOrder() {
        Nos nos;
        for (t->Last(); !t->Bof(); t->Prior()) nos.push_back(No());
        return nos;
    }
};

TEST_F(TableFilter, NavigationAndCountSeeOnlyAcceptedRecords) {
    t->SetFilterText("Kind = 3");
    EXPECT_EQ(t->RecordCount(), 6);  // not filtered until switched on
    t->SetFiltered(true);
    EXPECT_EQ(t->RecordCount(), 3);
    EXPECT_EQ(Order(), (Nos{2, 3, 5}));
    EXPECT_EQ(ReverseOrder(), (Nos{5, 3, 2}));
    t->First();
    EXPECT_EQ(t->MoveBy(5), 2);
    EXPECT_EQ(No(), 5);
    EXPECT_FALSE(t->FindKey({4}));
    EXPECT_TRUE(t->FindKey({3}));
    t->FindNearest({4});
    EXPECT_EQ(No(), 5);
    EXPECT_FALSE(t->Locate("Kind", {4}));
    EXPECT_TRUE(t->Locate("Modif", {true}));
    EXPECT_EQ(No(), 2);

    t->SetFilterText("(Kind = '3') AND (Modif =  True)");
    EXPECT_EQ(Order(), (Nos{2}));
}

TEST_F(TableFilter, EmptyResultAndSwitchingOffRestoresEverything) {
    t->SetFilterText("Kind = 2");
    t->SetFiltered(true);
    EXPECT_TRUE(t->IsEmpty());
    EXPECT_EQ(t->RecordCount(), 0);
    t->First();
    EXPECT_TRUE(t->Eof());
    EXPECT_FALSE(t->HasRecord());
    EXPECT_FALSE(t->FindKey({1}));
    t->SetFiltered(false);
    EXPECT_EQ(t->RecordCount(), 6);
    EXPECT_TRUE(t->HasRecord());
    EXPECT_EQ(Order(), (Nos{1, 2, 3, 4, 5, 6}));
}

TEST_F(TableFilter, NoModifiedRecordsLeavesTheTableEmpty) {
    for (t->First(); !t->Eof(); t->Next()) {
        t->Edit();
        t->Set("Modif", false);
        t->Post();
    }
    t->SetFilterText("Modif = True");
    t->SetFiltered(true);
    EXPECT_TRUE(t->IsEmpty());
    EXPECT_TRUE(Order().empty());
    t->SetFiltered(false);
    EXPECT_EQ(t->RecordCount(), 6);
    EXPECT_EQ(Order(), (Nos{1, 2, 3, 4, 5, 6}));
}

TEST_F(TableFilter, CallbackAndExpressionMustBothAccept) {
    t->SetFilterCallback([](const Table& table, const Record& r) {
        return table.FieldValue(r, table.FieldIndex("No")).AsInt() % 2 == 1;
    });
    t->SetFiltered(true);
    EXPECT_EQ(Order(), (Nos{1, 3, 5}));
    t->SetFilterText("Kind = 3");
    EXPECT_EQ(Order(), (Nos{3, 5}));
    t->SetFilterCallback(nullptr);
    EXPECT_EQ(Order(), (Nos{2, 3, 5}));
    t->SetFilterText("");
    EXPECT_EQ(t->RecordCount(), 6);
}

TEST_F(TableFilter, SwitchingOnMovesOffARejectedRecord) {
    ASSERT_TRUE(t->FindKey({4}));
    t->SetFilterText("Kind = 3");
    t->SetFiltered(true);
    EXPECT_EQ(No(), 2);
    ASSERT_TRUE(t->FindKey({5}));
    t->SetFiltered(false);
    EXPECT_EQ(No(), 5);
}

TEST_F(TableFilter, BadExpressionRaisesAndKeepsTheFilter) {
    t->SetFilterText("Kind = 3");
    t->SetFiltered(true);
    EXPECT_THROW(t->SetFilterText("Kind = "), Error);
    EXPECT_THROW(t->SetFilterText("Sort = 3"), Error);
    EXPECT_EQ(t->FilterText(), "Kind = 3");
    EXPECT_EQ(t->RecordCount(), 3);
    EXPECT_EQ(Order(), (Nos{2, 3, 5}));
}

TEST_F(TableFilter, LinkAndCollocationForms) {
    auto links = CreateTable(SpecOf(TableId::Trans));
    const int32_t pairs[][2] = {{1234, 1}, {1, 1234}, {1234, 2}, {77, 3}};
    for (const auto& p : pairs) {
        links->Insert();
        links->Set("RusNo", p[0]);
        links->Set("BelNo", p[1]);
        links->Post();
    }
    links->SetFilterText("RusNo = 1234");
    links->SetFiltered(true);
    EXPECT_EQ(links->RecordCount(), 2);
    Nos bel;
    for (links->First(); !links->Eof(); links->Next()) bel.push_back(links->Get("BelNo").AsInt());
    EXPECT_EQ(bel, (Nos{1, 2}));

    auto colloc = CreateTable(SpecOf(TableId::CollocB));
    const int32_t slots[][3] = {{5000000, 7, 8}, {5000001, 7, 9}, {5000002, 6, 7}, {5000003, 8, 6}};
    for (const auto& s : slots) {
        colloc->Insert();
        colloc->Set("No", s[0]);
        colloc->Set("No1", s[1]);
        colloc->Set("No2", s[2]);
        colloc->Post();
    }
    colloc->SetFilterText("((No1 = 7) OR (No2 = 7)) AND (No <> 5000001)");
    colloc->SetFiltered(true);
    Nos nos;
    for (colloc->First(); !colloc->Eof(); colloc->Next()) nos.push_back(colloc->Get("No").AsInt());
    EXPECT_EQ(nos, (Nos{5000000, 5000002}));
}

// ---------------------------------------------------------------- cursor

class TableCursor : public WordsTable {
protected:
    void SetUp() override { AddSampleWords(); }
};

TEST_F(TableCursor, FirstLastNextPrior) {
    t->First();
    EXPECT_TRUE(t->Bof());
    EXPECT_FALSE(t->Eof());
    EXPECT_EQ(No(), 8);
    t->Prior();
    EXPECT_TRUE(t->Bof());
    EXPECT_EQ(No(), 8);
    t->Next();
    EXPECT_FALSE(t->Bof());
    EXPECT_EQ(No(), 4);
    t->Last();
    EXPECT_TRUE(t->Eof());
    EXPECT_EQ(No(), 9);
    t->Prior();
    EXPECT_FALSE(t->Eof());
    EXPECT_EQ(No(), 7);
    t->Next();
    t->Next();
    EXPECT_TRUE(t->Eof());
    EXPECT_EQ(No(), 9);
}

TEST_F(TableCursor, MoveByStopsAtTheEnds) {
    t->First();
    EXPECT_EQ(t->MoveBy(3), 3);
    EXPECT_EQ(No(), 5);
    EXPECT_EQ(t->MoveBy(-2), -2);
    EXPECT_EQ(No(), 4);
    EXPECT_EQ(t->MoveBy(0), 0);
    EXPECT_EQ(t->MoveBy(-5), -1);
    EXPECT_TRUE(t->Bof());
    EXPECT_EQ(No(), 8);
    EXPECT_EQ(t->MoveBy(100), 7);
    EXPECT_TRUE(t->Eof());
    EXPECT_EQ(No(), 9);
}

TEST_F(TableCursor, EmptyTableIsAtBothEnds) {
    auto empty = CreateTable(SpecOf(TableId::StemB));
    EXPECT_TRUE(empty->IsEmpty());
    empty->First();
    EXPECT_TRUE(empty->Eof());
    EXPECT_TRUE(empty->Bof());
    empty->Last();
    empty->Next();
    EXPECT_TRUE(empty->Eof());
    EXPECT_FALSE(empty->HasRecord());
    EXPECT_EQ(empty->MoveBy(1), 0);
}

TEST_F(TableCursor, BookmarkReturnsToTheRecord) {
    ASSERT_TRUE(t->FindKey({W("рук")}));
    t->Next();
    const Bookmark mark = t->GetBookmark();
    t->Last();
    ASSERT_TRUE(t->GotoBookmark(mark));
    EXPECT_EQ(No(), 3);
    t->Next();
    EXPECT_EQ(No(), 2);

    t->SetIndexName("NoInd");
    t->First();
    ASSERT_TRUE(t->GotoBookmark(mark));
    EXPECT_EQ(No(), 3);
    t->Next();
    EXPECT_EQ(No(), 4);
    EXPECT_FALSE(t->GotoBookmark(Bookmark{}));
}

TEST_F(TableCursor, BookmarkOfADeletedRecordFails) {
    for (const char* index : {static_cast<const char*>(nullptr), "OsnovaInd", "NoInd"}) {
        SCOPED_TRACE(index ? index : "record order");
        Use(index);
        ASSERT_TRUE(t->Locate("Osnova", {W("сава")}));
        const Bookmark mark = t->GetBookmark();
        t->Delete();
        t->First();
        const int32_t first = No();
        EXPECT_FALSE(t->GotoBookmark(mark));
        EXPECT_EQ(No(), first);
        Add(9, "сава", 11);
    }
}

TEST_F(TableCursor, RecalcOnFetchRunsTheCalculation) {
    const int lemma = t->FieldIndex("Lemma");
    int calls = 0;
    t->onCalcFields = [&](Table& table, Record& r) {
        ++calls;
        r.strings[table.Fields()[lemma].slot] = table.FieldValue(r, table.FieldIndex("Osnova")).AsString() + "a";
        r.nulls &= ~(uint64_t{1} << lemma);
    };
    EXPECT_EQ(Order().size(), 8u);
    EXPECT_EQ(calls, 0);  // off by default

    t->recalcOnFetch = true;
    EXPECT_EQ(Order().size(), 8u);
    EXPECT_EQ(calls, 8);
    ASSERT_TRUE(t->FindKey({W("сава")}));
    EXPECT_EQ(calls, 9);
    EXPECT_EQ(U(t->Get("Lemma").AsString()), "саваa");

    t->recalcOnFetch = false;
    t->First();
    t->Next();
    EXPECT_EQ(calls, 9);
}

}  // namespace
}  // namespace kunimor

#include "store/FilterExpression.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ground/Error.h"
#include "store/Table.h"
#include "support/Text.h"

namespace kunimor {
namespace {

using Nos = std::vector<int32_t>;

FieldDef Field(const char* name, FieldType type, int size = 0) {
    FieldDef f;
    f.name = name;
    f.type = type;
    f.size = size;
    return f;
}

// Five records holding the fields the dictionary filters test.
class FilterExpressionTest : public ::testing::Test {
protected:
    Table t{"tblSample",
            {Field("No", FieldType::Integer), Field("Kind", FieldType::Smallint), Field("Modif", FieldType::Boolean),
             Field("No1", FieldType::Integer), Field("No2", FieldType::Integer), Field("RusNo", FieldType::Integer),
             Field("Name", FieldType::String, 30)}};

    void SetUp() override {
        t.Open();
        struct Row {
            int32_t no, kind;
            bool modif;
            int32_t no1, no2, rusNo;
            const char* name;
        };
        const Row rows[] = {
            {1, 3, true, 7, 0, 1234, "рука"},
            {2, 3, false, 0, 7, 55, "нага"},
            {3, 1, true, 8, 7, 1234, "Рука"},
            {5000001, 5, false, 7, 7, 0, "ёж"},
            {4, 4, false, 9, 9, -3, ""},
        };
        for (const Row& r : rows) {
            t.Insert();
            t.Set("No", r.no);
            t.Set("Kind", r.kind);
            t.Set("Modif", r.modif);
            t.Set("No1", r.no1);
            t.Set("No2", r.no2);
            t.Set("RusNo", r.rusNo);
            t.Set("Name", W(r.name));
            t.Post();
        }
    }

    // The numbers of the records the expression accepts, in record order.
    Nos Matching(const std::string& expression) {
        const FilterExpression filter(expression, t.Fields());
        Nos nos;
        for (const Record* r : t.RecordOrder())
            if (filter.Matches(*r)) nos.push_back(t.FieldValue(*r, 0).AsInt());
        return nos;
    }
};

TEST_F(FilterExpressionTest, AcceptsTheRecordsThatSatisfyIt) {
    struct Case {
        const char* expression;  // UTF-8
        Nos accepted;
    };
    const Case cases[] = {
        {"Kind = 3", {1, 2}},
        {"Modif = True", {1, 3}},
        {"Modif = False", {2, 5000001, 4}},
        {"(Kind = '3')", {1, 2}},
        {"(Kind = '3') AND (Modif =  True)", {1}},
        {"RusNo = 1234", {1, 3}},
        {"RusNo = -3", {4}},
        {"((No1 = 7) OR (No2 = 7)) AND (No <> 5000001)", {1, 2, 3}},
        {"No1 = 7 OR No2 = 7 AND Kind = 5", {1, 5000001}},  // AND binds tighter than OR
        {"(No1 = 7 OR No2 = 7) AND Kind = 5", {5000001}},
        {"NOT (Kind = 3)", {3, 5000001, 4}},
        {"Kind <> 3", {3, 5000001, 4}},
        {"Kind >= 4", {5000001, 4}},
        {"No < 3", {1, 2}},
        {"No > 4", {5000001}},
        {"No <= 2", {1, 2}},
        {"kind = 3", {1, 2}},
        {"KIND=3", {1, 2}},
        {"modif = true", {1, 3}},
        {"(kind = '3') and (MODIF =  TRUE)", {1}},
        {"Name = 'рука'", {1}},
        {"Name = ''", {4}},
        {"Kind = 2", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        EXPECT_EQ(Matching(W(c.expression)), c.accepted);
    }
}

TEST_F(FilterExpressionTest, BadExpressionRaises) {
    const char* bad[] = {
        "Kind =",    "Kind = 3)",   "(Kind = 3",   "Sort = 1",      "Kind 3",        "Kind = abc",
        "= 3",       "Kind = '3",   "Kind = 3 AND", "Kind = 'three'", "Modif = Maybe", "Kind == 3",
        "Kind = 3 Modif = True",    "No = 99999999999",
    };
    for (const char* expression : bad) {
        SCOPED_TRACE(expression);
        EXPECT_THROW(FilterExpression(expression, t.Fields()), Error);
    }
}

}  // namespace
}  // namespace kunimor

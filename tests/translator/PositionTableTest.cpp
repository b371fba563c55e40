#include "translator/PositionTable.h"

#include <gtest/gtest.h>

using namespace kunimor;

namespace {

class PositionTable : public ::testing::Test {
protected:
    void SetUp() override {
        ClearPositions();
        for (auto [line, column] : {std::pair{0, 0}, {0, 5}, {0, 12}, {2, 0}, {2, 7}, {5, 3}})
            AddPosition(line, column, std::to_string(line) + ":" + std::to_string(column));
    }

    std::string WordAt(int32_t line, int32_t column) {
        int index = -1;
        return FindPosition(line, column, index) ? Positions[static_cast<std::size_t>(index)].SourceWord : "-";
    }
};

TEST_F(PositionTable, FindsOnlyExactStarts) {
    EXPECT_EQ(WordAt(0, 0), "0:0");
    EXPECT_EQ(WordAt(0, 12), "0:12");
    EXPECT_EQ(WordAt(2, 7), "2:7");
    EXPECT_EQ(WordAt(5, 3), "5:3");
    EXPECT_EQ(WordAt(0, 6), "-");
    EXPECT_EQ(WordAt(1, 0), "-");
    EXPECT_EQ(WordAt(2, 9), "-");
    EXPECT_EQ(WordAt(6, 0), "-");
    ClearPositions();
    EXPECT_EQ(WordAt(0, 0), "-");
}

TEST_F(PositionTable, ReplacingAWordShiftsTheRestOfItsLine) {
    ShiftPositions(0, 9, 3);  // the word at 5 ends at 9 and grew by 3
    EXPECT_EQ(WordAt(0, 5), "0:5");
    EXPECT_EQ(WordAt(0, 15), "0:12");
    EXPECT_EQ(WordAt(0, 12), "-");
    EXPECT_EQ(WordAt(2, 7), "2:7");
    ShiftPositions(2, 0, -1);
    EXPECT_EQ(WordAt(2, 6), "2:7");
}

}  // namespace

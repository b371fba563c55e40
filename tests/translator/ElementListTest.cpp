#include "translator/ElementList.h"

#include "translator/SourceText.h"
#include "support/Text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace kunimor;
using ::testing::ElementsAre;

namespace {

// (Text, StartPos, EndPos, Placeholder) of one element
using Shape = std::tuple<std::string, int, int, bool>;

// Elements laid by hand over "раз два три", each with its word as Text.
class ElementListSurgery : public ::testing::Test {
protected:
    void SetUp() override {
        SourceText = W("раз два три");
        TWordEl* last = nullptr;
        for (int start : {1, 5, 9}) {
            last = AppendElement(last);
            last->StartPos = start;
            last->EndPos = start + 3;
            last->Text = U(SourceText.substr(static_cast<std::size_t>(start - 1), 3));
            els.push_back(last);
        }
    }
    void TearDown() override { FreeElements(ElementList, -1); }

    // The list walked forwards, checking the backward links on the way.
    std::vector<Shape> Shapes() const {
        std::vector<Shape> shapes;
        const TWordEl* prev = nullptr;
        for (const TWordEl* el = ElementList; el; prev = el, el = el->Next) {
            EXPECT_EQ(el->Prev, prev);
            shapes.emplace_back(el->Text, el->StartPos, el->EndPos, el->Placeholder);
        }
        return shapes;
    }

    std::vector<TWordEl*> els;  // раз, два, три
};

TEST_F(ElementListSurgery, MovingBeforeTheHeadLeavesAPlaceholderAndSwapsCapitals) {
    els[0]->CaseKind = TCasePattern::csCapital;
    MoveElement(els[2], els[0], true);
    EXPECT_THAT(Shapes(), ElementsAre(Shape{"три", 1, 1, false}, Shape{"раз", 1, 4, false},
                                      Shape{"два", 5, 8, false}, Shape{"", 9, 12, true}));
    EXPECT_EQ(ElementList, els[2]);
    EXPECT_EQ(els[2]->CaseKind, TCasePattern::csCapital);
    EXPECT_EQ(els[0]->CaseKind, TCasePattern::csLower);
}

TEST_F(ElementListSurgery, MovingAfterSwapsCapitalsWithTheFollower) {
    els[0]->CaseKind = TCasePattern::csCapital;
    MoveElement(els[0], els[2], false);
    EXPECT_THAT(Shapes(), ElementsAre(Shape{"", 1, 4, true}, Shape{"два", 5, 8, false},
                                      Shape{"три", 9, 12, false}, Shape{"раз", 12, 12, false}));
    EXPECT_TRUE(ElementList->Placeholder);
    EXPECT_EQ(els[1]->CaseKind, TCasePattern::csCapital);
    EXPECT_EQ(els[0]->CaseKind, TCasePattern::csLower);
}

TEST_F(ElementListSurgery, MovedElementsRecomputeTheirGaps) {
    SourceText = W("раз-два три");
    EXPECT_EQ(SepAfter(els[0]), '-');
    MoveElement(els[0], els[1], false);
    EXPECT_EQ(SepAfter(els[1]), ' ');  // два now touches раз
    EXPECT_EQ(SepAfter(els[0]), ' ');
    EXPECT_EQ(SepAfter(els[2]), '.');
}

TEST_F(ElementListSurgery, FreeingRelinksTheNeighboursAndMovesTheHead) {
    FreeElements(els[0], 1);
    EXPECT_EQ(ElementList, els[1]);
    EXPECT_THAT(Shapes(), ElementsAre(Shape{"два", 5, 8, false}, Shape{"три", 9, 12, false}));
    TWordEl* more = AppendElement(els[2]);
    more->Text = "x";
    FreeElements(els[2], -1);  // to the end
    EXPECT_THAT(Shapes(), ElementsAre(Shape{"два", 5, 8, false}));
}

TEST_F(ElementListSurgery, FreeingFromTheMiddle) {
    FreeElements(els[1], 1);
    EXPECT_THAT(Shapes(), ElementsAre(Shape{"раз", 1, 4, false}, Shape{"три", 9, 12, false}));
}

}  // namespace

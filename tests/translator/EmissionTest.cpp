#include "translator/Emission.h"

#include "dictionary/BelModule.h"
#include "support/Text.h"
#include "translator/ElementList.h"
#include "translator/SourceText.h"
#include "translator/TranslationStats.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

using namespace kunimor;
using ::testing::ElementsAre;

namespace {

using Stretch = std::pair<int, std::string>;
using Position = std::tuple<int32_t, int32_t, std::string>;

// Emission of element lists laid by hand, with an output pane of one line.
class Emission : public ::testing::Test {
protected:
    void SetUp() override {
        Counters = {};
        OutLine = OutColumn = 0;
        callbacks.OutputProc = [this](int style) {
            if (OutText.empty()) return;
            stretches.emplace_back(style, U(OutText));
            OutColumn += static_cast<int32_t>(OutText.size());
        };
        callbacks.PositionProc = [this](int32_t line, int32_t column, const std::string& word) {
            positions.emplace_back(line, column, U(word));
        };
    }
    void TearDown() override { FreeElements(ElementList, -1); }

    // One element per word of the UTF-8 source, with these texts.
    void Lay(const std::string& utf8, const std::vector<std::string>& texts) {
        SourceText = W(utf8);
        TWordEl* last = nullptr;
        int pos = 1;
        for (const std::string& text : texts) {
            last = AppendElement(last);
            const auto end = SourceText.find_first_of(" .", static_cast<std::size_t>(pos - 1));
            last->StartPos = pos;
            last->EndPos = static_cast<int>(end) + 1;
            last->Text = W(text);
            pos = last->EndPos + 1;
            els.push_back(last);
        }
    }

    void Emit() { EmitPiece(module, 1, static_cast<int>(SourceText.size()) + 1, callbacks); }

    TBelModule module;  // not queried: nobody asks for variants here
    TTranslateCallbacks callbacks;
    std::vector<TWordEl*> els;
    std::vector<Stretch> stretches;
    std::vector<Position> positions;
};

TEST_F(Emission, StylesCountsAndPositionsOfTranslatedWords) {
    Lay("Дом книга тд кот.", {"дом", "кніга", "г.зн", "кот"});
    els[0]->CaseKind = TCasePattern::csCapital;
    AppendWordForm(els[0]->Trans, {});
    AppendWordForm(els[1]->Trans, {.Inexact = true});
    els[2]->IsAbbr = true;
    els[3]->TokenKind = kUnknownToken;
    Emit();
    EXPECT_THAT(stretches, ElementsAre(Stretch{0, "Дом"}, Stretch{4, " "}, Stretch{3, "кніга"}, Stretch{4, " "},
                                       Stretch{0, "г.зн"}, Stretch{4, " "}, Stretch{1, "кот"}, Stretch{4, "."}));
    EXPECT_THAT(positions, ElementsAre(Position{0, 0, "Дом"}, Position{0, 4, "книга"}));
    EXPECT_EQ(Counters.Translated, 1);
    EXPECT_EQ(Counters.Inexact, 1);
    EXPECT_EQ(Counters.Unknown, 1);
}

TEST_F(Emission, WordsBroughtTogetherByAMoveGetASpace) {
    Lay("Раз два три.", {"раз", "два", "три"});
    els[0]->CaseKind = TCasePattern::csCapital;
    els[2]->StartPos -= 1;  // the gap before it goes with it
    MoveElement(els[2], els[0], true);
    Emit();
    std::string text;
    for (const Stretch& s : stretches) text += s.second;
    EXPECT_EQ(text, "Три раз два.");
    EXPECT_EQ(Counters.Unknown, 3);  // the placeholder is not counted
}

}  // namespace

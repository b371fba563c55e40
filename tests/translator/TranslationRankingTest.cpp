#include "translator/TranslationRanking.h"

#include "ground/Direction.h"
#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "support/Text.h"
#include "translator/ElementList.h"
#include "translator/SourceText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using namespace kunimor;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

// A translation as a test writes it: word number, kind, form and the
// marks that weigh in the ranking.
struct Candidate {
    int32_t wordNo;
    uint8_t kind;
    uint8_t form;
    int32_t priority = 2;
    uint8_t partCode = 0;
    bool isProper = false;
    bool isAbbrWord = false;
    uint8_t formVar = 0;
};

// Two elements over "раз, два три" (a comma after the first); the
// candidates go to the second or third.
class Ranking : public ::testing::Test {
protected:
    void SetUp() override {
        SourceLang = kRussian;
        SourceText = W("раз, два три");
        TWordEl* last = nullptr;
        for (auto [start, end] : {std::pair{1, 4}, {6, 9}, {10, 13}}) {
            last = AppendElement(last);
            last->StartPos = start;
            last->EndPos = end;
            els.push_back(last);
        }
    }
    void TearDown() override {
        FreeElements(ElementList, -1);
        SourceLang = kRussian;
    }

    void Give(TWordEl* el, const std::vector<Candidate>& candidates) {
        for (const Candidate& c : candidates) {
            TWordForm f;
            f.WordNo = c.wordNo;
            f.Kind = c.kind;
            f.Form = c.form;
            f.FormVar = c.formVar;
            f.Priority = c.priority;
            f.PartCode = c.partCode;
            f.IsProper = c.isProper;
            f.IsAbbrWord = c.isAbbrWord;
            AppendWordForm(el->Trans, f);
        }
    }

    static std::vector<int32_t> Order(const TWordEl* el) {
        std::vector<int32_t> order;
        for (const TWordForm* t = el->Trans; t; t = t->Next) order.push_back(t->WordNo);
        return order;
    }

    std::vector<TWordEl*> els;
};

struct RankCase {
    const char* what;
    std::vector<Candidate> candidates;
    std::vector<int32_t> order;  // after ranking
};

// The third element (after a space, lower case) of "раз, два три".
TEST_F(Ranking, BestTranslationMovesToTheFrontTheRestKeepTheirOrder) {
    const std::vector<RankCase> cases = {
        {"priority 0 beats everything", {{1, kNoun, 1}, {2, kImperfectiveVerb, 1, 0}}, {2, 1}},
        {"priority 1 beats 2", {{1, kNoun, 1, 2}, {2, kNoun, 1, 1}}, {2, 1}},
        {"priority 3 leaves a list of several", {{1, kNoun, 1, 3}, {2, kNoun, 2, 2}, {3, kNoun, 3, 3}}, {2}},
        {"function word before noun before adjective before verbs",
         {{1, kPerfectiveVerb, 1}, {2, kImperfectiveVerb, 1}, {3, kAdjective, 1}, {4, kNoun, 1}, {5, kUnchangeable, 1}},
         {5, 1, 2, 3, 4}},
        {"an imperfective verb before a perfective one", {{1, kPerfectiveVerb, 1}, {2, kImperfectiveVerb, 1}}, {2, 1}},
        {"an adjective of form 26 counts as a noun", {{1, kAdjective, 1}, {2, kAdjective, 26}}, {2, 1}},
        {"lower case nouns of the same case: ties keep the earlier", {{1, kNoun, 1}, {2, kNoun, 7}}, {1, 2}},
        {"the nominative before the genitive", {{1, kNoun, 2}, {2, kNoun, 1}}, {2, 1}},
        {"a lower-case word prefers a common noun", {{1, kNoun, 1, 2, 0, true}, {2, kNoun, 1}}, {2, 1}},
        {"an adverb beside case forms scores as form 2", {{1, kAdjective, 25}, {2, kAdjective, 3}},
         {1, 2}},
    };
    for (const RankCase& c : cases) {
        SCOPED_TRACE(c.what);
        FreeWordForms(els[2]->Trans);
        Give(els[2], c.candidates);
        RankTranslations(els[2]);
        EXPECT_THAT(Order(els[2]), ElementsAreArray(c.order));
    }
}

TEST_F(Ranking, ASingleTranslationIsNeverScoredOrRemoved) {
    Give(els[2], {{7, kNoun, 1, 3}});
    RankTranslations(els[2]);
    EXPECT_THAT(Order(els[2]), ElementsAre(7));
}

TEST_F(Ranking, TranslationsAllOfPriorityThreeLeaveTheWordWithout) {
    Give(els[2], {{1, kNoun, 1, 3}, {2, kNoun, 1, 3}});
    RankTranslations(els[2]);
    EXPECT_THAT(Order(els[2]), IsEmpty());
}

TEST_F(Ranking, ProperNamesWinInsideASentenceOnlyWhenCapitalised) {
    const std::vector<Candidate> both = {{1, kNoun, 1}, {2, kNoun, 1, 2, 0, true}};
    els[2]->CaseKind = TCasePattern::csCapital;
    Give(els[2], both);
    RankTranslations(els[2]);
    EXPECT_THAT(Order(els[2]), ElementsAre(2, 1));
    // the first word of a piece is capitalised anyway
    els[0]->CaseKind = TCasePattern::csCapital;
    Give(els[0], both);
    RankTranslations(els[0]);
    EXPECT_THAT(Order(els[0]), ElementsAre(1, 2));
}

TEST_F(Ranking, ARussianParticipleIsRewrittenAfterACommaOnly) {
    const std::vector<Candidate> participle = {{1, kAdjective, 1}, {2, kAdjective, 1, 2, 1}};
    Give(els[1], participle);  // after the comma
    Give(els[2], participle);  // after a space
    RankTranslations(els[1]);
    RankTranslations(els[2]);
    EXPECT_THAT(Order(els[1]), ElementsAre(2, 1));
    EXPECT_THAT(Order(els[2]), ElementsAre(1, 2));
    // from Belarusian the place does not count
    SourceLang = kBelarusian;
    FreeWordForms(els[1]->Trans);
    Give(els[1], participle);
    RankTranslations(els[1]);
    EXPECT_THAT(Order(els[1]), ElementsAre(1, 2));
}

TEST_F(Ranking, KeepTranslationKeepsTheWantedWordOrLeavesTheListAlone) {
    Give(els[2], {{1, kNoun, 1}, {2, kNoun, 2}, {1, kNoun, 3}});
    KeepTranslation(els[2], 9);  // not there: nothing to keep, nothing lost
    EXPECT_THAT(Order(els[2]), ElementsAre(1, 2, 1));
    KeepTranslation(els[2], 1);
    EXPECT_THAT(Order(els[2]), ElementsAre(1, 1));
}

}  // namespace

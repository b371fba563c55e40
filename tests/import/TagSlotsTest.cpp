#include "import/TagSlots.h"

#include "ground/Language.h"
#include "morphology/WordKind.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace kunimor;
using namespace kunimor::import;

namespace {

std::vector<std::string> TagsOf(const std::string& analysis) {
    const auto a = SplitAnalysis("x" + analysis);
    return a ? a->Tags : std::vector<std::string>{};
}

struct SlotCase {
    int lang;
    const char* tags;
    int kind;
    int form;  // 0: left out
    bool alt = false;
    bool fallback = false;
};

// Form 8 is the present gerund, 13 the past one; reflexive twins are 15 higher.
const SlotCase kCases[] = {
    {kRussian, "<n><m><nn><sg><nom>", kNoun, 1},
    {kRussian, "<n><f><nn><pl><ins>", kNoun, 11},
    {kRussian, "<n><m><nn><sg><prp>", kNoun, 6},
    {kRussian, "<n><m><nn><sg><loc>", kNoun, 6, true},  // second locative: в лесу
    {kBelarusian, "<n><f><nn><sg><loc>", kNoun, 6},
    {kBelarusian, "<n><m><aa><sg><voc>", kNoun, 0},
    {kRussian, "<adj><sint><m><an><sg><nom>", kAdjective, 1},
    {kRussian, "<adj><sint><f><an><sg><ins>", kAdjective, 18},
    {kRussian, "<adj><sint><mfn><an><pl><prp>", kAdjective, 24},
    {kRussian, "<adj><sint><m><nn><sg><acc>", kAdjective, 13},
    {kRussian, "<adj><sint><m><aa><sg><acc>", kAdjective, 13, true},
    {kRussian, "<adj><sint><mfn><aa><pl><acc>", kAdjective, 16, true},
    {kRussian, "<adj><sint><short><f><sg>", kAdjective, 2, true},
    {kRussian, "<adj><sint><cmp>", kAdjective, 25},
    {kBelarusian, "<adj><cmp>", kAdjective, 25},
    {kRussian, "<adj><sint><comp>", kAdjective, 26},
    {kRussian, "<adj><comp>", kAdjective, 0},  // analytic: broken in the data
    {kRussian, "<adj><sint><comp><m><an><sg><nom>", kAdjective, 0},
    {kRussian, "<vblex><impf><tv><inf>", kImperfectiveVerb, 1},
    {kRussian, "<vblex><impf><tv><pres><p1><sg>", kImperfectiveVerb, 2},
    {kRussian, "<vblex><impf><tv><pres><p3><pl>", kImperfectiveVerb, 7},
    {kRussian, "<vblex><impf><tv><fut><p3><pl>", kImperfectiveVerb, 7, false, true},
    {kBelarusian, "<vblex><perf><fut><p2><pl>", kPerfectiveVerb, 5},
    {kBelarusian, "<vblex><perf><pres><p2><pl>", kPerfectiveVerb, 5, false, true},
    {kBelarusian, "<vblex><impf><pprs><adv>", kImperfectiveVerb, 8},
    {kBelarusian, "<vblex><impf><pp><adv>", kImperfectiveVerb, 13},
    {kBelarusian, "<vblex><impf><past><m><sg>", kImperfectiveVerb, 9},
    {kBelarusian, "<vblex><impf><past><mfn><pl>", kImperfectiveVerb, 12},
    {kBelarusian, "<vblex><impf><imp><p2><sg>", kImperfectiveVerb, 14},
    {kBelarusian, "<vblex><impf><imp><p1><pl>", kImperfectiveVerb, 0},
    {kRussian, "<vblex><impf><tv><past><f><sg><pass>", kImperfectiveVerb, 25},
    {kRussian, "<vblex><impf><tv><pres><p2><sg><pass><fac>", kImperfectiveVerb, 19},
    {kRussian, "<vblex><impf><tv><pprs><actv><m><an><sg><nom>", kImperfectiveVerb, 0},
    {kBelarusian, "<vblex><dual><inf>", kImperfectiveVerb, 1},
    {kRussian, "<vbser><fut><p3><sg>", kImperfectiveVerb, 6},
    {kRussian, "<vbser><pres><p3><sg>", kImperfectiveVerb, 6, true, true},  // есть beside будет
    {kRussian, "<pred><m><sg>", kAdjective, 1},  // должен
    {kBelarusian, "<pred><mfn><pl>", kAdjective, 4},
    {kBelarusian, "<pred>", kUnchangeable, 1},  // трэба
    {kRussian, "<pr>", kUnchangeable, 1},
    {kBelarusian, "<adv>", kUnchangeable, 1},
};

}  // namespace

TEST(TagSlots, MapsEachTagSequenceToItsKindAndSlot) {
    for (const SlotCase& c : kCases) {
        SCOPED_TRACE(c.tags);
        const auto tags = TagsOf(c.tags);
        ASSERT_FALSE(tags.empty());
        EXPECT_EQ(KindOfTags(tags), c.kind);
        const TSlotResult r = FormSlotOfTags(c.lang, c.kind, tags);
        if (c.form == 0) {
            EXPECT_FALSE(r.Slot);
            EXPECT_NE(r.DropReason, nullptr);
            continue;
        }
        ASSERT_TRUE(r.Slot);
        EXPECT_EQ(r.Slot->Form, c.form);
        EXPECT_EQ(r.Slot->Alt, c.alt);
        EXPECT_EQ(r.Slot->Fallback, c.fallback);
    }
}

TEST(TagSlots, PronounsDeclineByTheirTags) {
    EXPECT_EQ(KindOfTags(TagsOf("<prn><dem><m><an><sg><nom>")), kAdjective);
    EXPECT_EQ(KindOfTags(TagsOf("<num><sg><gen>")), kNoun);
    EXPECT_EQ(KindOfTags(TagsOf("<prn><itg>")), kUnchangeable);
    EXPECT_EQ(KindOfTags(TagsOf("<cm>")), kUndefinedKind);
}

TEST(TagSlots, NounGenderComesFromTheGenderTag) {
    EXPECT_EQ(NounGenderOfTags(TagsOf("<n><m><nn><sg><nom>")), 1);
    EXPECT_EQ(NounGenderOfTags(TagsOf("<n><f><aa><sg><nom>")), 2);
    EXPECT_EQ(NounGenderOfTags(TagsOf("<n><nt><nn><sg><nom>")), 3);
    EXPECT_EQ(NounGenderOfTags(TagsOf("<n><mf><aa><sg><nom>")), 1);
    EXPECT_EQ(NounGenderOfTags(TagsOf("<n><mfn><nn><pl><nom>")), 4);
}

TEST(TagSlots, SplitAnalysisRejectsMultiwordsAndText) {
    EXPECT_FALSE(SplitAnalysis("сойти<vblex># с ума"));
    EXPECT_FALSE(SplitAnalysis("дом"));
    EXPECT_FALSE(SplitAnalysis("<n>"));
    const auto a = SplitAnalysis("дом<n><m>");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->Lemma, "дом");
    EXPECT_EQ(a->Tags, (std::vector<std::string>{"n", "m"}));
}

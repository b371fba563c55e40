#include "translator/PhraseFinders.h"

#include "dictionary/Schema.h"
#include "translator/ElementBuilder.h"
#include "translator/Segmentation.h"
#include "translator/TranslatorFixture.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

using namespace kunimor;

namespace {

// Russian word numbers of the test dictionary.
constexpr int32_t kI = 8, kNe = 13, kV = 3, kDom = 28, kBrat = 30, kNov = 31, kChita = 32, kKnig = 29;
const unsigned kVCases = CaseSet({4, 6});  // в governs the accusative and the prepositional

// Lists written as codes, one per word, separated as in the text:
// A adjective masculine nominative, F adjective feminine nominative,
// N noun masculine nominative, I the conjunction и, E the particle не,
// P the preposition в, V a verb, U an unknown word, D an adverb.
void GiveReadings(ElementBuilder& els) {
    for (std::size_t i = 0; i < els.size(); ++i) {
        switch (SourceText[static_cast<std::size_t>(els[i]->StartPos - 1)]) {
            case 'A': els.With(i, {Adj(kNov, 1)}); break;
            case 'F': els.With(i, {Adj(kNov, 2)}); break;
            case 'N': els.With(i, {Noun(kDom, 1, kMasculine)}); break;
            case 'I': els.With(i, {Func(kI)}); break;
            case 'E': els.With(i, {Func(kNe)}); break;
            case 'P': els.With(i, {Func(kV, kVCases)}); break;
            case 'V': els.With(i, {Verb(kChita, 6)}); break;
            case 'D': els.With(i, {Adj(kNov, 25)}); break;
            default: break;
        }
    }
}

int IndexOf(const ElementBuilder& els, const TWordEl* el) {
    for (std::size_t i = 0; i < els.size(); ++i)
        if (els[i] == el) return static_cast<int>(i);
    return -1;  // nullptr
}

using PhraseFinders = TranslatorFixture;

TEST_F(PhraseFinders, InNewHouseIsOnePhraseAfterThePreposition) {
    SourceText = W("в новом доме");
    BuildElementList(m, 1, {});
    TWordEl* v = ElementList;
    TWordEl* novom = v->Next;
    TWordEl* dome = novom->Next;
    unsigned cases = 0;
    EXPECT_TRUE(IsPrepBefore(v, true, cases));
    EXPECT_EQ(cases, kVCases);

    const TNounPhrase right = FindNounPhrase(m, novom, true, true);
    EXPECT_TRUE(right.Found);
    EXPECT_EQ(right.Bound, dome);
    EXPECT_EQ(right.Agree, AgreeBitOf(6, kMasculine));
    EXPECT_EQ(novom->Role, kAttributeRole);
    EXPECT_EQ(dome->Role, kHeadRole);

    const TNounPhrase left = FindNounPhrase(m, dome, true, false);
    EXPECT_TRUE(left.Found);
    EXPECT_EQ(left.Bound, v);  // a preposition is not transparent
}

struct PhraseCase {
    const char* codes;
    int start;
    bool rightwards;
    bool found;
    int bound;  // element index, -1 for none (the start of the piece)
};

class PhraseBounds : public TranslatorFixture, public ::testing::WithParamInterface<PhraseCase> {};

TEST_P(PhraseBounds, StopWhereTheGrammarSays) {
    const PhraseCase& c = GetParam();
    ElementBuilder els(c.codes);
    GiveReadings(els);
    const TNounPhrase phrase = FindNounPhrase(m, els[static_cast<std::size_t>(c.start)], true, c.rightwards);
    EXPECT_EQ(phrase.Found, c.found);
    if (c.found) {
        EXPECT_EQ(IndexOf(els, phrase.Bound), c.bound);
    }
}

INSTANTIATE_TEST_SUITE_P(Leftwards, PhraseBounds,
                         ::testing::Values(PhraseCase{"A A N", 2, false, true, -1},
                                           PhraseCase{"N", 0, false, true, -1},
                                           PhraseCase{"V A N", 2, false, true, 0},
                                           PhraseCase{"A, N", 1, false, true, 0},    // comma before the head
                                           PhraseCase{"A, A N", 2, false, true, -1},
                                           PhraseCase{"I A N", 2, false, true, 0},   // never opens with и
                                           PhraseCase{"A I A N", 3, false, true, -1},
                                           PhraseCase{"I N", 1, false, true, 0},
                                           PhraseCase{"F A N", 2, false, true, 0},   // genders differ
                                           PhraseCase{"A-N", 1, false, true, 0},
                                           PhraseCase{"D A N", 2, false, true, -1},  // adverb before an attribute
                                           PhraseCase{"U A N", 2, false, true, 0},
                                           PhraseCase{"A V", 1, false, false, 0},
                                           PhraseCase{"A", 0, false, false, 0}));

INSTANTIATE_TEST_SUITE_P(Rightwards, PhraseBounds,
                         ::testing::Values(PhraseCase{"V A A N V", 1, true, true, 3},
                                           PhraseCase{"A N N", 0, true, true, 1},
                                           PhraseCase{"A N", 1, true, true, 1},
                                           PhraseCase{"A A", 0, true, false, 0},
                                           PhraseCase{"V", 0, true, false, 0},
                                           PhraseCase{"I A N", 0, true, false, 0},
                                           PhraseCase{"A I A N", 0, true, true, 3},
                                           PhraseCase{"V A N", 0, true, false, 0},
                                           PhraseCase{"A, N", 0, true, false, 0}));

TEST_F(PhraseFinders, PhrasesAreAtMostTheLongestLength) {
    std::string codes;
    for (int i = 0; i < 70; ++i) codes += "A ";
    ElementBuilder els(codes + "N");
    GiveReadings(els);
    const TNounPhrase left = FindNounPhrase(m, els[70], true, false);
    EXPECT_TRUE(left.Found);
    EXPECT_EQ(IndexOf(els, left.Bound), 70 - kMaxPhraseLength);
    EXPECT_EQ(FindNounPhrase(m, els[70 - kMaxPhraseLength + 1], true, true).Bound, els[70]);
    EXPECT_FALSE(FindNounPhrase(m, els[70 - kMaxPhraseLength], true, true).Found);
    EXPECT_EQ(FindAdjGroup(m, els[0], true).Last, els[kMaxPhraseLength - 1]);
}

TEST_F(PhraseFinders, NoPhraseFromNowhere) {
    EXPECT_FALSE(FindNounPhrase(m, nullptr, true, true).Found);
    EXPECT_FALSE(FindNounPhrase(m, nullptr, true, false).Found);
}

TEST_F(PhraseFinders, StrictPhrasesDoNotTakeWordsThatCanBeFunctionWords) {
    ElementBuilder els("A N");
    els.With(0, {Adj(kNov, 1), Func(kNe)}).With(1, {Noun(kDom, 1, kMasculine)});
    EXPECT_EQ(IndexOf(els, FindNounPhrase(m, els[1], true, false).Bound), -1);
    EXPECT_EQ(IndexOf(els, FindNounPhrase(m, els[1], false, false).Bound), 0);
}

// вижу старого брата: брат is animate, so the genitive attribute also
// agrees as the accusative, and gets an accusative twin once.
TEST_F(PhraseFinders, AnimateHeadGivesItsGenitiveAttributesAccusativeTwins) {
    ElementBuilder els("вижу старого брата");
    els.With(0, {Verb(kChita, 2)})
        .With(1, {Adj(kNov, 5), Adj(kNov, 7)})
        .With(2, {Noun(kBrat, 2, kMasculine), Noun(kBrat, 4, kMasculine)});
    for (int search = 0; search < 2; ++search) {
        const TNounPhrase phrase = FindNounPhrase(m, els[1], true, true);
        ASSERT_TRUE(phrase.Found);
        EXPECT_TRUE(phrase.AccExtended);
        EXPECT_EQ(phrase.Agree, AgreeBitOf(2, kMasculine) | AgreeBitOf(4, kMasculine));
        EXPECT_EQ(Readings(els[1]), "a5 a13' a7");
    }
}

TEST_F(PhraseFinders, InanimateHeadGivesNoTwins) {
    ElementBuilder els("вижу нового дома");
    els.With(0, {Verb(kChita, 2)})
        .With(1, {Adj(kNov, 5), Adj(kNov, 7)})
        .With(2, {Noun(kDom, 2, kMasculine), Noun(kDom, 7, kMasculine), Noun(kDom, 10, kMasculine)});
    const TNounPhrase phrase = FindNounPhrase(m, els[1], true, true);
    ASSERT_TRUE(phrase.Found);
    EXPECT_FALSE(phrase.AccExtended);
    EXPECT_EQ(phrase.Agree, AgreeBitOf(2, kMasculine));
    EXPECT_EQ(Readings(els[1]), "a5 a7");
}

TEST_F(PhraseFinders, AccusativeDiffersForAnimateMasculineAndPluralNouns) {
    struct Case {
        int32_t no;
        int form;
        int gender;
        bool differs;
    };
    for (const Case& c : {Case{kBrat, 1, kMasculine, true}, Case{kBrat, 7, kMasculine, true},
                          Case{kDom, 1, kMasculine, false}, Case{kDom, 7, kMasculine, false},
                          Case{kKnig, 1, kFeminine, false}}) {
        ElementBuilder els("x");
        els.With(0, {Func(kNe), Noun(c.no, c.form, c.gender)});
        EXPECT_EQ(AccDiffers(m, els[0]), c.differs) << c.no << " form " << c.form;
    }
    ElementBuilder none("x");
    none.With(0, {Noun(kBrat, 13, kMasculine)});
    EXPECT_FALSE(AccDiffers(m, none[0]));
}

TEST_F(PhraseFinders, LinkWordsAreTheConjunctionsAndLooselyTheParticles) {
    struct Case {
        int32_t no;
        bool strict, loose;
    };
    for (const Case& c : {Case{kI, true, true}, Case{5, true, true}, Case{kNe, false, true}, Case{2, false, true},
                          Case{kV, false, false}}) {
        ElementBuilder els("x");
        els.With(0, {Func(c.no)});
        EXPECT_EQ(IsLinkWord(m, els[0], true), c.strict) << c.no;
        EXPECT_EQ(IsLinkWord(m, els[0], false), c.loose) << c.no;
    }
    ElementBuilder notFirst("x");
    notFirst.With(0, {Noun(kDom, 1, kMasculine), Func(kI)});
    EXPECT_FALSE(IsLinkWord(m, notFirst[0], false));
}

TEST_F(PhraseFinders, PrepositionsGovernOnlyDirectlyBeforeAWord) {
    struct Case {
        const char* text;
        bool prep;
    };
    for (const Case& c : {Case{"P A", true}, Case{"P", false}, Case{"P, A", false}, Case{"P-A", false}}) {
        ElementBuilder els(c.text);
        GiveReadings(els);
        unsigned cases = 0;
        EXPECT_EQ(IsPrepBefore(els[0], true, cases), c.prep) << c.text;
    }
    ElementBuilder mixed("в доме");
    mixed.With(0, {Func(kV, kVCases), Noun(27, 1, kMasculine), Func(kI)});
    unsigned cases = 0;
    EXPECT_TRUE(IsPrepBefore(mixed[0], true, cases));
    EXPECT_EQ(cases, kVCases);
    // From translations only the first one counts.
    TWordForm particle = Func(kI);
    AppendWordForm(mixed[0]->Trans, particle);
    AppendWordForm(mixed[0]->Trans, Func(kV, kVCases));
    EXPECT_FALSE(IsPrepBefore(mixed[0], false, cases));
    EXPECT_FALSE(IsPrepBefore(mixed[1], true, cases));  // a noun
    EXPECT_FALSE(IsPrepBefore(nullptr, true, cases));
}

TEST_F(PhraseFinders, RemovingKindsNeedsOneOfTheTriggers) {
    ElementBuilder els("x");
    els.With(0, {Noun(kDom, 1, kMasculine), Verb(kChita, 6), Adj(kNov, 1)});
    EXPECT_FALSE(RemoveKinds(els[0], KindBit(kUnchangeable), kVerbKinds));
    EXPECT_TRUE(RemoveKinds(els[0], kNominalKinds, kVerbKinds));
    EXPECT_EQ(Readings(els[0]), "n1 a1");
    EXPECT_EQ(els[0]->KindSum, kMixedKinds);
    EXPECT_FALSE(RemoveKinds(els[0], kNominalKinds, kVerbKinds));
}

struct AdjGroupCase {
    const char* codes;
    int start;
    bool found;
    int last;
};

class AdjGroups : public TranslatorFixture, public ::testing::WithParamInterface<AdjGroupCase> {};

TEST_P(AdjGroups, EndAtTheLastUsableAdjective) {
    const AdjGroupCase& c = GetParam();
    ElementBuilder els(c.codes);
    GiveReadings(els);
    const TAdjGroup group = FindAdjGroup(m, els[static_cast<std::size_t>(c.start)], true);
    EXPECT_EQ(group.Found, c.found);
    if (c.found) {
        EXPECT_EQ(IndexOf(els, group.Last), c.last);
    }
}

INSTANTIATE_TEST_SUITE_P(Groups, AdjGroups,
                         ::testing::Values(AdjGroupCase{"A A V", 0, true, 1},
                                           AdjGroupCase{"V A V", 1, true, 1},
                                           AdjGroupCase{"A, A V", 0, true, 0},  // after a comma: not usable
                                           AdjGroupCase{"A F V", 0, true, 0},   // genders differ
                                           AdjGroupCase{"A I A V", 0, true, 2},
                                           AdjGroupCase{"I A V", 0, false, 0},  // и cannot open it
                                           AdjGroupCase{"A", 0, false, 0},      // ends the piece
                                           AdjGroupCase{"V", 0, false, 0}));

TEST_F(PhraseFinders, IndeclinableAdjectivesDoNotEndAGroup) {
    AddRow(m.WordsTable(kRussian), {{WordsField::No, int32_t{40}},
                                    {WordsField::Osnova, W("беж")},
                                    {WordsField::EtalonNo, int32_t{m.SpecialEtalonNo(kRussian)}},
                                    {WordsField::Tag, int32_t{0}}});
    ElementBuilder els("A беж V");
    els.With(0, {Adj(kNov, 1)}).With(1, {Adj(40, 1)}).With(2, {Verb(kChita, 6)});
    EXPECT_TRUE(IsIndeclAdj(m, els[1]));
    EXPECT_FALSE(IsIndeclAdj(m, els[0]));
    const TAdjGroup group = FindAdjGroup(m, els[0], true);
    EXPECT_TRUE(group.Found);
    EXPECT_EQ(group.Last, els[0]);
}

// The walk of the rightwards search as written, without the early exit:
// every head to the end of the piece is tried, each phrase walked in full.
TNounPhrase PlainRightwards(TBelModule& m, const std::map<const TWordEl*, int>& index, TWordEl* start, bool loose) {
    TWordEl* head = nullptr;
    for (TWordEl* el = start; el; el = el->Next) {
        if (ClassifyNominal(m, el, true, loose).Role != kHeadRole) continue;
        const TNounPhrase phrase = ScanNounPhrase(m, el, loose);
        if (!phrase.Found) break;
        if (!phrase.Bound || index.at(phrase.Bound) < index.at(start)) head = el;
    }
    if (!head) return {};
    TNounPhrase phrase = ScanNounPhrase(m, head, loose, start);
    phrase.Bound = head;
    return phrase;
}

TEST_F(PhraseFinders, EarlyExitFindsWhatThePlainSearchFinds) {
    const std::vector<std::vector<TWordForm>> kinds = {
        {Adj(kNov, 1)},
        {Adj(kNov, 5), Adj(kNov, 7)},
        {Adj(kNov, 2), Adj(kNov, 22)},
        {Adj(kNov, 21), Adj(kNov, 23)},
        {Noun(kDom, 1, kMasculine), Noun(kDom, 4, kMasculine)},
        {Noun(kDom, 6, kMasculine)},
        {Noun(kBrat, 2, kMasculine), Noun(kBrat, 4, kMasculine)},
        {Noun(kKnig, 2, kFeminine), Noun(kKnig, 7, kFeminine)},
        {Noun(kDom, 1, kMasculine), Adj(kNov, 1)},
        {Noun(kBrat, 8, kMasculine), Adj(kNov, 8)},
        {Func(kI)},
        {Func(kNe)},
        {Func(kV, kVCases)},
        {Verb(kChita, 6)},
        {Adj(kNov, 25)},
        {Noun(kDom, 13, kMasculine)},
        {},
    };
    const char* gaps[] = {" ", " ", " ", " ", " ", ", ", "-", " - "};
    std::mt19937 random(20261210);
    for (int round = 0; round < 20; ++round) {
        std::string text;
        for (int i = 0; i < 300; ++i) text += std::string("x") + gaps[random() % std::size(gaps)];
        ElementBuilder els(text);
        std::map<const TWordEl*, int> index;
        for (std::size_t i = 0; i < els.size(); ++i) {
            index[els[i]] = static_cast<int>(i);
            for (const TWordForm& f : kinds[random() % kinds.size()]) AppendWordForm(els[i]->Readings, f);
        }
        for (const bool loose : {true, false}) {
            for (std::size_t i = 0; i < els.size(); ++i) {
                const TNounPhrase plain = PlainRightwards(m, index, els[i], loose);
                const TNounPhrase fast = FindNounPhrase(m, els[i], loose, true);
                ASSERT_EQ(fast.Found, plain.Found) << "round " << round << " start " << i;
                ASSERT_EQ(fast.Bound, plain.Bound) << "round " << round << " start " << i;
                ASSERT_EQ(fast.Agree, plain.Agree) << "round " << round << " start " << i;
                ASSERT_EQ(fast.AccExtended, plain.AccExtended) << "round " << round << " start " << i;
            }
        }
    }
}

}  // namespace

#include "translator/VerbGroups.h"

#include "translator/ElementBuilder.h"
#include "translator/TranslatorFixture.h"

#include <gtest/gtest.h>

using namespace kunimor;

namespace {

// Russian word numbers of the test dictionary.
constexpr int32_t kI = 8, kNe = 13, kYa = 26, kTy = 27, kDom = 28, kBrat = 30, kChita = 32;

constexpr unsigned G(int gender) { return 1u << gender; }
constexpr unsigned F(int form) { return 1u << form; }

// Lists written as codes: 1..15 a verb in that form (r15 and so on: the
// reflexive twin), I the conjunction и, E the particle не, N a noun.
void GiveReadings(ElementBuilder& els) {
    for (std::size_t i = 0; i < els.size(); ++i) {
        const std::string word = SourceText.substr(static_cast<std::size_t>(els[i]->StartPos - 1),
                                                   static_cast<std::size_t>(els[i]->EndPos - els[i]->StartPos));
        if (word == "I") els.With(i, {Func(kI)});
        else if (word == "E") els.With(i, {Func(kNe)});
        else if (word == "N") els.With(i, {Noun(kDom, 1, kMasculine)});
        else if (word[0] == 'r') els.With(i, {Verb(kChita, std::stoi(word.substr(1)) + 15)});
        else els.With(i, {Verb(kChita, std::stoi(word))});
    }
}

struct GroupCase {
    const char* codes;
    bool found;
    int bound;  // element index, -1 for none
    unsigned genders, persons;
    int verbs;
};

class VerbGroupWalk : public TranslatorFixture, public ::testing::WithParamInterface<GroupCase> {};

TEST_P(VerbGroupWalk, EndsWhereTheVerbsStopAgreeing) {
    const GroupCase& c = GetParam();
    ElementBuilder els(c.codes);
    GiveReadings(els);
    const TVerbGroup group = FindVerbGroup(m, els[els.size() - 1]);
    ASSERT_EQ(group.Found, c.found);
    if (!c.found) return;
    int bound = -1;
    for (std::size_t i = 0; i < els.size(); ++i)
        if (els[i] == group.Bound) bound = static_cast<int>(i);
    EXPECT_EQ(bound, c.bound);
    EXPECT_EQ(group.Genders, c.genders);
    EXPECT_EQ(group.Persons, c.persons);
    EXPECT_EQ(group.VerbCount, c.verbs);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, VerbGroupWalk,
    ::testing::Values(GroupCase{"N 6", true, 0, G(1) | G(2) | G(3), F(6), 1},
                      GroupCase{"6", true, -1, G(1) | G(2) | G(3), F(6), 1},  // the piece starts with it
                      GroupCase{"r10", true, -1, G(2), F(10), 1},             // reflexive counts as its base
                      GroupCase{"2 1", true, -1, G(1) | G(2), F(2), 2},       // хочу читать
                      GroupCase{"1 2", true, 0, G(1) | G(2), F(2), 1},        // no infinitive before it
                      GroupCase{"6 6", true, 0, G(1) | G(2) | G(3), F(6), 1},
                      GroupCase{"6 I 6", true, -1, G(1) | G(2) | G(3), F(6), 2},
                      GroupCase{"I 6", true, 0, G(1) | G(2) | G(3), F(6), 1},  // not opened by и
                      GroupCase{"E 6", true, -1, G(1) | G(2) | G(3), F(6), 1},
                      GroupCase{"9 I 10", true, 1, G(2), F(10), 1},
                      GroupCase{"6, 6", true, 0, G(1) | G(2) | G(3), F(6), 1},
                      GroupCase{"6 8", false, 0, 0, 0, 0},  // no person in the last form
                      GroupCase{"6 N", false, 0, 0, 0, 0}));

struct SubjectCase {
    const char* what;
    TWordForm head;
    bool feminineCopy;  // the head also has a copy in the feminine (я, ты)
    unsigned genders, persons;
    bool agrees;
    unsigned subjectGenders, narrowedPersons;
};

class SubjectAgreement : public TranslatorFixture, public ::testing::WithParamInterface<SubjectCase> {};

TEST_P(SubjectAgreement, NeedsANominativeOfTheGroupsGenderAndPerson) {
    const SubjectCase& c = GetParam();
    ElementBuilder els("x");
    els.With(0, {c.head});
    if (c.feminineCopy) els.With(0, {WithGender(c.head, kFeminine)});
    TAgreeSet subject = 0;
    for (const TWordForm* f = els[0]->Readings; f; f = f->Next) subject |= AgreeBit(*f);
    const TSubjectCheck check = CheckSubject(m, subject, els[0], c.genders, c.persons);
    EXPECT_EQ(check.Agrees, c.agrees) << c.what;
    if (c.agrees) {
        EXPECT_EQ(check.Genders, c.subjectGenders) << c.what;
        EXPECT_EQ(check.Persons, c.narrowedPersons) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Subjects, SubjectAgreement,
    ::testing::Values(
        SubjectCase{"я пришла", Noun(kYa, 1, kMasculine), true, G(2), F(10), true, G(2), F(10)},
        SubjectCase{"я пришло", Noun(kYa, 1, kMasculine), true, G(3), F(11), false, 0, 0},
        SubjectCase{"я читаю", Noun(kYa, 1, kMasculine), true, G(1) | G(2), F(2), true, G(1) | G(2), F(2)},
        SubjectCase{"я читает", Noun(kYa, 1, kMasculine), true, G(1) | G(2) | G(3), F(6), false, 0, 0},
        SubjectCase{"мы читали", Noun(kYa, 7, kMasculine), false, G(4), F(12), true, G(4), F(12)},
        SubjectCase{"ты читаешь", Noun(kTy, 1, kMasculine), true, G(1) | G(2) | G(3), F(4), true, G(1) | G(2),
                    F(4)},
        SubjectCase{"дом читает", Noun(kDom, 1, kMasculine), false, G(1) | G(2) | G(3), F(6), true, G(1), F(6)},
        SubjectCase{"дом читала", Noun(kDom, 1, kMasculine), false, G(2), F(10), false, 0, 0},
        SubjectCase{"дома читает", Noun(kDom, 7, kMasculine), false, G(1) | G(2) | G(3), F(6), false, 0, 0},
        SubjectCase{"брата читает", Noun(kBrat, 2, kMasculine), false, G(1) | G(2) | G(3), F(6), false, 0, 0},
        SubjectCase{"брат читать", Noun(kBrat, 1, kMasculine), false, 0, 0, true, G(1), 0}));

using Subjects = TranslatorFixture;

TEST_F(Subjects, AreLookedForBeforeTheVerbsThenAfterThem) {
    struct Case {
        const char* text;
        std::size_t verb;
        TSubjectMatch match;
        bool before;
        int head;
    };
    for (const Case& c : {Case{"брат читает", 1, TSubjectMatch::Agrees, true, 0},
                          Case{"читает брат", 0, TSubjectMatch::Agrees, false, 1},
                          Case{"брата читает", 1, TSubjectMatch::Disagrees, true, 0},
                          Case{"читает", 0, TSubjectMatch::None, false, -1},
                          Case{"брат, читает", 1, TSubjectMatch::None, false, -1}}) {
        ElementBuilder els(c.text);
        for (std::size_t i = 0; i < els.size(); ++i) {
            if (i == c.verb) els.With(i, {Verb(kChita, 6)});
            else if (SourceText[static_cast<std::size_t>(els[i]->EndPos - 2)] == W("а")[0])
                els.With(i, {Noun(kBrat, 2, kMasculine), Noun(kBrat, 4, kMasculine)});
            else els.With(i, {Noun(kBrat, 1, kMasculine)});
        }
        const TVerbGroup group = FindVerbGroup(m, els[c.verb]);
        ASSERT_TRUE(group.Found) << c.text;
        const TSubject subject = FindSubject(m, group, els[c.verb]);
        EXPECT_EQ(subject.Match, c.match) << c.text;
        if (c.match == TSubjectMatch::None) continue;
        EXPECT_EQ(subject.BeforeVerbs, c.before) << c.text;
        EXPECT_EQ(subject.Head, els[static_cast<std::size_t>(c.head)]) << c.text;
        EXPECT_EQ(subject.Bound, c.before ? nullptr : els[c.verb]) << c.text;
    }
}

TEST_F(Subjects, APronounReadByAHomographFirstKeepsItsPerson) {
    // вы read first as a short adjective, then as the plural of ты
    constexpr int32_t kNov = 31;
    for (const bool adjectiveFirst : {false, true}) {
        ElementBuilder els("x");
        if (adjectiveFirst) els.With(0, {Adj(kNov, 4)});
        els.With(0, {Noun(kTy, 7, kMasculine)});
        TAgreeSet subject = 0;
        for (const TWordForm* f = els[0]->Readings; f; f = f->Next) subject |= AgreeBit(*f);
        const TSubjectCheck check = CheckSubject(m, subject, els[0], G(4), F(5));
        EXPECT_TRUE(check.Agrees) << adjectiveFirst;
        EXPECT_EQ(check.Persons, F(5)) << adjectiveFirst;
    }
}

TEST_F(Subjects, VerbalClassesOfWordsBesideTheVerbs) {
    ElementBuilder els("x");
    els.With(0, {Verb(kChita, 1), Verb(kChita, 6)});
    const TVerbalClass infinitive = ClassifyVerbal(m, els[0], true);
    EXPECT_EQ(infinitive.Role, kVerbRole);
    EXPECT_EQ(infinitive.Genders | infinitive.Persons, 0u);

    ElementBuilder ambiguous("x");
    ambiguous.With(0, {Noun(kDom, 1, kMasculine), Verb(kChita, 6), Func(kNe)});
    EXPECT_EQ(ClassifyVerbal(m, ambiguous[0], true).Role, kNoRole);  // a function word is no verb
    EXPECT_EQ(ClassifyVerbal(m, ambiguous[0], false).Role, kNoRole);

    ElementBuilder adverb("x");
    adverb.With(0, {Adj(31, 25)});
    EXPECT_EQ(ClassifyVerbal(m, adverb[0], false).Role, kTransparentRole);
    EXPECT_EQ(ClassifyVerbal(m, adverb[0], true).Role, kNoRole);
}

}  // namespace

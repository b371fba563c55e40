#include "dictionary/TagCodes.h"

#include <gtest/gtest.h>

#include <ostream>

namespace kunimor {

static void PrintTo(const WordTagFields& f, std::ostream* os) {
    *os << "{firstWord " << int{f.firstWord} << ", theme " << int{f.theme} << ", a " << int{f.a} << ", b "
        << int{f.b} << ", c " << int{f.c} << '}';
}

namespace {

int16_t Tag(unsigned bits) { return static_cast<int16_t>(static_cast<uint16_t>(bits)); }

struct WordTagCase {
    const char* what;
    int kind;
    unsigned tag;
    WordTagFields fields;  // firstWord, theme, a, b, c
};

// Each tag holds only bits its kind uses, so it must survive decoding and encoding unchanged.
const WordTagCase kWordTags[] = {
    {"feminine noun starting a collocation, theme 3", kNoun, 0x0305, {1, 3, 2, 0, 0}},
    {"proper name that is an abbreviation", kNoun, 0x0018, {0, 0, 0, 1, 1}},
    {"neuter noun, theme 255", kNoun, 0xFF06, {0, 255, 3, 0, 0}},
    {"perfective verb governing case 4, reflexive case 6", kPerfectiveVerb, 0x0768, {0, 7, 4, 6, 0}},
    {"imperfective verb, only the reflexive case", kImperfectiveVerb, 0x0051, {1, 0, 0, 5, 0}},
    {"function word followed by cases 1 and 3", kUnchangeable, 0x0A14, {0, 10, 0x0A, 0, 0}},
    {"function word followed by every case", kUnchangeable, 0x00FC, {0, 0, 0x7E, 0, 0}},
    {"adjective with theme 5", kAdjective, 0x0501, {1, 5, 0, 0, 0}},
    {"theme of 128 or more makes the tag negative", kNoun, 0xC801, {1, 200, 0, 0, 0}},
    {"verb with theme 129", kImperfectiveVerb, 0x8113, {1, 129, 1, 1, 0}},
};

TEST(WordTag, DecodesAndEncodesEachKind) {
    for (const WordTagCase& c : kWordTags) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DecodeWordTag(c.kind, Tag(c.tag)), c.fields);
        EXPECT_EQ(EncodeWordTag(c.kind, c.fields), Tag(c.tag));
    }
}

TEST(WordTag, KindsWithoutOwnBitsKeepOnlyFirstWordFlagAndTheme) {
    for (int kind : {kUndefinedKind, kAdjective}) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(DecodeWordTag(kind, Tag(0x05FF)), (WordTagFields{1, 5, 0, 0, 0}));
        EXPECT_EQ(EncodeWordTag(kind, {1, 5, 3, 1, 1}), Tag(0x0501));
    }
}

TEST(WordTag, DecodingIgnoresBitsOfOtherKinds) {
    // Bits 1-7 all set: each kind reads only its own fields.
    EXPECT_EQ(DecodeWordTag(kNoun, Tag(0x00FE)), (WordTagFields{0, 0, 3, 1, 1}));
    EXPECT_EQ(DecodeWordTag(kPerfectiveVerb, Tag(0x00FE)), (WordTagFields{0, 0, 7, 7, 0}));
    EXPECT_EQ(DecodeWordTag(kUnchangeable, Tag(0x00FE)), (WordTagFields{0, 0, 0x7F, 0, 0}));
}

TEST(WordTag, EncodingMasksFieldsToTheirWidth) {
    EXPECT_EQ(EncodeWordTag(kNoun, {7, 0, 5, 1, 1}), Tag(0x001B));  // flag 1, gender 5 & 3
    EXPECT_EQ(EncodeWordTag(kPerfectiveVerb, {0, 0, 9, 15, 1}), Tag(0x0072));
    EXPECT_EQ(EncodeWordTag(kImperfectiveVerb, {0, 0, 9, 15, 1}), Tag(0x0072));
    EXPECT_EQ(EncodeWordTag(kUnchangeable, {0, 0, 0xFF, 3, 3}), Tag(0x00FE));
}

TEST(WordTag, NounGenderPrefersTheOverride) {
    EXPECT_EQ(NounGender(kRodPlural, Tag(0x0305)), kRodFeminine);
    EXPECT_EQ(NounGender(kRodPlural, Tag(0x0301)), kRodPlural);
    EXPECT_EQ(NounGender(kRodMasculine, Tag(0x0006)), kRodNeuter);
    EXPECT_EQ(NounGender(kRodUndefined, Tag(0xFF19)), kRodUndefined);  // flags and theme are no gender
}

TEST(LinkTag, DefaultIsPriorityTwoBothWaysWithoutFlags) {
    EXPECT_EQ(DefaultLinkTag(), 10);
    EXPECT_EQ(LinkPriority(DefaultLinkTag(), kRussian), 2);
    EXPECT_EQ(LinkPriority(DefaultLinkTag(), kBelarusian), 2);
    EXPECT_EQ(LinkFlags(DefaultLinkTag(), kRussian), 0);
    EXPECT_EQ(LinkFlags(DefaultLinkTag(), kBelarusian), 0);
}

TEST(LinkTag, PriorityPerDirection) {
    EXPECT_EQ(LinkPriority(Tag(0x07), kRussian), 3);
    EXPECT_EQ(LinkPriority(Tag(0x07), kBelarusian), 1);

    int16_t tag = Tag(0xFA);  // flags 0xF, priority 2 both ways
    SetLinkPriority(tag, kBelarusian, 0);
    EXPECT_EQ(tag, Tag(0xF2));
    EXPECT_EQ(LinkPriority(tag, kBelarusian), 0);
    EXPECT_EQ(LinkPriority(tag, kRussian), 2);
    SetLinkPriority(tag, kRussian, 3);
    EXPECT_EQ(tag, Tag(0xF3));
    EXPECT_EQ(LinkPriority(tag, kBelarusian), 0);
}

TEST(LinkTag, FlagsFourAndEightExchangedTowardsBelarusian) {
    struct Case {
        unsigned stored;     // bits 4-7 as stored
        int towardsRussian;
        int towardsBelarusian;
    };
    const Case cases[] = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 8}, {8, 8, 4}, {5, 5, 9}, {12, 12, 12}, {15, 15, 15}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        const int16_t tag = Tag(c.stored << 4 | 0x0A);
        EXPECT_EQ(LinkFlags(tag, kRussian), c.towardsRussian);
        EXPECT_EQ(LinkFlags(tag, kBelarusian), c.towardsBelarusian);

        int16_t set = Tag(0x7F0A);
        SetLinkFlags(set, kBelarusian, c.towardsBelarusian);
        EXPECT_EQ(set, tag);  // bits 0-3 kept, bits 8-15 cleared
        set = Tag(0x7F0A);
        SetLinkFlags(set, kRussian, c.towardsRussian);
        EXPECT_EQ(set, tag);
    }
}

TEST(LinkTag, ParticipleSlotAndNegation) {
    int16_t tag = Tag(0x7F3A);
    SetLinkCrossCode(tag, 4);
    EXPECT_EQ(tag, Tag(0x4A));  // slot 4, priority bits kept, high byte cleared
    SetLinkCrossFlag(tag, true);
    EXPECT_EQ(tag, Tag(0xCA));  // negated slot 4 = 0xC0 plus the priorities
    SetLinkCrossCode(tag, 1);
    EXPECT_EQ(tag, Tag(0x9A));  // the negation survives a new slot
    SetLinkCrossCode(tag, 0);
    EXPECT_EQ(tag, Tag(0x8A));
    SetLinkCrossFlag(tag, false);
    EXPECT_EQ(tag, Tag(0x0A));

    tag = Tag(0x7F8A);
    SetLinkCrossCode(tag, 2);
    EXPECT_EQ(tag, Tag(0xAA));
    tag = Tag(0x7F3A);
    SetLinkCrossFlag(tag, true);
    EXPECT_EQ(tag, Tag(0xBA));  // bits 0-6 kept
}

}  // namespace
}  // namespace kunimor

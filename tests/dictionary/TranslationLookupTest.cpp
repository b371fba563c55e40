#include "dictionary/BelModule.h"
#include "ground/Error.h"
#include "dictionary/LookupSettings.h"
#include "dictionary/ParticipleLink.h"
#include "dictionary/TagCodes.h"
#include "support/FixtureDictionary.h"
#include "support/FormsText.h"
#include "support/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace kunimor;

namespace {

// Entries of the test dictionary. Russian: дом, книг(а), нов(ый), чита(ть);
// Belarusian: дом, кні(га), нов(ы), чыта(ць), the collocations "дом кнігі"
// and "дом книги".
constexpr int32_t kRusDom = 28, kRusKniga = 29, kRusNovy = 31, kRusChitat = 32;
constexpr int32_t kBelDom = 30, kBelKniga = 31, kBelNovy = 33, kBelChytac = 34;
constexpr int32_t kDomKnigi = 5000001;
constexpr int32_t kRusL = 11;  // ль: no link at all

// A link Tag: priority p in both directions, bits 4-7 as given.
int16_t LinkTag(int upperBits, int p = 2) { return static_cast<int16_t>(upperBits << 4 | p << 2 | p); }

class TranslationLookup : public FixtureDictionary {
protected:
    void TearDown() override {
        UseAltForms = false;
        AdvTrans = false;
    }

    // Replaces every link by these (Russian number, Belarusian number, Tag).
    void Links(const std::vector<std::tuple<int32_t, int32_t, int16_t>>& links) {
        m.tblTrans().EmptyTable();
        for (const auto& [rus, bel, tag] : links)
            AddRow(m.tblTrans(), {{TransField::RusNo, rus}, {TransField::BelNo, bel}, {TransField::Tag, tag}});
    }

    std::vector<TWordFormArgs> Reports(int32_t no, int kind, int form, int startAlt = 0) {
        std::vector<TWordFormArgs> reports;
        const bool any =
            m.ForEachTranslation(no, kind, [&](const TWordFormArgs& a) { reports.push_back(a); }, startAlt, form);
        EXPECT_EQ(any, !reports.empty());
        return reports;
    }

    // "form/alt" of each report, in order.
    std::vector<std::string> Forms(int32_t no, int kind, int form, int startAlt = 0) {
        std::vector<std::string> forms;
        for (const TWordFormArgs& a : Reports(no, kind, form, startAlt))
            forms.push_back(std::to_string(a.Form) + "/" + std::to_string(a.Alt));
        return forms;
    }

    bool Exists(int32_t no, int kind, int form) { return m.ForEachTranslation(no, kind, nullptr, 0, form); }
};

using Strings = std::vector<std::string>;

TEST_F(TranslationLookup, CorrespondenceFlagsMapFormsBetweenHalves) {
    const struct {
        int sourceLang;
        int kind;
        int storedFlags;
        int form;
        Strings expected;
    } cases[] = {
        // Russian noun into Belarusian: flags 4 and 8 change places.
        {0, kNoun, 2, 8, {"8/0"}},
        {0, kNoun, 4, 8, {"2/0"}},
        {0, kNoun, 8, 8, {}},
        {0, kNoun, 1, 8, {}},
        {0, kNoun, 1, 2, {"2/0"}},
        {0, kNoun, 8, 2, {"8/0"}},
        {0, kNoun, 4, 2, {}},
        {0, kNoun, 15, 8, {"8/0", "2/0"}},
        {0, kNoun, 15, 6, {"6/0", "12/0"}},
        // Form 13 has no half: it goes across whatever the flags.
        {0, kNoun, 0, 13, {"13/0"}},
        // Belarusian noun into Russian: the flags as stored.
        {1, kNoun, 4, 2, {"8/0"}},
        {1, kNoun, 8, 8, {"2/0"}},
        {1, kNoun, 4, 8, {}},
        {1, kNoun, 2, 8, {"8/0"}},
        // Verbs split plain from reflexive forms.
        {0, kImperfectiveVerb, 4, 16, {"1/0"}},
        {0, kImperfectiveVerb, 1, 16, {}},
        {1, kImperfectiveVerb, 4, 6, {"21/0"}},
        {1, kImperfectiveVerb, 3, 24, {"24/0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("source " + std::to_string(c.sourceLang) + ", kind " + std::to_string(c.kind) + ", flags " +
                     std::to_string(c.storedFlags) + ", form " + std::to_string(c.form));
        const bool noun = c.kind == kNoun;
        Links({{noun ? kRusDom : kRusChitat, noun ? kBelDom : kBelChytac, LinkTag(c.storedFlags)}});
        m.SetDirection(c.sourceLang);
        const int32_t source = c.sourceLang == 1 ? (noun ? kBelDom : kBelChytac) : (noun ? kRusDom : kRusChitat);
        EXPECT_EQ(Forms(source, c.kind, c.form), c.expected);
    }
}

TEST_F(TranslationLookup, ReportsTheTargetWordAndTheLinkPriorityOfTheDirection) {
    m.SetDirection(1);
    const auto bel = Reports(kBelKniga, kNoun, 1);
    ASSERT_EQ(bel.size(), 1u);
    EXPECT_EQ(bel[0].No, kRusKniga);
    EXPECT_EQ(bel[0].Kind, kNoun);
    EXPECT_EQ(bel[0].RodChislo, kRodFeminine);
    EXPECT_EQ(bel[0].Tag, 256);  // theme 1
    EXPECT_EQ(bel[0].Priority, 2);
    EXPECT_EQ(bel[0].CrossCode, 0);
    EXPECT_FALSE(bel[0].CrossFlag);

    // или → ці: priority 2 into Belarusian is stored apart from 3 into Russian.
    Links({{9, 14, 3 << 2 | 1}});
    m.SetDirection(0);
    ASSERT_EQ(Reports(9, kUnchangeable, 1).size(), 1u);
    EXPECT_EQ(Reports(9, kUnchangeable, 1)[0].Priority, 3);
    m.SetDirection(1);
    EXPECT_EQ(Reports(14, kUnchangeable, 1)[0].Priority, 1);
}

TEST_F(TranslationLookup, MainAndAlternativeFormsThatTheParadigmHas) {
    m.SetDirection(0);
    // Belarusian кніга has кнігай|кнігаю in form 5 and one form 1;
    // новы has новай|новаю in form 18.
    EXPECT_EQ(Forms(kRusKniga, kNoun, 5), (Strings{"5/0", "5/1"}));
    EXPECT_EQ(Forms(kRusKniga, kNoun, 5, 1), (Strings{"5/1", "5/0"}));
    EXPECT_EQ(Forms(kRusKniga, kNoun, 1, 1), (Strings{"1/0"}));
    EXPECT_EQ(Forms(kRusNovy, kAdjective, 18), (Strings{"18/0", "18/1"}));

    UseAltForms = true;
    EXPECT_EQ(Forms(kRusKniga, kNoun, 5), (Strings{"5/1", "5/0"}));
    EXPECT_EQ(Forms(kRusNovy, kAdjective, 18), (Strings{"18/1", "18/0"}));
    EXPECT_EQ(Forms(kRusNovy, kAdjective, 13), (Strings{"13/0", "13/1"}));  // not a form it applies to
}

TEST_F(TranslationLookup, ExistenceCountsUsableLinksOnly) {
    const int16_t tag1 = LinkTag(3, 1), tag3 = LinkTag(3, 3);
    const struct {
        const char* name;
        std::vector<std::tuple<int32_t, int32_t, int16_t>> links;
        int form;
        bool expected;
    } cases[] = {
        {"priority 3, then 1", {{kRusDom, kBelDom, tag3}, {kRusDom, kBelKniga, tag1}}, 1, true},
        {"priority 3 only", {{kRusDom, kBelDom, tag3}}, 1, false},
        {"priority 0", {{kRusDom, kBelDom, LinkTag(3, 0)}}, 1, true},
        {"no target form", {{kRusDom, kBelDom, LinkTag(1, 1)}}, 8, false},
        // The answer comes at the first usable link, before the dead one.
        {"usable, then dead", {{kRusDom, kBelDom, tag1}, {kRusDom, 4999, tag1}}, 1, true},
        {"no link", {}, 1, false},
    };
    m.SetDirection(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Links(c.links);
        EXPECT_EQ(Exists(kRusDom, kNoun, c.form), c.expected);
    }
    // With a callback every link counts, whatever its priority.
    Links({{kRusDom, kBelDom, tag3}});
    EXPECT_EQ(Forms(kRusDom, kNoun, 1), (Strings{"1/0"}));
}

TEST_F(TranslationLookup, ParticipleLinksCarryTheirSlotAndNegation) {
    const struct {
        int16_t tag;
        int form;
        Strings expected;  // form/alt code flag
    } cases[] = {
        // Both alternatives, the verb's paradigm unasked.
        {LinkTag(1), 2, {"2/0 1 0", "2/1 1 0"}},
        {LinkTag(9), 2, {"2/0 1 1", "2/1 1 1"}},
        {LinkTag(12), 7, {"7/0 4 1", "7/1 4 1"}},
        // An adjective reading without case and gender has no participle.
        {LinkTag(1), 25, {}},
        {LinkTag(1), 26, {}},
        // Kinds that differ without a slot: the paradigm decides (чытаць has no form 13 alternative).
        {LinkTag(0), 13, {"13/0 0 0"}},
    };
    m.SetDirection(0);
    for (const auto& c : cases) {
        SCOPED_TRACE("tag " + std::to_string(c.tag) + ", form " + std::to_string(c.form));
        Links({{kRusNovy, kBelChytac, c.tag}});
        Strings got;
        for (const TWordFormArgs& a : Reports(kRusNovy, kAdjective, c.form)) {
            EXPECT_EQ(a.Kind, kImperfectiveVerb);
            got.push_back(std::to_string(a.Form) + "/" + std::to_string(a.Alt) + " " + std::to_string(a.CrossCode) +
                          " " + std::to_string(a.CrossFlag));
        }
        EXPECT_EQ(got, c.expected);
    }
    // Between entries of one kind the same bits are correspondence flags.
    Links({{kRusDom, kBelDom, LinkTag(15)}});
    for (const TWordFormArgs& a : Reports(kRusDom, kNoun, 1)) {
        EXPECT_EQ(a.CrossCode, 0);
        EXPECT_FALSE(a.CrossFlag);
    }
}

TEST_F(TranslationLookup, CollocationTargetIsReportedOnce) {
    using namespace CollocField;
    // кніга дома: its main word кніга has two forms 5.
    AddRow(m.CollocTable(1), {{No, 5900001}, {Kind, kNoun}, {MainPar, 0}, {Tag, 256}, {SlotNo(1), kBelKniga},
                              {SlotNo(2), kBelDom}, {SlotFrm(2), 2}});
    AddRow(m.CollocTable(1), {{No, 5900002}, {Kind, kNoun}, {MainPar, -1}, {SlotNo(1), kBelKniga}});
    AddRow(m.CollocTable(1), {{No, 5900003}, {Kind, kNoun}, {MainPar, 3}, {SlotNo(1), kBelKniga}});
    const struct {
        int32_t target;
        int startAlt;
        int gender;
    } cases[] = {{5900001, 0, kRodFeminine}, {5900001, 1, kRodFeminine}, {5900002, 0, 0}, {5900003, 1, 0}};
    m.SetDirection(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        Links({{kDomKnigi, c.target, LinkTag(3)}});
        const auto reports = Reports(kDomKnigi, kNoun, 5, c.startAlt);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].No, c.target);
        EXPECT_EQ(reports[0].Form, 5);
        EXPECT_EQ(reports[0].Alt, c.startAlt);
        EXPECT_EQ(reports[0].Kind, kNoun);
        EXPECT_EQ(reports[0].RodChislo, c.gender);
    }
    EXPECT_EQ(Reports(kDomKnigi, kNoun, 1).at(0).Tag, 0);
    Links({{kDomKnigi, 5900001, LinkTag(3)}});
    EXPECT_EQ(Reports(kDomKnigi, kNoun, 1).at(0).Tag, 256);
    // The collocations of the dictionary itself, the other way.
    m.SetDirection(1);
    Links({{kDomKnigi, kDomKnigi, LinkTag(3)}});
    EXPECT_EQ(Forms(kDomKnigi, kNoun, 8, 1), (Strings{"8/1"}));
}

TEST_F(TranslationLookup, DeadLinkIsReportedAndRaised) {
    Links({{kRusDom, kBelDom, LinkTag(3)}, {kRusDom, 4999, LinkTag(3)}});
    m.SetDirection(0);
    int reports = 0;
    try {
        m.ForEachTranslation(kRusDom, kNoun, [&](const TWordFormArgs&) { ++reports; }, 0, 1);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "tblWordsB: dead translation link 4999 for word #28");
    }
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(messages, Strings{"tblWordsB: dead translation link 4999 for word #28"});
}

TEST_F(TranslationLookup, ExpertModeReportsEntriesWithoutLinks) {
    m.SetDirection(0);
    EXPECT_FALSE(Exists(kRusL, kUnchangeable, 1));
    EXPECT_TRUE(messages.empty());

    AdvTrans = true;
    EXPECT_FALSE(Exists(kRusL, kUnchangeable, 1));
    Links({});
    m.SetDirection(1);
    EXPECT_TRUE(Reports(kDomKnigi, kNoun, 1).empty());
    // Links that give nothing are not reported.
    Links({{kRusDom, kBelDom, LinkTag(1)}});
    EXPECT_FALSE(Exists(kBelDom, kNoun, 8));
    EXPECT_EQ(messages, (Strings{W("Не могу найти перевод для слова (rus) №11 \"ль\""),
                                 W("Не могу найти перевод для словосочетания (bel) №5000001 \"дом кнігі\"")}));
}

TEST(ParticipleLink, SlotAndNegationFromTheLinkTag) {
    const struct {
        int tag;
        int code;
        bool flag;
        int verbForm;
    } cases[] = {
        {0x0A, 0, false, 0}, {0x1A, 1, false, 6}, {0x25, 2, false, 9}, {0x30, 3, false, 21},
        {0xC0, 4, true, 24}, {0xDF, 5, true, 0}, {0x0100, 0, true, 0}, {0x4000, 0, true, 0},
        {-0x8000, 0, false, 0},  // bit 15 alone is not the negation
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tag);
        const auto tag = static_cast<int16_t>(c.tag);
        EXPECT_EQ(CrossCode(tag), c.code);
        EXPECT_EQ(CrossFlag(tag), c.flag);
        EXPECT_EQ(ParticipleSlotForm(CrossCode(tag)), c.verbForm);
    }
}

TEST_F(TranslationLookup, DefaultFlagsFollowTheHalvesBothEntriesHave) {
    // Paradigms with main forms in one half only, or only alternatives.
    const struct {
        int16_t no;
        std::string forms;
    } paradigms[] = {
        {91, MakeForms({{1, "@"}, {2, "а"}})},   // singular only
        {92, MakeForms({{7, "ы"}, {8, "аў"}})},  // plural only
        {93, MakeForms({{1, "|@"}, {7, "ы"}})},  // singular as an alternative only
    };
    for (int lang : {0, 1})
        for (const auto& p : paradigms) {
            AddRow(m.EtalonTable(lang), {{EtalonField::No, p.no},
                                         {EtalonField::Kind, kNoun},
                                         {EtalonField::Forms, p.forms},
                                         {EtalonField::RodChislo, kRodMasculine}});
            AddRow(m.WordsTable(lang), {{WordsField::No, 900 + p.no}, {WordsField::Osnova, W("нож")},
                                        {WordsField::EtalonNo, p.no}});
        }
    using namespace CollocField;
    // новыя нажы, standing for its plural-only main word; дом without a main word.
    AddRow(m.CollocTable(1), {{CollocField::No, 5900001}, {CollocField::Kind, kNoun}, {MainPar, 1},
                              {SlotNo(1), kBelNovy}, {SlotNo(2), 992}});
    AddRow(m.CollocTable(1), {{CollocField::No, 5900002}, {CollocField::Kind, kNoun}, {MainPar, -1},
                              {SlotNo(1), kBelDom}});
    const struct {
        int32_t bel;
        int32_t rus;
        int flags;
    } cases[] = {
        {kBelDom, kRusDom, 3},       {kBelChytac, kRusChitat, 3}, {kBelDom, 991, 1},  {992, kRusDom, 2},
        {991, 992, 4},               {992, 991, 8},               {991, 991, 1},      {993, kRusDom, 2},
        {kBelNovy, kRusNovy, 0},     {kBelDom, kRusNovy, 0},      {5900001, 992, 2},  {5900001, 991, 8},
        {5900002, kRusDom, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.bel) + " - " + std::to_string(c.rus));
        EXPECT_EQ(m.DefaultLinkFlags(1, c.rus, c.bel), c.flags);
        EXPECT_EQ(m.DefaultLinkFlags(0, c.bel, c.rus), c.flags);
    }
}

}  // namespace

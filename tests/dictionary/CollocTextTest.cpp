#include "dictionary/BelModule.h"
#include "ground/Error.h"
#include "dictionary/TagCodes.h"
#include "support/FixtureDictionary.h"
#include "support/FormsText.h"
#include "support/Text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kunimor;

namespace {

// Belarusian words of the test dictionary.
constexpr int32_t kDom = 30, kKniga = 31, kNovy = 33, kChytac = 34, kU = 16;
constexpr int32_t kDomKnigi = 5000001;

struct Slot {
    int32_t no;
    int frm = 0;
    bool alt = false;
    const char* delim = "";
};

class CollocText : public FixtureDictionary {
protected:
    // A Belarusian collocation of these words.
    TCollocRec Colloc(int kind, int mainPar, std::vector<Slot> slots) {
        using namespace CollocField;
        Table& t = m.CollocTable(1);
        t.Insert();
        t.Set(No, ++lastNo_);
        t.Set(Kind, kind);
        t.Set(MainPar, mainPar);
        for (size_t i = 0; i < slots.size(); ++i) {
            const int k = static_cast<int>(i) + 1;
            t.Set(SlotNo(k), slots[i].no);
            t.Set(SlotFrm(k), slots[i].frm);
            t.Set(SlotAlt(k), slots[i].alt);
            t.Set(SlotDelim(k), slots[i].delim);
        }
        t.Post();
        m.LoadColloc(1, lastNo_);
        return m.CurColloc;
    }

    std::string Text(const TCollocRec& c, int form, int alt = 0) { return U(m.CollocText(1, c, alt, form)); }

private:
    int32_t lastNo_ = 5900000;
};

TEST_F(CollocText, WordsFollowTheRequestedForm) {
    const TCollocRec novajaKniga = Colloc(kNoun, 1, {{kNovy}, {kKniga}});
    const TCollocRec noMainWord = Colloc(kNoun, -1, {{kNovy}, {kKniga}});
    const TCollocRec mainInAnEmptySlot = Colloc(kNoun, 2, {{kNovy}, {kKniga}});
    const TCollocRec chytalaKnigu = Colloc(kImperfectiveVerb, 0, {{kChytac}, {kKniga, 4}});
    m.LoadColloc(1, kDomKnigi);
    const TCollocRec domKnigi = m.CurColloc;
    const struct {
        const char* name;
        TCollocRec colloc;
        int form;
        int alt;
        std::string expected;
    } cases[] = {
        {"nominative", novajaKniga, 1, 0, "новая кніга"},
        // Only the main word takes the alternative; the adjective agrees in its main form.
        {"instrumental", novajaKniga, 5, 0, "новай кнігай"},
        {"instrumental alternative", novajaKniga, 5, 1, "новай кнігаю"},
        {"no such alternative", novajaKniga, 1, 1, "новая кніга"},
        {"genitive plural", novajaKniga, 8, 0, "новых кніг"},
        // Without a main word there is no gender to agree with, only the number.
        {"no main word", noMainWord, 1, 0, "новы кніга"},
        {"no main word, plural", noMainWord, 7, 0, "новыя кнігі"},
        {"main word in an empty slot", mainInAnEmptySlot, 2, 0, "новага кнігі"},
        {"verb", chytalaKnigu, 10, 0, "чытала кнігу"},
        {"verb, plural", chytalaKnigu, 12, 0, "чыталі кнігу"},
        {"fixed form", domKnigi, 8, 0, "дамоў кнігі"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Text(c.colloc, c.form, c.alt), c.expected);
    }
    m.LoadColloc(0, kDomKnigi);
    EXPECT_EQ(U(m.CollocText(0, m.CurColloc, 0, 7)), "дома книги");
}

TEST_F(CollocText, DelimitersAndTheShortU) {
    const struct {
        std::vector<Slot> slots;
        std::string expected;
    } cases[] = {
        {{{kKniga}, {kU}, {kDom, 6}}, "кніга ў доме"},
        {{{kKniga, 0, false, " "}, {kU}, {kDom, 6}}, "кніга ў доме"},
        {{{kKniga, 0, false, ","}, {kU}, {kDom, 6}}, "кніга, у доме"},
        {{{kKniga, 0, false, "-"}, {kU}, {kDom, 6}}, "кніга-у доме"},
        {{{kDom}, {kU}, {kDom, 6}}, "дом у доме"},  // after a consonant
        {{{kDom, 0, false, "_"}, {kKniga, 0, false, ":"}, {kDom, 0, false, ","}}, "дом - кніга: дом,"},
        {{{kDom, 0, false, "/"}, {kKniga}}, "дом/кніга"},
        {{}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(Text(Colloc(kNoun, 0, c.slots), 1), c.expected);
    }
    // Russian keeps its у.
    AddRow(m.WordsTable(0), {{WordsField::No, 990}, {WordsField::Osnova, W("у")}, {WordsField::EtalonNo, -1}});
    TCollocRec rus;
    rus.Kind = kNoun;
    rus.Words[0] = {29, 0, 0, false, ' '};  // книга
    rus.Words[1] = {990, 0, 0, false, ' '};
    EXPECT_EQ(U(m.CollocText(0, rus, 0, 1)), "книга у");
}

TEST_F(CollocText, MissingFormGivesNoText) {
    // дзве has no form 1; нова (form 26) has no alternative, form 25 has
    // нова|новаму, and there is no form 27.
    EXPECT_EQ(Text(Colloc(kAdjective, 0, {{24}}), 1), "");
    EXPECT_EQ(Text(Colloc(kNoun, 0, {{kDom}, {kNovy, 25, true}}), 1), "дом новаму");
    EXPECT_EQ(Text(Colloc(kNoun, 0, {{kDom}, {kNovy, 26, true}}), 1), "дом нова");
    EXPECT_EQ(Text(Colloc(kNoun, 0, {{kDom}, {kNovy, 27}}), 1), "");
}

TEST_F(CollocText, AnyFormFindsTheFirstThatExists) {
    const TCollocRec dzve = Colloc(kAdjective, 0, {{24}});
    const struct {
        const char* name;
        TCollocRec colloc;
        int maxForm, alt, form;
        std::string expected;
        int altAfter, formAfter;
    } cases[] = {
        {"next form", dzve, 0, 0, 1, "дзве", 0, 4},
        {"from an alternative", dzve, 30, 1, 4, "дзве", 1, 4},
        {"past the last form", dzve, 1, 0, 1, "", 0, 2},
        {"found at once", dzve, 0, 0, 4, "дзве", 0, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int alt = c.alt, form = c.form;
        EXPECT_EQ(U(m.CollocTextAny(1, c.colloc, c.maxForm, alt, form)), c.expected);
        EXPECT_EQ(alt, c.altAfter);
        EXPECT_EQ(form, c.formAfter);
    }
}

TEST_F(CollocText, BrokenParadigmRaisesTheSynthesisError) {
    AddRow(m.EtalonTable(1), {{EtalonField::No, 90}, {EtalonField::Kind, kNoun}, {EtalonField::Forms, "6a"}});
    AddRow(m.WordsTable(1), {{WordsField::No, 990}, {WordsField::Osnova, W("хат")}, {WordsField::EtalonNo, 90}});
    try {
        m.CollocText(1, Colloc(kNoun, 0, {{kDom}, {990}}), 0, 1);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_THAT(U(e.what()), ::testing::StartsWith("Error creating form for word \"хат\":\r\n"));
    }
}

// The participle of a verb as a relative clause.
TEST_F(CollocText, RelativeClauseOfAParticiple) {
    m.LoadWord(1, kChytac);
    const TWordsRec chytac = m.CurWord;
    const TEtalonRec verb = m.CurEtalon;
    TWordsRec utrymac = chytac;
    utrymac.Osnova = W("утрыма");
    TEtalonRec noPresent = verb;
    noPresent.Forms = MakeForms({{9, "ў"}});
    const struct {
        TWordsRec word;
        TEtalonRec etalon;
        bool useShto;
        int form;
        bool negate;
        int code;
        std::string expected;
    } cases[] = {
        {chytac, verb, false, 1, false, 1, "які чытае"},
        {chytac, verb, false, 2, false, 1, "якая чытае"},
        {chytac, verb, false, 8, false, 1, "якія чытаюць"},  // genitive plural: plural
        {chytac, verb, false, 2, false, 2, "якая чытала"},
        {chytac, verb, false, 3, false, 3, "якое чытаецца"},
        {chytac, verb, false, 4, false, 4, "якія чыталіся"},
        {chytac, verb, false, 25, false, 2, "які чытаў"},  // no gender: masculine
        {chytac, verb, false, 1, true, 2, "які не чытаў"},
        {chytac, verb, true, 2, false, 1, "што чытае"},
        {chytac, verb, true, 2, true, 1, "што не чытае"},
        {utrymac, verb, true, 1, false, 1, "што ўтрымае"},
        {utrymac, verb, false, 1, true, 1, "які не ўтрымае"},
        {chytac, noPresent, false, 1, false, 1, ""},
        {chytac, noPresent, false, 1, false, 2, "які чытаў"},
        {chytac, verb, false, 1, false, 5, ""},
        // No participle: the verb's own form.
        {chytac, verb, false, 10, true, 0, "чытала"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(U(m.RelativeClauseText(1, c.word, c.useShto, c.form, c.negate, c.code, c.etalon)), c.expected);
    }
    // The word's own buffers may be passed in.
    m.LoadWord(1, kChytac);
    EXPECT_EQ(U(m.RelativeClauseText(1, m.CurWord, false, 2, false, 1, m.CurEtalon)), "якая чытае");
}

}  // namespace

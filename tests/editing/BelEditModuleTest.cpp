#include "editing/EditedDictionary.h"

#include "dictionary/AdvStemSeeker.h"
#include "dictionary/TagCodes.h"
#include "ground/Cp1251Literal.h"
#include "ground/Direction.h"
#include "ground/Error.h"
#include "support/FixtureDictionary.h"
#include "support/Text.h"

#include <gmock/gmock.h>

using namespace kunimor;
using ::testing::HasSubstr;

namespace {


class EditModule : public EditedDictionary {
protected:
    bool HasWord(int lang, int32_t no) { return m.WordsTable(lang).Locate("No", {Value(no)}); }
    int WordTag(int lang, int32_t no) {
        m.LoadWord(lang, no);
        return m.CurWord.Tag;
    }
    int16_t WordParadigm(int lang, int32_t no) {
        m.LoadWord(lang, no);
        return m.CurWord.EtalonNo;
    }
    bool HasLink(int32_t rus, int32_t bel) { return m.tblTrans().Locate("RusNo;BelNo", {Value(rus), Value(bel)}); }
    int LinkTag(int32_t rus, int32_t bel) {
        return HasLink(rus, bel) ? m.tblTrans().GetInt(TransField::Tag) : -1;
    }
    int CountLinks(int32_t rus, int32_t bel) {
        int n = 0;
        Table& t = m.tblTrans();
        for (t.First(); !t.Eof() && t.HasRecord(); t.Next())
            if (t.GetInt(TransField::RusNo) == rus && t.GetInt(TransField::BelNo) == bel) ++n;
        return n;
    }
    std::string ErrorOf(const std::function<void()>& operation) {
        try {
            operation();
        } catch (const Error& e) {
            return e.what();
        }
        return "no error";
    }
};

// Russian дом is word 28 (paradigm 10, inanimate, first member of a collocation), брат paradigm 12.
constexpr int16_t kDomParadigm = 10;
constexpr int16_t kBratParadigm = 12;

TEST_F(EditModule, AStemOfThirtyOneLettersIsRefusedAndNothingChanges) {
    const int before = m.WordsTable(0).RecordCount();
    const std::string stem(31, "д"_cp1251[0]);
    EXPECT_THAT(ErrorOf([&] { m.AddWord(0, stem, -1, 0, kDomParadigm); }),
                HasSubstr(std::string("допустимую длину основы 30 символов"_cp1251)));
    EXPECT_EQ(m.WordsTable(0).RecordCount(), before);
    EXPECT_FALSE(m.WordsTable(0).Modified());
}

TEST_F(EditModule, ANewWordGetsTheNextNumberItsStemsAndLemmaAndIsMarkedModified) {
    // Belarusian дом's paradigm changes the stem (дам-): the stem table learns it.
    const int32_t no = m.AddWord(1, std::string("стол"_cp1251), -1, 0, 8);
    EXPECT_EQ(no, 41);
    Table& words = m.WordsTable(1);
    ASSERT_TRUE(words.Locate("No", {Value(no)}));
    EXPECT_TRUE(words.GetBool(WordsField::Modif));
    EXPECT_EQ(words.GetString(WordsField::Lemma), std::string("стол"_cp1251));
    EXPECT_TRUE(m.StemTable(1).Locate("Stem;WordNo", {Value(std::string("стал"_cp1251)), Value(no)}));
    EXPECT_EQ(SourceLang, 0) << "the direction is restored";
}

TEST_F(EditModule, TheSameInanimateNounWithTheSameParadigmReplacesTheOldOneWithoutAsking) {
    const int32_t no = m.AddWord(0, std::string("дом"_cp1251), -1, 0x18, kDomParadigm);
    EXPECT_EQ(no, 28);
    EXPECT_TRUE(prompter.replacements.empty());
    EXPECT_EQ(WordTag(0, 28), 0x19) << "the old first-word flag joins the new Tag";
    EXPECT_EQ(m.WordsTable(0).RecordCount(), 39);
    EXPECT_TRUE(HasLink(28, 30));
    EXPECT_TRUE(HasLink(28, 37));
}

struct ReplacementCase {
    const char* name;
    TReplaceAnswer answer;
    int32_t expectedNo;
    int16_t expectedOldParadigm;  // of word 28 afterwards
    int expectedWords;
};

class Replacement : public EditModule, public ::testing::WithParamInterface<ReplacementCase> {};

TEST_P(Replacement, AnotherParadigmAsksAndFollowsTheAnswer) {
    const ReplacementCase& c = GetParam();
    prompter.replaceAnswer = c.answer;
    const int32_t no = m.AddWord(0, std::string("дом"_cp1251), -1, 0, kBratParadigm);
    ASSERT_EQ(prompter.replacements.size(), 1u);
    EXPECT_EQ(prompter.replacements[0].OldStem, std::string("дом"_cp1251));
    EXPECT_EQ(no, c.expectedNo);
    EXPECT_EQ(WordParadigm(0, 28), c.expectedOldParadigm);
    EXPECT_EQ(m.WordsTable(0).RecordCount(), c.expectedWords);
    EXPECT_TRUE(HasLink(28, 30)) << "links of word 28 stay";
}

INSTANTIATE_TEST_SUITE_P(Answers, Replacement,
                         ::testing::Values(ReplacementCase{"KeepOld", kKeepOld, 28, kDomParadigm, 39},
                                           ReplacementCase{"Replace", kReplaceOld, 28, kBratParadigm, 39},
                                           ReplacementCase{"KeepBoth", kKeepBoth, 40, kDomParadigm, 40}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditModule, AWordOfAnotherKindIsNoCandidate) {
    EXPECT_GT(m.AddWord(0, std::string("дом"_cp1251), -1, 0, -1), 34);
    EXPECT_TRUE(prompter.replacements.empty());
    EXPECT_TRUE(HasWord(0, 28));
}

TEST_F(EditModule, NumbersOutsideTheirSpaceFailInsteadOfWrapping) {
    EXPECT_THAT(ErrorOf([&] { m.FindOrAddParadigm(0, "x", 40000, 1, "@;a", kNoun); }), HasSubstr("40000"));
    EXPECT_THAT(ErrorOf([&] { m.AddWord(0, std::string("стол"_cp1251), kFirstCollocNo, 0, kDomParadigm); }),
                HasSubstr("5000000"));
    m.FindOrAddParadigm(0, std::string("ы"_cp1251), 32767, 1, std::string("@;а"_cp1251), kNoun);
    EXPECT_THAT(ErrorOf([&] { m.FindOrAddParadigm(0, "y", -1, 1, std::string("@;ы"_cp1251), kNoun); }),
                HasSubstr(std::string("нет больше свободных номеров"_cp1251)));
    m.AddWord(0, std::string("стол"_cp1251), kFirstCollocNo - 1, 0, kDomParadigm);
    EXPECT_THAT(ErrorOf([&] { m.AddWord(0, std::string("пол"_cp1251), -1, 0, -1); }),
                HasSubstr(std::string("нет больше свободных номеров"_cp1251)));
}

TEST_F(EditModule, FindOrAddParadigmNormalisesAndReusesAnEqualParadigm) {
    EXPECT_EQ(m.FindOrAddParadigm(0, "x", -1, 1, std::string("@;а;у;@;ом;е;а;ов;ам;а;ами;ах;о|;;"_cp1251), kNoun),
              kDomParadigm);
    EXPECT_FALSE(m.EtalonTable(0).Modified());
    const int16_t added = m.FindOrAddParadigm(0, "x", -1, 2, std::string("а;ы|;"_cp1251), kNoun);
    EXPECT_EQ(added, 17);
    m.LoadEtalon(0, added);
    EXPECT_EQ(m.CurEtalon.Forms, std::string("а;ы"_cp1251));
    EXPECT_TRUE(m.CurEtalon.Modif);
}

TEST_F(EditModule, AnEqualNounParadigmOfAnotherGenderAsksWhetherToChangeIt) {
    const std::string forms(std::string("@;а;у;@;ом;е;а;ов;ам;а;ами;ах;о"_cp1251));
    prompter.yesNo = {false};
    m.FindOrAddParadigm(0, "x", -1, kRodFeminine, forms, kNoun);
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_THAT(prompter.questions[0], HasSubstr(std::string("Женский"_cp1251)));
    EXPECT_EQ(prompter.informed.size(), 1u);
    m.LoadEtalon(0, kDomParadigm);
    EXPECT_EQ(m.CurEtalon.RodChislo, kRodMasculine);
    prompter.yesNo = {true};
    m.FindOrAddParadigm(0, "x", -1, kRodFeminine, forms, kNoun);
    m.LoadEtalon(0, kDomParadigm);
    EXPECT_EQ(m.CurEtalon.RodChislo, kRodFeminine);
}

TEST_F(EditModule, ASecondTranslationDemotesTheSoleOneToPreferred) {
    // Russian новый (31) has one translation, нов (33).
    const int32_t bel = m.AddWord(1, std::string("чырвон"_cp1251), -1, 0, 11);
    m.SetDirection(0);
    m.SetLink(31, bel, DefaultLinkTag());
    EXPECT_EQ(LinkPriority(static_cast<int16_t>(LinkTag(31, 33)), 1), 1);
    EXPECT_EQ(LinkPriority(static_cast<int16_t>(LinkTag(31, bel)), 1), 2);
    // дом (28) has two translations: neither is demoted.
    m.SetLink(28, bel, DefaultLinkTag());
    EXPECT_EQ(LinkTag(28, 30), 58);
    EXPECT_EQ(LinkTag(28, 37), 58);
}

TEST_F(EditModule, SetLinkOnAnExistingPairKeepsTheSourcePriority) {
    m.SetDirection(0);
    int16_t tag = 58;
    SetLinkPriority(tag, 0, 3);
    SetLinkPriority(tag, 1, 0);
    m.SetLink(28, 30, tag);
    EXPECT_EQ(LinkPriority(static_cast<int16_t>(LinkTag(28, 30)), 0), 2);
    EXPECT_EQ(LinkPriority(static_cast<int16_t>(LinkTag(28, 30)), 1), 0);
    m.DeleteLink(28, 30);
    EXPECT_FALSE(HasLink(28, 30));
}

TEST_F(EditModule, RenumberingMergesDuplicateLinks) {
    AddRow(m.tblTrans(), {{TransField::RusNo, Value(1)}, {TransField::BelNo, Value(17)}, {TransField::Tag, Value(10)}});
    AddRow(m.tblTrans(), {{TransField::RusNo, Value(1)}, {TransField::BelNo, Value(23)}, {TransField::Tag, Value(10)}});
    m.RenumberEntry(1, 17, 23);
    EXPECT_EQ(CountLinks(1, 17), 0);
    EXPECT_EQ(CountLinks(1, 23), 1);
    EXPECT_EQ(CountLinks(15, 23), 1) << "the other link of 17 moved";
    EXPECT_THAT(ErrorOf([&] { m.RenumberEntry(1, 17, kFirstCollocNo); }), HasSubstr("number space"));
}

TEST_F(EditModule, AnIdenticalCollocationReplacesTheOldOneAndKeepsItsNumber) {
    m.LoadColloc(0, 5000001);
    TCollocRec rec = m.CurColloc;
    EXPECT_EQ(m.SaveCollocation(0, 0, rec), 5000001);
    EXPECT_EQ(m.CollocTable(0).RecordCount(), 1);
    EXPECT_TRUE(HasLink(5000001, 5000001));
    rec.Words[1].Frm = 3;
    EXPECT_EQ(m.SaveCollocation(0, 0, rec), 5000002);
    // Editing the new one into a copy of the old absorbs the old and its links.
    rec.Words[1].Frm = 2;
    EXPECT_EQ(m.SaveCollocation(0, 5000002, rec), 5000002);
    EXPECT_EQ(m.CollocTable(0).RecordCount(), 1);
    EXPECT_TRUE(HasLink(5000002, 5000001));
    EXPECT_EQ(WordTag(0, 28) & 1, 1);
    rec.Words[2].No = 999;
    EXPECT_THAT(ErrorOf([&] { m.SaveCollocation(0, 0, rec); }), HasSubstr("Dead link No 999"));
}

TEST_F(EditModule, DeletingAMemberDeletesItsCollocationLinksAndFirstWordFlag) {
    // Belarusian кніга (31) is member 2 of collocation 5000001, whose first word is дом (30).
    EXPECT_EQ(WordTag(1, 30) & 1, 1);
    m.DeleteWord(1, 31, true);
    EXPECT_FALSE(HasWord(1, 31));
    EXPECT_EQ(m.CollocTable(1).RecordCount(), 0);
    EXPECT_FALSE(HasLink(5000001, 5000001));
    EXPECT_FALSE(HasLink(29, 31));
    EXPECT_THAT(messages, ::testing::Contains("Deleted colloc (bel) #5000001 due to deleting #31."));
    EXPECT_EQ(WordTag(1, 30) & 1, 0);
    EXPECT_FALSE(m.StemTable(1).Locate("WordNo", {Value(31)}));
}

TEST_F(EditModule, AFailedSaveWordLeavesTheWordItsLinksAndStems) {
    const std::string tooLong(31, "д"_cp1251[0]);
    EXPECT_THAT(ErrorOf([&] { m.SaveWord(1, 30, 0, 8, tooLong); }), HasSubstr("30"));
    EXPECT_TRUE(HasWord(1, 30));
    EXPECT_TRUE(HasLink(28, 30));
    EXPECT_TRUE(m.StemTable(1).Locate("WordNo", {Value(30)}));
    EXPECT_EQ(m.SaveWord(1, 30, 0x100, 8, std::string("дом"_cp1251)), 30);
    EXPECT_EQ(WordTag(1, 30), 0x101) << "the stored Tag joins the new one";
    EXPECT_TRUE(HasLink(28, 30));
}

TEST_F(EditModule, SetEntryTagCopiesProperNameAndThemeToNounTranslationsOnly) {
    // Belarusian дом (30) translates Russian дом (28), a noun.
    m.SetEntryTag(1, kNoun, true, 0x0508, 30);
    EXPECT_EQ(WordTag(1, 30), 0x0508);
    EXPECT_EQ(WordTag(0, 28), 0x0509) << "proper name and theme copied, first-word flag kept";
    EXPECT_THAT(ErrorOf([&] { m.SetEntryTag(1, kNoun, false, 0, 99); }), HasSubstr("tblWordsB: dead link No 99"));
}

TEST_F(EditModule, Abbreviations) {
    EXPECT_THAT(ErrorOf([&] { m.AddAbbreviation(std::string("г.зн."_cp1251), "x", -1); }),
                HasSubstr(std::string("уже есть в базе"_cp1251)));
    EXPECT_THAT(ErrorOf([&] { m.AddAbbreviation(std::string(31, 'x'), "y", -1); }), HasSubstr("30"));
    const int32_t no = m.AddAbbreviation("a", "b", -1);
    EXPECT_EQ(no, 2);
    // A replacement that fails its check leaves the entry it would replace.
    EXPECT_ANY_THROW(m.SaveAbbreviation(no, std::string("г.зн."_cp1251), "c"));
    m.LoadAbbr(no);
    EXPECT_EQ(m.CurAbbr.Bel, "a");
    EXPECT_EQ(m.SaveAbbreviation(no, "a", "c"), no) << "compared only with the other entries";
    m.DeleteAbbreviation(1);
    m.DeleteAbbreviation(no);
    EXPECT_EQ(m.AddAbbreviation("d", "e", -1), 6000000);
}

TEST_F(EditModule, GlossaryTitlesAreStoredInLowerCaseAndUniquePerLanguage) {
    EXPECT_EQ(m.AddGlossaryEntry(1, "", -1, "x"), -1);
    EXPECT_THAT(ErrorOf([&] { m.AddGlossaryEntry(1, std::string("КНІГА"_cp1251), -1, "x"); }),
                HasSubstr(std::string("уже есть в базе"_cp1251)));
    const int32_t no = m.AddGlossaryEntry(0, std::string("Книга"_cp1251), -1, "x");
    EXPECT_EQ(m.FindGlossary(0, std::string("книга"_cp1251)), no);
    EXPECT_ANY_THROW(m.SaveGlossaryEntry(no, 1, "y", std::string("кніга"_cp1251)));
    EXPECT_EQ(m.FindGlossary(0, std::string("книга"_cp1251)), no) << "the failed replacement left the entry";
}

TEST_F(EditModule, RefreshLemmasLeavesTheTableUnmodified) {
    m.RefreshLemmas(1);
    EXPECT_FALSE(m.WordsTable(1).Modified());
    ASSERT_TRUE(m.WordsTable(1).Locate("No", {Value(31)}));
    EXPECT_EQ(m.WordsTable(1).GetString(WordsField::Lemma), std::string("кніга"_cp1251));
}

TEST_F(EditModule, NewParadigmFromFormsAddsTheParadigmAsTheOnlyCandidate) {
    TAdvStemSeeker seeker(m, 0, kNoun);
    const char* forms[] = {"стул", "стула", "стулу", "стул", "стулом", "стуле", "стулья", "стульев", "стульям",
                           "стулья", "стульями", "стульях"};
    for (int f = 1; f <= 12; ++f) seeker.SetForm(f, false, W(forms[f - 1]));
    seeker.Gender = kRodMasculine;
    bool declined = seeker.NewParadigmFromForms(
        [&](int lang, const std::string& stem, const std::string& text, int kind, int gender) {
            return m.FindOrAddParadigm(lang, stem, -1, gender, text, kind);
        },
        [](const std::string&, const std::string&) { return false; });
    EXPECT_FALSE(declined);
    EXPECT_FALSE(m.EtalonTable(0).Modified());
    ASSERT_TRUE(seeker.NewParadigmFromForms([&](int lang, const std::string& stem, const std::string& text, int kind,
                                                int gender) { return m.FindOrAddParadigm(lang, stem, -1, gender, text, kind); }));
    ASSERT_EQ(seeker.Candidates.size(), 1u);
    EXPECT_EQ(seeker.Candidates[0].EtalonNo, 17);
    EXPECT_EQ(seeker.Candidates[0].Stems, std::string("стул"_cp1251));
    int32_t wordNo = -1;
    int16_t tag = 0;
    seeker.ApplyCandidate(wordNo, tag, [&](int lang, int32_t n, int16_t t, int32_t etalonNo, const std::string& stem) {
        return m.AddWord(lang, stem, n, t, static_cast<int16_t>(etalonNo));
    });
    EXPECT_EQ(wordNo, 40);
}

}  // namespace

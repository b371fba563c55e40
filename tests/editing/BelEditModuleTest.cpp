#include "editing/EditedDictionary.h"

#include "dictionary/AdvStemSeeker.h"
#include "dictionary/TagCodes.h"
#include "ground/Cp1251Literal.h"
#include "ground/Direction.h"
#include "ground/Error.h"
#include "support/FixtureDictionary.h"
#include "support/Text.h"

#include <gmock/gmock.h>

#include <algorithm>

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
    // The fixture's word with this stem (UTF-8), its paradigm, and the
    // number the next new record of a table gets.
    int32_t No(int lang, const char* stem) {
        EXPECT_TRUE(m.WordsTable(lang).Locate("Osnova", {Value(W(stem))})) << stem;
        return m.WordsTable(lang).GetInt(WordsField::No);
    }
    int16_t ParadigmOf(int lang, const char* stem) { return WordParadigm(lang, No(lang, stem)); }
    static int32_t NextNo(Table& t) {
        int32_t last = 0;
        for (t.First(); !t.Eof() && t.HasRecord(); t.Next()) last = std::max(last, t.GetInt(0));
        return last + 1;
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

TEST_F(EditModule, AStemOfThirtyOneLettersIsRefusedAndNothingChanges) {
    const int16_t kDomParadigm = ParadigmOf(0, "дом");
    const int before = m.WordsTable(0).RecordCount();
    const std::string stem(31, "д"_cp1251[0]);
    EXPECT_THAT(ErrorOf([&] { m.AddWord(0, stem, -1, 0, kDomParadigm); }),
                HasSubstr(std::string("допустимую длину основы 30 символов"_cp1251)));
    EXPECT_EQ(m.WordsTable(0).RecordCount(), before);
    EXPECT_FALSE(m.WordsTable(0).Modified());
}

TEST_F(EditModule, ANewWordGetsTheNextNumberItsStemsAndLemmaAndIsMarkedModified) {
    // Belarusian дом's paradigm changes the stem (дам-): the stem table learns it.
    const int32_t next = NextNo(m.WordsTable(1));
    const int32_t no = m.AddWord(1, std::string("стол"_cp1251), -1, 0, ParadigmOf(1, "дом"));
    EXPECT_EQ(no, next);
    Table& words = m.WordsTable(1);
    ASSERT_TRUE(words.Locate("No", {Value(no)}));
    EXPECT_TRUE(words.GetBool(WordsField::Modif));
    EXPECT_EQ(words.GetString(WordsField::Lemma), std::string("стол"_cp1251));
    EXPECT_TRUE(m.StemTable(1).Locate("Stem;WordNo", {Value(std::string("стал"_cp1251)), Value(no)}));
    EXPECT_EQ(SourceLang, 0) << "the direction is restored";
}

TEST_F(EditModule, TheSameInanimateNounWithTheSameParadigmReplacesTheOldOneWithoutAsking) {
    // Russian дом is inanimate and the first member of a collocation.
    const int32_t dom = No(0, "дом");
    const int before = m.WordsTable(0).RecordCount();
    const int32_t no = m.AddWord(0, std::string("дом"_cp1251), -1, 0x18, ParadigmOf(0, "дом"));
    EXPECT_EQ(no, dom);
    EXPECT_TRUE(prompter.replacements.empty());
    EXPECT_EQ(WordTag(0, dom), 0x19) << "the old first-word flag joins the new Tag";
    EXPECT_EQ(m.WordsTable(0).RecordCount(), before);
    EXPECT_TRUE(HasLink(dom, No(1, "дом")));
    EXPECT_TRUE(HasLink(dom, No(1, "хат")));
}

struct ReplacementCase {
    const char* name;
    TReplaceAnswer answer;
    bool newNumber;     // else the old word's
    bool oldParadigm;   // what the old word's paradigm is afterwards, else the new one
    int addedWords;
};

class Replacement : public EditModule, public ::testing::WithParamInterface<ReplacementCase> {};

TEST_P(Replacement, AnotherParadigmAsksAndFollowsTheAnswer) {
    const ReplacementCase& c = GetParam();
    prompter.replaceAnswer = c.answer;
    const int32_t dom = No(0, "дом");
    const int16_t domParadigm = ParadigmOf(0, "дом");
    const int16_t bratParadigm = ParadigmOf(0, "брат");
    const int32_t next = NextNo(m.WordsTable(0));
    const int before = m.WordsTable(0).RecordCount();
    const int32_t no = m.AddWord(0, std::string("дом"_cp1251), -1, 0, bratParadigm);
    ASSERT_EQ(prompter.replacements.size(), 1u);
    EXPECT_EQ(prompter.replacements[0].OldStem, std::string("дом"_cp1251));
    EXPECT_EQ(no, c.newNumber ? next : dom);
    EXPECT_EQ(WordParadigm(0, dom), c.oldParadigm ? domParadigm : bratParadigm);
    EXPECT_EQ(m.WordsTable(0).RecordCount(), before + c.addedWords);
    EXPECT_TRUE(HasLink(dom, No(1, "дом"))) << "links of the old word stay";
}

INSTANTIATE_TEST_SUITE_P(Answers, Replacement,
                         ::testing::Values(ReplacementCase{"KeepOld", kKeepOld, false, true, 0},
                                           ReplacementCase{"Replace", kReplaceOld, false, false, 0},
                                           ReplacementCase{"KeepBoth", kKeepBoth, true, true, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditModule, AWordOfAnotherKindIsNoCandidate) {
    const int32_t dom = No(0, "дом");
    EXPECT_NE(m.AddWord(0, std::string("дом"_cp1251), -1, 0, -1), dom);
    EXPECT_TRUE(prompter.replacements.empty());
    EXPECT_TRUE(HasWord(0, dom));
}

TEST_F(EditModule, NumbersOutsideTheirSpaceFailInsteadOfWrapping) {
    const int16_t kDomParadigm = ParadigmOf(0, "дом");
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
              ParadigmOf(0, "дом"));
    EXPECT_FALSE(m.EtalonTable(0).Modified());
    const int32_t next = NextNo(m.EtalonTable(0));
    const int16_t added = m.FindOrAddParadigm(0, "x", -1, 2, std::string("а;ы|;"_cp1251), kNoun);
    EXPECT_EQ(added, next);
    m.LoadEtalon(0, added);
    EXPECT_EQ(m.CurEtalon.Forms, std::string("а;ы"_cp1251));
    EXPECT_TRUE(m.CurEtalon.Modif);
}

TEST_F(EditModule, AnEqualNounParadigmOfAnotherGenderAsksWhetherToChangeIt) {
    const std::string forms(std::string("@;а;у;@;ом;е;а;ов;ам;а;ами;ах;о"_cp1251));
    const int16_t kDomParadigm = ParadigmOf(0, "дом");
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
    // Russian новый has one translation, новы.
    const int32_t novy = No(0, "нов"), belNovy = No(1, "нов");
    const int32_t bel = m.AddWord(1, std::string("чырвон"_cp1251), -1, 0, ParadigmOf(1, "нов"));
    m.SetDirection(0);
    m.SetLink(novy, bel, DefaultLinkTag());
    EXPECT_EQ(LinkPriority(static_cast<int16_t>(LinkTag(novy, belNovy)), 1), 1);
    EXPECT_EQ(LinkPriority(static_cast<int16_t>(LinkTag(novy, bel)), 1), 2);
    // дом has two translations: neither is demoted.
    const int32_t dom = No(0, "дом");
    m.SetLink(dom, bel, DefaultLinkTag());
    EXPECT_EQ(LinkTag(dom, No(1, "дом")), 58);
    EXPECT_EQ(LinkTag(dom, No(1, "хат")), 58);
}

TEST_F(EditModule, SetLinkOnAnExistingPairKeepsTheSourcePriority) {
    m.SetDirection(0);
    const int32_t rus = No(0, "дом"), bel = No(1, "дом");
    int16_t tag = 58;
    SetLinkPriority(tag, 0, 3);
    SetLinkPriority(tag, 1, 0);
    m.SetLink(rus, bel, tag);
    EXPECT_EQ(LinkPriority(static_cast<int16_t>(LinkTag(rus, bel)), 0), 2);
    EXPECT_EQ(LinkPriority(static_cast<int16_t>(LinkTag(rus, bel)), 1), 0);
    m.DeleteLink(rus, bel);
    EXPECT_FALSE(HasLink(rus, bel));
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
    EXPECT_EQ(WordTag(0, No(0, "дом")) & 1, 1);
    rec.Words[2].No = 999;
    EXPECT_THAT(ErrorOf([&] { m.SaveCollocation(0, 0, rec); }), HasSubstr("Dead link No 999"));
}

TEST_F(EditModule, DeletingAMemberDeletesItsCollocationLinksAndFirstWordFlag) {
    // Belarusian кніга is member 2 of collocation 5000001, whose first word is дом.
    const int32_t kniga = No(1, "кні"), dom = No(1, "дом");
    EXPECT_EQ(WordTag(1, dom) & 1, 1);
    m.DeleteWord(1, kniga, true);
    EXPECT_FALSE(HasWord(1, kniga));
    EXPECT_EQ(m.CollocTable(1).RecordCount(), 0);
    EXPECT_FALSE(HasLink(5000001, 5000001));
    EXPECT_FALSE(HasLink(No(0, "книг"), kniga));
    EXPECT_THAT(messages, ::testing::Contains("Deleted colloc (bel) #5000001 due to deleting #" +
                                              std::to_string(kniga) + "."));
    EXPECT_EQ(WordTag(1, dom) & 1, 0);
    EXPECT_FALSE(m.StemTable(1).Locate("WordNo", {Value(kniga)}));
}

TEST_F(EditModule, AFailedSaveWordLeavesTheWordItsLinksAndStems) {
    const std::string tooLong(31, "д"_cp1251[0]);
    const int32_t dom = No(1, "дом"), rus = No(0, "дом");
    const int16_t paradigm = ParadigmOf(1, "дом");
    EXPECT_THAT(ErrorOf([&] { m.SaveWord(1, dom, 0, paradigm, tooLong); }), HasSubstr("30"));
    EXPECT_TRUE(HasWord(1, dom));
    EXPECT_TRUE(HasLink(rus, dom));
    EXPECT_TRUE(m.StemTable(1).Locate("WordNo", {Value(dom)}));
    EXPECT_EQ(m.SaveWord(1, dom, 0x100, paradigm, std::string("дом"_cp1251)), dom);
    EXPECT_EQ(WordTag(1, dom), 0x101) << "the stored Tag joins the new one";
    EXPECT_TRUE(HasLink(rus, dom));
}

TEST_F(EditModule, SetEntryTagCopiesProperNameAndThemeToNounTranslationsOnly) {
    // Belarusian дом translates Russian дом, a noun.
    const int32_t bel = No(1, "дом"), rus = No(0, "дом");
    m.SetEntryTag(1, kNoun, true, 0x0508, bel);
    EXPECT_EQ(WordTag(1, bel), 0x0508);
    EXPECT_EQ(WordTag(0, rus), 0x0509) << "proper name and theme copied, first-word flag kept";
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
    ASSERT_TRUE(m.WordsTable(1).Locate("No", {Value(No(1, "кні"))}));
    EXPECT_EQ(m.WordsTable(1).GetString(WordsField::Lemma), std::string("кніга"_cp1251));
}

TEST_F(EditModule, NewParadigmFromFormsAddsTheParadigmAsTheOnlyCandidate) {
    const int32_t nextParadigm = NextNo(m.EtalonTable(0));
    const int32_t nextWord = NextNo(m.WordsTable(0));
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
    EXPECT_EQ(seeker.Candidates[0].EtalonNo, nextParadigm);
    EXPECT_EQ(seeker.Candidates[0].Stems, std::string("стул"_cp1251));
    int32_t wordNo = -1;
    int16_t tag = 0;
    seeker.ApplyCandidate(wordNo, tag, [&](int lang, int32_t n, int16_t t, int32_t etalonNo, const std::string& stem) {
        return m.AddWord(lang, stem, n, t, static_cast<int16_t>(etalonNo));
    });
    EXPECT_EQ(wordNo, nextWord);
}

}  // namespace

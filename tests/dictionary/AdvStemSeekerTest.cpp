#include "dictionary/AdvStemSeeker.h"

#include "dictionary/BelModule.h"
#include "ground/Error.h"
#include "ground/Language.h"
#include "dictionary/Schema.h"
#include "dictionary/TagCodes.h"
#include "morphology/WordKind.h"
#include "support/FixtureDictionary.h"
#include "support/Text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kunimor;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const char* const kStolForms = "@;а;у;@;ом;е;ы;ов;ам;ы;ами;ах";

class AdvStemSeeking : public FixtureDictionary {
protected:
    void AddParadigm(int32_t no, const char* osnova, const char* forms, int rodChislo) {
        AddRow(m.EtalonTable(kRussian), {{EtalonField::No, no},
                                         {EtalonField::Osnova, W(osnova)},
                                         {EtalonField::Kind, kNoun},
                                         {EtalonField::Forms, W(forms)},
                                         {EtalonField::RodChislo, rodChislo}});
    }
    void AddWord(int32_t no, const char* osnova, int32_t etalonNo) {
        AddRow(m.WordsTable(kRussian),
               {{WordsField::No, no}, {WordsField::Osnova, W(osnova)}, {WordsField::EtalonNo, etalonNo}});
    }
    // A noun seeker holding the UTF-8 main forms 1, 2, …
    TAdvStemSeeker NounSeeker(const std::vector<std::string>& forms) {
        TAdvStemSeeker seeker(m, kRussian, kNoun);
        for (std::size_t i = 0; i < forms.size(); ++i) seeker.SetForm(static_cast<int>(i) + 1, false, W(forms[i]));
        return seeker;
    }
    static std::vector<int32_t> Numbers(const TAdvStemSeeker& seeker) {
        std::vector<int32_t> numbers;
        for (const TEtaRec& rec : seeker.Candidates) numbers.push_back(rec.EtalonNo);
        return numbers;
    }

    const std::vector<std::string> stol{"стол",  "стола", "столу",  "стол",   "столом", "столе", "столы",
                                        "столов", "столам", "столы", "столами", "столах", ""};
};

TEST_F(AdvStemSeeking, KeepsTheParadigmsThatProduceTheFormsRankedBySimilarWords) {
    AddParadigm(100, "вол", kStolForms, 1);
    AddParadigm(101, "стол", kStolForms, 1);
    AddWord(9001, "вол", 100);
    AddWord(9002, "стул", 101);
    AddWord(9003, "стол", 101);
    TAdvStemSeeker seeker = NounSeeker(stol);
    seeker.FindCandidates();
    // дом has a vocative the user left empty; брат an animate accusative
    ASSERT_THAT(Numbers(seeker), ElementsAre(101, 100));
    EXPECT_EQ(U(seeker.Candidates[0].Stems), "стол");
    EXPECT_EQ(U(seeker.Candidates[0].Osnova), "стол");
    EXPECT_EQ(seeker.Candidates[0].Score, 6 * 4);  // the built form equals столах
    EXPECT_EQ(U(seeker.Candidates[1].Osnova), "вол");
    EXPECT_EQ(seeker.Candidates[1].Score, 4);  // олах in common
    EXPECT_EQ(seeker.Candidates[1].RodChislo, 1);
    EXPECT_FALSE(m.EtalonTable(kRussian).Filtered());
}

TEST_F(AdvStemSeeking, EqualScoresAndParadigmsWithoutWordsKeepTheirOrder) {
    AddParadigm(100, "вол", kStolForms, 1);
    AddParadigm(101, "пол", kStolForms, 1);
    AddParadigm(102, "кол", kStolForms, 1);
    AddWord(9001, "пол", 101);
    AddWord(9002, "кол", 102);
    TAdvStemSeeker seeker = NounSeeker(stol);
    seeker.FindCandidates();
    ASSERT_THAT(Numbers(seeker), ElementsAre(101, 102, 100));
    EXPECT_EQ(seeker.Candidates[0].Score, seeker.Candidates[1].Score);
    EXPECT_EQ(seeker.Candidates[2].Score, -1);
    EXPECT_EQ(U(seeker.Candidates[2].Osnova), "вол");
}

TEST_F(AdvStemSeeking, UnknownFormsAreNotRequired) {
    AddParadigm(100, "вол", kStolForms, 1);
    std::vector<std::string> forms(stol.begin(), stol.begin() + 6);
    forms.resize(13, "?");
    TAdvStemSeeker seeker = NounSeeker(forms);
    seeker.FindCandidates();
    // дом now fits too: its plural and vocative are unknown
    EXPECT_THAT(Numbers(seeker), ElementsAre(10, 100));
}

TEST_F(AdvStemSeeking, OptionsFilterTheParadigms) {
    AddParadigm(100, "вол", kStolForms, 1);
    AddParadigm(101, "мост", "@;а;у;@;ом;е;ы;ов;ам;ы;ами;ах;", 2);  // as if feminine
    AddParadigm(102, "кот", "@;а;у;а;ом;е;ы;ов;ам;ов;ами;ах", 1);    // animate
    TAdvStemSeeker seeker = NounSeeker(stol);
    seeker.NeedGender = 2;
    seeker.FindCandidates();
    EXPECT_THAT(Numbers(seeker), ElementsAre(101));
    seeker.NeedGender = 0;
    seeker.NeedAnimacy = 2;
    seeker.FindCandidates();
    EXPECT_THAT(Numbers(seeker), IsEmpty());  // кот's forms do not fit стол
    seeker.NeedAnimacy = 1;
    seeker.NeedSecondHalf = true;
    seeker.FindCandidates();
    EXPECT_THAT(Numbers(seeker), ElementsAre(100, 101));

    std::vector<std::string> singular(stol.begin(), stol.begin() + 6);
    singular.resize(13);
    AddParadigm(103, "вес", "@;а;у;@;ом;е", 1);
    TAdvStemSeeker singularSeeker = NounSeeker(singular);
    singularSeeker.FindCandidates();
    EXPECT_THAT(Numbers(singularSeeker), ElementsAre(103));
    singularSeeker.NeedSecondHalf = true;
    singularSeeker.FindCandidates();
    EXPECT_THAT(Numbers(singularSeeker), IsEmpty());
}

TEST_F(AdvStemSeeking, DeleteCandidateKeepsTheOrder) {
    AddParadigm(100, "вол", kStolForms, 1);
    AddParadigm(101, "пол", kStolForms, 1);
    AddParadigm(102, "кол", kStolForms, 1);
    TAdvStemSeeker seeker = NounSeeker(stol);
    seeker.FindCandidates();
    seeker.DeleteCandidate(1);
    EXPECT_THAT(Numbers(seeker), ElementsAre(100, 102));
    EXPECT_THROW(seeker.DeleteCandidate(2), Error);
    EXPECT_THROW(seeker.DeleteCandidate(-1), Error);
}

struct Stored {
    int lang = -1;
    int32_t wordNo = 0;
    int16_t tag = 0;
    int32_t etalonNo = 0;
    std::string stem;
};

TEST_F(AdvStemSeeking, ApplyCandidateStoresTheWord) {
    AddParadigm(100, "вол", kStolForms, 1);
    TAdvStemSeeker seeker = NounSeeker(stol);
    seeker.FindCandidates();
    seeker.Gender = 2;
    Stored stored;
    const TWordStore store = [&](int lang, int32_t wordNo, int16_t tag, int32_t etalonNo, const std::string& stem) {
        stored = {lang, wordNo, tag, etalonNo, stem};
        return 777;
    };
    int32_t wordNo = -1;
    int16_t tag = 0;
    seeker.ApplyCandidate(wordNo, tag, store);
    EXPECT_EQ(wordNo, 777);
    EXPECT_EQ(stored.lang, kRussian);
    EXPECT_EQ(stored.etalonNo, 100);
    EXPECT_EQ(U(stored.stem), "стол");
    EXPECT_EQ(NounGender(1, tag), 2);  // the chosen gender overrides the paradigm's
    EXPECT_EQ(stored.tag, tag);
    EXPECT_EQ(U(seeker.BestStem), "стол");
    EXPECT_EQ(U(seeker.BestForms), kStolForms);

    seeker.Candidates.clear();
    try {
        seeker.ApplyCandidate(wordNo, tag, store);
        FAIL() << "no candidate";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Can't determine a stem for word!");
    }
}

TEST_F(AdvStemSeeking, SeveralStemsAreDecidedByTheParadigmsWords) {
    AddParadigm(100, "вол", kStolForms, 1);
    AddWord(9001, "пол", 100);
    TAdvStemSeeker seeker = NounSeeker(stol);
    seeker.Candidates = {TEtaRec{100, W("вол"), W(kStolForms), 1, W("сто,стол"), 0}};
    std::string stem;
    int32_t wordNo = 0;
    int16_t tag = 0;
    seeker.ApplyCandidate(wordNo, tag, [&](int, int32_t, int16_t, int32_t, const std::string& s) {
        stem = s;
        return -1;
    });
    EXPECT_EQ(U(stem), "стол");  // ол in common with пол
    EXPECT_EQ(wordNo, -1);
    EXPECT_EQ(seeker.BestStem, "");  // nothing stored
}

TEST_F(AdvStemSeeking, AnUnchangeableWordIsItsOwnStem) {
    TAdvStemSeeker seeker(m, kRussian, kUnchangeable);
    seeker.SetForm(1, false, W("вдруг"));
    Stored stored;
    int32_t wordNo = 0;
    int16_t tag = 0;
    seeker.ApplyCandidate(wordNo, tag, [&](int lang, int32_t no, int16_t t, int32_t etalonNo, const std::string& s) {
        stored = {lang, no, t, etalonNo, s};
        return 5;
    });
    EXPECT_EQ(stored.etalonNo, -1);
    EXPECT_EQ(U(stored.stem), "вдруг");
    ASSERT_EQ(seeker.Candidates.size(), 1u);
}

}  // namespace

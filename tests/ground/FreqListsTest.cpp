#include "ground/FreqLists.h"

#include <gtest/gtest.h>

#include <fstream>

#include "ground/OrthoAnalyzer.h"
#include "support/TempDir.h"
#include "support/Text.h"

namespace kunimor {
namespace {

struct Lists {
    TFreqLists lists;
    std::vector<std::string> messages;

    Lists() {
        lists.OnMessage = [this](const std::string& m) { messages.push_back(U(m)); };
    }
    TTrigramSet& Set() { return lists.Current(); }
    TRareTrigram Check(const char* word) { return lists.CheckTrigrams(W(word)); }
};

TEST(FreqLists, AThreeLetterWordIsAStartAndAnEndTrigram) {
    Lists l;
    l.Set().TrigramsMiddle.Add(W("дом"));
    EXPECT_EQ(l.Check("дом").Place, TTrigramPlace::Start) << "a middle trigram does not serve at the start";
    l.Set().TrigramsStart.Add(W("дом"));
    EXPECT_EQ(l.Check("дом").Place, TTrigramPlace::End);
    EXPECT_EQ(U(l.Check("дом").Trigram), "дом");
    l.Set().TrigramsEnd.Add(W("дом"));
    EXPECT_EQ(l.Check("дом").Place, TTrigramPlace::None);
    EXPECT_EQ(l.Check("да").Place, TTrigramPlace::None) << "two letters have no trigram";
}

TEST(FreqLists, AFourLetterWordHasNoMiddleAndAFiveLetterWordHasOne) {
    Lists l;
    l.Set().TrigramsStart.Add(W("хат"));
    l.Set().TrigramsEnd.Add(W("ата"));
    EXPECT_EQ(l.Check("хата").Place, TTrigramPlace::None);
    l.Set().TrigramsEnd.Add(W("тка"));
    const TRareTrigram rare = l.Check("хатка");
    EXPECT_EQ(rare.Place, TTrigramPlace::Middle);
    EXPECT_EQ(U(rare.Trigram), "атк");
    l.Set().TrigramsNonFinal.Add(W("атк"));
    EXPECT_EQ(l.Check("хатка").Place, TTrigramPlace::None);
}

TEST(FreqLists, AnOpeningUIsLookedUpPlainAndAddedWordsPass) {
    Lists l;
    l.lists.AddWordTrigrams(W("Ўсход"));
    EXPECT_TRUE(l.Set().TrigramsStart.Contains(W("усх")));
    EXPECT_EQ(l.Check("ўсход").Place, TTrigramPlace::None);
    l.lists.AddWordTrigrams(W("ўюн"));
    EXPECT_EQ(l.Check("ўюн").Place, TTrigramPlace::None);
}

TEST(FreqLists, AWrittenFileReadsBack) {
    TempDir dir;
    TTrigramSet set;
    set.TrigramsAny.Add(W("але"));
    set.TrigramsEnd.Add(W("ага"));
    WriteFreqListFile(FreqListFile(dir.Path(), 1), set);
    Lists l;
    l.lists.DataFolder = dir.Path();
    l.lists.LoadFreqLists(1);
    EXPECT_TRUE(l.messages.empty());
    EXPECT_TRUE(l.lists.Loaded());
    EXPECT_TRUE(l.Set().TrigramsEnd.Contains(W("ага")));
    EXPECT_EQ(FreqListFile(dir.Path(), 0).filename(), "Orfor.kmr");
}

TEST(FreqLists, AMissingFileIsReportedOnceAndTheCheckGoesOnWithout) {
    TempDir dir;
    Lists l;
    l.lists.DataFolder = dir.Path();
    TOrthoAnalyzer analyzer(l.lists);
    analyzer.SetSpellLanguage(1, true);
    analyzer.SetSpellLanguage(1, true);
    analyzer.SetSpellLanguage(0, true);
    ASSERT_EQ(l.messages.size(), 1u);
    EXPECT_NE(l.messages[0].find("Orfob.kmr\" не обнаружен."), std::string::npos) << l.messages[0];
    analyzer.SetSpellLanguage(1, true);
    EXPECT_EQ(analyzer.CheckWord(0, W("хата")), kSpellCorrect);
    EXPECT_EQ(analyzer.CheckWord(0, W("тема")), kSpellError);
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string Length(std::uint64_t n) {
    std::string out;
    for (int i = 0; i < 8; ++i) out += static_cast<char>((n >> (8 * i)) & 0xFF);
    return out;
}

TEST(FreqLists, ADamagedBlockIsReportedAndNeverOutgrowsTheFile) {
    TempDir dir;
    const auto file = FreqListFile(dir.Path(), 1);
    const std::string good = Length(5) + W("але\r\n");
    // block 1 fine, block 2 claims a terabyte
    WriteBytes(file, "knm6" + good + Length(std::uint64_t{1} << 40) + "xyz");
    Lists l;
    l.lists.DataFolder = dir.Path();
    l.lists.LoadFreqLists(1);
    ASSERT_EQ(l.messages.size(), 1u);
    EXPECT_NE(l.messages[0].find("Orfob.kmr\" поврежден!"), std::string::npos) << l.messages[0];
    EXPECT_TRUE(l.Set().TrigramsAny.Contains(W("але")));
    EXPECT_TRUE(l.Set().TrigramsNonFinal.Empty());

    // a wrong magic spoils block 1 only
    WriteBytes(file, "xxxx" + good + good + good + good + good);
    Lists m;
    m.lists.DataFolder = dir.Path();
    m.lists.LoadFreqLists(1);
    EXPECT_EQ(m.messages.size(), 1u);
    EXPECT_TRUE(m.Set().TrigramsAny.Empty());
    EXPECT_TRUE(m.Set().TrigramsEnd.Contains(W("але")));
}

}  // namespace
}  // namespace kunimor

#include "import/VerbInduction.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "morphology/WordKind.h"
#include "support/Text.h"

namespace {

using kunimor::import::InduceVerbPairs;
using kunimor::import::TLemma;
using kunimor::import::TLemmaPair;

struct TVerbRow {
    const char* Lemma;
    int Kind;
    const char* Present;
    const char* Past;
};

TLemma Verb(const TVerbRow& row) { return {W(row.Lemma), row.Kind, {W(row.Present), W(row.Past)}}; }

// Curated cognates: enough of the regular correspondences (о→а, и→і, т→ц,
// -ет→-е, -л→-ў) for the learned costs to tell a cognate from a stranger.
const std::vector<std::pair<TVerbRow, TVerbRow>> kCuratedVerbs = {
    {{"обставить", 3, "обставит", "обставил"}, {"абставіць", 3, "абставіць", "абставіў"}},
    {{"попросить", 3, "попросит", "попросил"}, {"папрасіць", 3, "папросіць", "папрасіў"}},
    {{"вывесить", 3, "вывесит", "вывесил"}, {"вывесіць", 3, "вывесіць", "вывесіў"}},
    {{"распустить", 3, "распустит", "распустил"}, {"распусціць", 3, "распусціць", "распусціў"}},
    {{"направить", 3, "направит", "направил"}, {"направіць", 3, "направіць", "направіў"}},
    {{"обновить", 3, "обновит", "обновил"}, {"абнавіць", 3, "абновіць", "абнавіў"}},
    {{"привыкнуть", 3, "привыкнет", "привык"}, {"прывыкнуць", 3, "прывыкне", "прывык"}},
    {{"продавать", 4, "продает", "продавал"}, {"прадаваць", 4, "прадае", "прадаваў"}},
    {{"гулять", 4, "гуляет", "гулял"}, {"гуляць", 4, "гуляе", "гуляў"}},
    {{"кидать", 4, "кидает", "кидал"}, {"кідаць", 4, "кідае", "кідаў"}},
    {{"играть", 4, "играет", "играл"}, {"іграць", 4, "іграе", "іграў"}},
    {{"слушать", 4, "слушает", "слушал"}, {"слухаць", 4, "слухае", "слухаў"}},
    {{"ходить", 4, "ходит", "ходил"}, {"хадзіць", 4, "ходзіць", "хадзіў"}},
    {{"носить", 4, "носит", "носил"}, {"насіць", 4, "носіць", "насіў"}},
    {{"ловить", 4, "ловит", "ловил"}, {"лавіць", 4, "ловіць", "лавіў"}},
    {{"лечить", 4, "лечит", "лечил"}, {"лячыць", 4, "лечыць", "лячыў"}},
    {{"учить", 4, "учит", "учил"}, {"вучыць", 4, "вучыць", "вучыў"}},
    {{"постановить", 3, "постановит", "постановил"}, {"рашыць", 3, "рэшыць", "рашыў"}},
};

struct TInductionFixture {
    std::vector<TLemmaPair> Curated;
    std::vector<TLemma> Ru, Be;

    TInductionFixture() {
        for (const auto& [ru, be] : kCuratedVerbs) {
            Curated.push_back({W(ru.Lemma), W(be.Lemma), ru.Kind, 0});
            Ru.push_back(Verb(ru));
            Be.push_back(Verb(be));
        }
    }

    void AddRu(const TVerbRow& row) { Ru.push_back(Verb(row)); }
    void AddBe(const TVerbRow& row) { Be.push_back(Verb(row)); }

    std::set<std::pair<std::string, std::string>> Induced(double maxScore = 1.0) const {
        std::set<std::pair<std::string, std::string>> pairs;
        for (const TLemmaPair& pair : InduceVerbPairs(Curated, Ru, Be, {.MaxScore = maxScore})) {
            EXPECT_GT(pair.Score, 0.0) << U(pair.Ru);
            EXPECT_LE(pair.Score, maxScore) << U(pair.Ru);
            pairs.emplace(U(pair.Ru), U(pair.Be));
        }
        return pairs;
    }
};

using TPairs = std::set<std::pair<std::string, std::string>>;

TEST(VerbInductionTest, PairsCognatesOfTheSameAspectOnly) {
    TInductionFixture data;
    data.AddRu({"читать", 4, "читает", "читал"});
    data.AddBe({"чытаць", 4, "чытае", "чытаў"});
    data.AddRu({"любить", 4, "любит", "любил"});
    data.AddBe({"любіць", 4, "любіць", "любіў"});
    data.AddRu({"звонить", 4, "звонит", "звонил"});  // its look-alike is perfective here
    data.AddBe({"званіць", 3, "звоніць", "званіў"});
    data.AddRu({"рисовать", 4, "рисует", "рисовал"});  // no cognate at all
    data.AddBe({"маляваць", 4, "малюе", "маляваў"});
    EXPECT_EQ(data.Induced(), (TPairs{{"читать", "чытаць"}, {"любить", "любіць"}}));
}

TEST(VerbInductionTest, KindOfAPairIsTheAspectOfItsVerbs) {
    TInductionFixture data;
    data.AddRu({"прочитать", 3, "прочитает", "прочитал"});
    data.AddBe({"прачытаць", 3, "прачытае", "прачытаў"});
    const auto induced = InduceVerbPairs(data.Curated, data.Ru, data.Be);
    ASSERT_EQ(induced.size(), 1u);
    EXPECT_EQ(induced[0].Kind, kunimor::kPerfectiveVerb);
}

TEST(VerbInductionTest, LeavesCuratedWordsAndFalseFriendsAlone) {
    TInductionFixture data;
    data.AddRu({"решить", 3, "решит", "решил"});  // рашыць is curated for постановить
    data.AddRu({"устать", 3, "устанет", "устал"});  // устаць means "stand up"
    data.AddBe({"устаць", 3, "устане", "устаў"});
    data.AddBe({"носіць", 3, "носіць", "носіў"});  // the curated носить keeps its translation
    EXPECT_EQ(data.Induced(), TPairs{});
}

TEST(VerbInductionTest, TakesOnlyMutualBestMatches) {
    TInductionFixture data;
    data.AddRu({"думать", 4, "думает", "думал"});
    data.AddRu({"дуться", 4, "дуется", "дулся"});  // a worse match for the same word
    data.AddBe({"думаць", 4, "думае", "думаў"});
    EXPECT_EQ(data.Induced(2.0), (TPairs{{"думать", "думаць"}}));
}

TEST(VerbInductionTest, ThresholdBoundsTheScore) {
    TInductionFixture data;
    data.AddRu({"читать", 4, "читает", "читал"});
    data.AddBe({"чытаць", 4, "чытае", "чытаў"});
    EXPECT_EQ(data.Induced(0.01), TPairs{});
}

}  // namespace

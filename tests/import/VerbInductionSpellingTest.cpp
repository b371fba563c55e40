#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/SpellingCorrespondence.h"
#include "import/VerbBlockingKey.h"
#include "support/Text.h"

namespace {

using kunimor::import::TSpellingCorrespondence;
using kunimor::import::VerbBlockingKey;

TSpellingCorrespondence LearnFrom(const std::vector<std::pair<const char*, const char*>>& pairs) {
    TSpellingCorrespondence::TSpellingPairs converted;
    for (const auto& [ru, be] : pairs) converted.emplace_back(W(ru), W(be));
    return TSpellingCorrespondence::Learn(converted);
}

const TSpellingCorrespondence& Learned() {
    static const TSpellingCorrespondence model = LearnFrom({
        {"молоко", "малако"}, {"голова", "галава"}, {"город", "горад"}, {"хорошо", "добра"},
        {"ходить", "хадзіць"}, {"носить", "насіць"}, {"просить", "прасіць"}, {"водить", "вадзіць"},
        {"дети", "дзеці"}, {"тихий", "ціхі"}, {"лист", "ліст"}, {"сила", "сіла"},
        {"читает", "чытае"}, {"гуляет", "гуляе"}, {"кидает", "кідае"}, {"играет", "іграе"},
        {"пищать", "пішчаць"}, {"трещать", "трашчаць"}, {"щупать", "шчупаць"}, {"ищет", "шукае"},
        {"читал", "чытаў"}, {"гулял", "гуляў"}, {"кидал", "кідаў"}, {"ходил", "хадзіў"},
    });
    return model;
}

struct TCloserCase {
    const char* Ru;
    const char* Cognate;
    const char* Stranger;
};

TEST(VerbInductionSpellingTest, LearnedCorrespondencesCostLessThanOtherChanges) {
    const TCloserCase cases[] = {
        {"полоть", "палоць", "пялоць"},        // о→а, not о→я
        {"щипать", "шчыпаць", "сыпаць"},      // щ→шч is one regular step
        {"бросает", "брасае", "брасаеш"},     // -ет→-е at the end of a word
        {"будить", "будзіць", "бузіць"},      // д→дз
        {"тискать", "ціскаць", "тіскаць"},    // т→ц before a soft vowel
    };
    for (const auto& c : cases) {
        EXPECT_LT(Learned().Distance(W(c.Ru), W(c.Cognate)), Learned().Distance(W(c.Ru), W(c.Stranger))) << c.Ru;
    }
}

TEST(VerbInductionSpellingTest, CognatesAreCheapAndStrangersDear) {
    const double cognate = Learned().Distance(W("сила"), W("сіла"));
    const double unrelated = Learned().Distance(W("сила"), W("бок"));
    EXPECT_LT(cognate, 2.0);
    EXPECT_GT(unrelated, 5 * cognate);
}

TEST(VerbInductionSpellingTest, CognateVerbsShareABlockingKey) {
    const std::pair<const char*, const char*> cognates[] = {
        {"читать", "чытаць"},     {"возникнуть", "узнікнуць"}, {"изменить", "змяніць"},
        {"делить", "дзяліць"},    {"мыться", "мыцца"},         {"щипать", "шчыпаць"},
        {"вздохнуть", "уздыхнуць"}, {"дать", "даць"},          {"нести", "несці"},
    };
    for (const auto& [ru, be] : cognates) {
        EXPECT_EQ(VerbBlockingKey(W(ru), true), VerbBlockingKey(W(be), false)) << ru << " " << be;
    }
    EXPECT_NE(VerbBlockingKey(W("читать"), true), VerbBlockingKey(W("пісаць"), false));
    EXPECT_NE(VerbBlockingKey(W("сделать"), true), VerbBlockingKey(W("зрабіць"), false));
}

}  // namespace

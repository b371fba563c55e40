#include "translator/ParticleAdjustment.h"

#include "ground/Direction.h"
#include "translator/TranslatorFixture.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kunimor;

namespace {

// Three elements over "aaa bbb ccc"; the middle one is the particle, its
// neighbours carry the synthesised texts the rules look at.
class ParticleAdjustment : public TranslatorFixture {
protected:
    std::string Adjust(int targetLang, const char* particle, const char* before, const char* after,
                       const char* gap = " ") {
        Direction(targetLang == kBelarusian ? kRussian : kBelarusian);
        FreeElements(ElementList, -1);
        SourceText = "aaa" + std::string(gap) + "bbb ccc";
        const int gapLength = static_cast<int>(std::string(gap).size());
        TWordEl* last = nullptr;
        const char* texts[] = {before, particle, after};
        const int starts[] = {1, 4 + gapLength, 8 + gapLength};
        for (int i = 0; i < 3; ++i) {
            last = AppendElement(last);
            last->StartPos = starts[i];
            last->EndPos = starts[i] + 3;
            last->Text = W(texts[i]);
        }
        TWordForm t;
        t.WordNo = m.SpecialWordNo(targetLang, W(particle));
        t.IsSpecial = true;
        AppendWordForm(ElementList->Next->Trans, t);
        AdjustParticles(m);
        return U(ElementList->Next->Text);
    }
};

struct ParticleCase {
    int lang;
    const char* particle;
    const char* before;
    const char* after;
    const char* result;
};

TEST_F(ParticleAdjustment, ShortWordsTakeTheFormTheirNeighbourAsksFor) {
    const std::vector<ParticleCase> cases = {
        {kBelarusian, "у", "яна", "урадзе", "ва"},
        {kBelarusian, "ва", "яна", "доме", "у"},
        {kBelarusian, "з", "разам", "мной", "са"},
        {kBelarusian, "з", "разам", "мамай", "з"},
        {kBelarusian, "з", "разам", "шчасцем", "са"},
        {kBelarusian, "са", "разам", "сынам", "з"},
        {kBelarusian, "жа", "яна", "дом", "ж"},
        {kBelarusian, "ж", "ён", "дом", "жа"},
        {kBelarusian, "бы", "мама", "дом", "б"},
        {kBelarusian, "б", "брат", "дом", "бы"},
        {kRussian, "в", "дом", "всём", "во"},
        {kRussian, "во", "дом", "доме", "в"},
        {kRussian, "с", "дом", "стола", "со"},
        {kRussian, "с", "дом", "сада", "с"},
        {kRussian, "ж", "дом", "сад", "же"},
        {kRussian, "б", "дом", "сад", "бы"},
    };
    for (const ParticleCase& c : cases) {
        SCOPED_TRACE(std::string(c.particle) + " " + c.after);
        EXPECT_EQ(Adjust(c.lang, c.particle, c.before, c.after), c.result);
    }
}

TEST_F(ParticleAdjustment, OnlyAPlainSpaceLetsTheNeighbourDecide) {
    EXPECT_EQ(Adjust(kBelarusian, "з", "разам", "мной", ", "), "са");  // the word after still touches
    EXPECT_EQ(Adjust(kBelarusian, "ж", "ён", "дом", ", "), "ж");       // the word before does not
    EXPECT_EQ(Adjust(kBelarusian, "у", "яна", "", " "), "у");         // nothing to look at: as it was
}

}  // namespace

#include "translator/ParticleAdjustment.h"

#include "dictionary/BelModule.h"
#include "ground/Direction.h"
#include "ground/Language.h"
#include "ground/Alphabet.h"
#include "ground/CharSet.h"
#include "ground/Cp1251Literal.h"
#include "translator/ElementList.h"

namespace kunimor {
namespace {

constexpr CharSet kBelConsonantsAfterZ{"'ўбвгджзйклмнпрстфхцчшь"_cp1251};
constexpr CharSet kSibilants{"жзмсш"_cp1251};
constexpr CharSet kRusConsonants{"бвгджзйклмнпрстфхцчшщъь"_cp1251};

// The text of the word after el when only a space stands between.
const std::string* NextText(TWordEl* el) {
    if (!el->Next || SepAfter(el) != ' ' || el->Next->Text.empty()) return nullptr;
    return &el->Next->Text;
}
const std::string* PrevText(TWordEl* el) {
    if (!el->Prev || SepAfter(el->Prev) != ' ' || el->Prev->Text.empty()) return nullptr;
    return &el->Prev->Text;
}

class TParticles {
public:
    explicit TParticles(TBelModule& module) : module_(module) {}

    void Adjust(TWordEl* el) const {
        const int32_t word = el->Trans->WordNo;
        if (TargetLang == kBelarusian)
            AdjustBelarusian(el, word);
        else
            AdjustRussian(el, word);
    }

private:
    bool Is(int32_t word, std::string_view a, std::string_view b) const {
        return word == Target(a) || word == Target(b);
    }
    int32_t Target(std::string_view stem) const { return module_.SpecialWordNo(TargetLang, std::string(stem)); }

    void AdjustBelarusian(TWordEl* el, int32_t word) const {
        if (Is(word, "у"_cp1251, "ва"_cp1251)) {
            if (const std::string* next = NextText(el))
                el->Text = next->front() == U'у'_cp1251 ? "ва"_cp1251 : "у"_cp1251;
        } else if (Is(word, "з"_cp1251, "са"_cp1251)) {
            if (const std::string* next = NextText(el)) {
                const bool cluster = next->size() >= 2 && kSibilants.Contains((*next)[0]) &&
                                     kBelConsonantsAfterZ.Contains((*next)[1]);
                el->Text = cluster ? "са"_cp1251 : "з"_cp1251;
            }
        } else if (Is(word, "ж"_cp1251, "жа"_cp1251)) {
            if (const std::string* prev = PrevText(el))
                el->Text = kBelVowels.Contains(prev->back()) ? "ж"_cp1251 : "жа"_cp1251;
        } else if (Is(word, "б"_cp1251, "бы"_cp1251)) {
            if (const std::string* prev = PrevText(el))
                el->Text = kBelVowels.Contains(prev->back()) ? "б"_cp1251 : "бы"_cp1251;
        }
    }

    void AdjustRussian(TWordEl* el, int32_t word) const {
        if (Is(word, "в"_cp1251, "во"_cp1251) || Is(word, "с"_cp1251, "со"_cp1251)) {
            const std::string* next = NextText(el);
            if (!next || el->Text.empty()) return;
            const char a = el->Text.front();
            const bool cluster = next->size() >= 2 && (*next)[0] == a && kRusConsonants.Contains((*next)[1]);
            el->Text = std::string(1, a);
            if (cluster) el->Text += U'о'_cp1251;
        } else if (Is(word, "ж"_cp1251, "же"_cp1251)) {
            el->Text = "же"_cp1251;
        } else if (Is(word, "б"_cp1251, "бы"_cp1251)) {
            el->Text = "бы"_cp1251;
        }
    }

    TBelModule& module_;
};

}  // namespace

void AdjustParticles(TBelModule& module) {
    const TParticles particles(module);
    for (TWordEl* el = ElementList; el; el = el->Next) {
        if (!el->Trans || !el->Trans->IsSpecial) continue;
        el->Trans->IsSpecial = false;
        particles.Adjust(el);
    }
}

}  // namespace kunimor

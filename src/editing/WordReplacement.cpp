#include "editing/WordReplacement.h"

#include "dictionary/TagCodes.h"
#include "ground/Cp1251Literal.h"
#include "ground/FormatText.h"
#include "morphology/FormSynthesis.h"
#include "morphology/FormsText.h"


namespace kunimor {

namespace {

constexpr int kInanimate = 1;

// Whether two nouns may be the two genders of one common-gender noun.
bool MayFormCommonGender(const TReplaceQuestion& q) {
    auto animate = [](const std::string& forms, int gender) {
        return Animacy(forms, gender == kRodMasculine, kNoun) != kInanimate;
    };
    auto gendered = [](int gender) { return gender == kRodMasculine || gender == kRodFeminine; };
    return animate(q.OldForms, q.OldGender) && animate(q.NewForms, q.NewGender) &&
           (gendered(q.OldGender) || gendered(q.NewGender));
}

// Whether every slot in [first, last] (1-based) of the given variants agrees.
bool SlotsAgree(const TFormTable& a, const TFormTable& b, int first, int last, bool withAlternatives) {
    for (int slot = first; slot <= last && slot <= static_cast<int>(a.Slots.size()); ++slot)
        for (int v = 0; v < (withAlternatives ? 2 : 1); ++v)
            if (a.Slots[slot - 1][v] != b.Slots[slot - 1][v]) return false;
    return true;
}

// Whether the forms differ only in noun slots 6, 8 and 13.
bool DifferOnlyInLooseSlots(const TFormTable& a, const TFormTable& b) {
    for (size_t i = 0; i < a.Slots.size(); ++i) {
        const int slot = static_cast<int>(i) + 1;
        if (slot == 6 || slot == 8 || slot == 13) continue;
        if (a.Slots[i] != b.Slots[i]) return false;
    }
    return true;
}

}  // namespace

std::string TFormTable::Lemma() const {
    for (const auto& slot : Slots)
        for (const std::string& form : slot)
            if (!form.empty() && form != "?") return form;
    return {};
}

TFormTable BuildFormTable(int lang, int kind, const std::string& stem, const std::string& forms) {
    TFormTable table;
    table.Slots.resize(FormCount(kind));
    for (int slot = 1; slot <= FormCount(kind); ++slot)
        for (int v = 0; v < 2; ++v) {
            std::string form;
            // A failed synthesis keeps what the rules built: it is compared and shown as it is.
            TryBuildForm(lang, stem, forms, true, form, v == 1, slot);
            table.Slots[slot - 1][v] = form;
        }
    return table;
}

TFormsComparison CompareForms(const TFormTable& oldForms, const TFormTable& newForms) {
    bool oldLacks = false, newLacks = false;
    for (size_t i = 0; i < oldForms.Slots.size() && i < newForms.Slots.size(); ++i)
        for (int v = 0; v < 2; ++v) {
            const std::string& o = oldForms.Slots[i][v];
            const std::string& n = newForms.Slots[i][v];
            if (o == n) continue;
            if (o.empty()) oldLacks = true;
            else if (n.empty()) newLacks = true;
            else return TFormsComparison::Conflict;
        }
    if (oldLacks && newLacks) return TFormsComparison::Conflict;
    if (oldLacks) return TFormsComparison::OldLacks;
    if (newLacks) return TFormsComparison::NewLacks;
    return TFormsComparison::Identical;
}

TReplacementPlan PlanWordReplacement(const TReplaceQuestion& q) {
    TReplacementPlan plan;
    plan.Old = BuildFormTable(q.Lang, q.Kind, q.OldStem, q.OldForms);
    plan.New = BuildFormTable(q.Lang, q.Kind, q.NewStem, q.NewForms);
    const std::string oldLemma = plan.Old.Lemma();
    plan.Caption = FormatText("Замена слова \"%s\""_cp1251, {oldLemma});
    plan.Info = FormatText(
        "В словаре уже есть слово \"%s\", но которое изменяется не так, как новое слово \"%s\".\r\n"
        "Если старое слово было введено неправильно - его нужно заменить"_cp1251,
        {oldLemma, plan.New.Lemma()});
    auto answer = [&plan](TReplaceAnswer a) {
        plan.ShowDialog = false;
        plan.Answer = a;
        return plan;
    };
    auto dialog = [&plan] {
        plan.ShowDialog = true;
        return plan;
    };

    const TFormsComparison outcome = CompareForms(plan.Old, plan.New);
    if (outcome != TFormsComparison::Conflict) {
        if (q.Kind == kNoun && outcome == TFormsComparison::Identical && MayFormCommonGender(q)) {
            plan.Info = FormatText(
                "В словаре уже есть слово \"%s\", которое возможно вместе с введенным словом образует "
                "существительное общего рода.\rЕсли это так - оставьте оба слова в словаре, иначе выберите одно из двух."_cp1251,
                {oldLemma});
            plan.Preset = kKeepBoth;
            return dialog();
        }
        plan.Preset = outcome == TFormsComparison::NewLacks ? kKeepOld : kReplaceOld;
        plan.OfferBoth = false;
        if (q.Kind == kNoun && outcome == TFormsComparison::OldLacks) return answer(kReplaceOld);
    }
    if (q.Kind == kNoun && DifferOnlyInLooseSlots(plan.Old, plan.New)) return answer(kReplaceOld);
    if (plan.OfferBoth) {
        bool sameWord = false;
        if (q.Kind == kAdjective) sameWord = SlotsAgree(plan.Old, plan.New, 1, 4, true);
        if (q.Kind == kNoun) {
            const auto& first = plan.Old.Slots;
            sameWord = (first[0][0].empty() || SlotsAgree(plan.Old, plan.New, 1, 6, false)) &&
                       (first[6][0].empty() || SlotsAgree(plan.Old, plan.New, 7, 12, false));
        }
        if (sameWord) {
            plan.OfferBoth = false;
            if (plan.Preset == kKeepBoth) plan.Preset = kReplaceOld;
        }
    }
    return dialog();
}

}  // namespace kunimor

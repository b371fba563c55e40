#include "editing/WordFormsSession.h"

#include "editing/BelEditModule.h"
#include "morphology/FormSynthesis.h"
#include "morphology/FormsText.h"
#include "morphology/StemList.h"
#include "morphology/WordKind.h"

#include <algorithm>
#include <set>

namespace kunimor {

TWordFormsSession::TWordFormsSession(TBelEditModule& module, int lang, int kind, std::string word, int16_t tag)
    : module_(module), lang_(lang), kind_(kind), word_(std::move(word)), tag_(tag), seeker_(module, lang, kind) {
    for (int f = 1; f <= seeker_.FormCount(); ++f)
        for (bool alt : {false, true}) seeker_.SetForm(f, alt, std::string(kUnknownForm));
    seeker_.SetForm(1, false, word_);
    if (kind_ != kUnchangeable) seeker_.FindCandidates();
}

namespace {

std::string WFormsText(TBelModule& m, int lang, int kind, int slot, bool alt, int field) {
    Table& t = m.tblWForms();
    if (t.Locate("Lang;Kind;No;Alt", {Value(int32_t{lang}), Value(int32_t{kind}), Value(int32_t{slot}), Value(alt)}))
        return t.GetString(field);
    return {};
}

}  // namespace

std::string TWordFormsSession::Question() const {
    std::string q = WFormsText(module_, lang_, kind_, slot_, alt_, WFormsField::Quest);
    if (q.empty() && alt_) q = WFormsText(module_, lang_, kind_, slot_, false, WFormsField::Quest);
    return q;
}

std::string TWordFormsSession::Description() const {
    std::string d = WFormsText(module_, lang_, kind_, slot_, alt_, WFormsField::Info);
    if (d.empty() && alt_) d = WFormsText(module_, lang_, kind_, slot_, false, WFormsField::Info) + " (альт.)";
    return d;
}

std::string TWordFormsSession::CandidateForm(int index) const {
    const TEtaRec& rec = Candidates().at(static_cast<size_t>(index));
    std::string form;
    TryBuildForm(lang_, rec.Osnova, rec.Forms, true, form, alt_, slot_);
    return form;
}

std::vector<std::string> TWordFormsSession::CandidateStemForms(const TEtaRec& rec, int slot, bool alt) const {
    std::vector<std::string> forms;
    for (const std::string& stem : SplitStemList(rec.Stems)) {
        std::string form;
        if (TryBuildForm(lang_, stem, rec.Forms, true, form, alt, slot)) forms.push_back(form);
    }
    return forms;
}

std::string TWordFormsSession::Proposal(int index) const {
    if (index < 0 || index >= static_cast<int>(Candidates().size())) return word_;
    const TEtaRec& rec = Candidates()[static_cast<size_t>(index)];
    const std::vector<std::string> forms = CandidateStemForms(rec, slot_, alt_);
    if (forms.empty()) return word_;
    const std::string own = CandidateForm(index);
    std::string best = forms.front();
    int bestScore = -1;
    for (const std::string& form : forms) {
        const int score = EndingScore(own, form);
        if (score > bestScore) {
            bestScore = score;
            best = form;
        }
    }
    return best;
}

bool TWordFormsSession::Next(int& slot, bool& alt) const {
    if (slot < SlotCount()) {
        ++slot;
        return true;
    }
    if (alt) return false;
    slot = 1;
    alt = true;
    return true;
}

std::vector<std::string> TWordFormsSession::BuiltForms(int slot, bool alt) const {
    std::vector<std::string> all;
    for (const TEtaRec& rec : Candidates())
        for (std::string& form : CandidateStemForms(rec, slot, alt)) all.push_back(std::move(form));
    return all;
}

bool TWordFormsSession::AutoAdvance() {
    int slot = slot_;
    bool alt = alt_;
    while (Next(slot, alt)) {
        const std::vector<std::string> forms = BuiltForms(slot, alt);
        if (!forms.empty() && std::all_of(forms.begin(), forms.end(), [&](const auto& f) { return f == forms[0]; })) {
            seeker_.SetForm(slot, alt, forms[0]);
            continue;
        }
        const bool anyEntry = std::any_of(Candidates().begin(), Candidates().end(), [&](const TEtaRec& rec) {
            return !FormEnding(rec.Forms, slot, alt).empty();
        });
        if (!anyEntry) {
            seeker_.SetForm(slot, alt, "");
            continue;
        }
        slot_ = slot;
        alt_ = alt;
        return true;
    }
    return false;
}

void TWordFormsSession::Prune(int keep) {
    std::set<std::string> seen;
    for (int i = 0; i < static_cast<int>(seeker_.Candidates.size());) {
        const TEtaRec& rec = seeker_.Candidates[static_cast<size_t>(i)];
        bool added = false;
        const std::vector<std::string> forms = CandidateStemForms(rec, slot_, alt_);
        for (const std::string& form : forms) added = seen.insert(form).second || added;
        if (!forms.empty() && !added && i != keep) {
            seeker_.DeleteCandidate(i);
            if (keep > i) --keep;
        } else {
            ++i;
        }
    }
}

TWordFormsSession::TStep TWordFormsSession::Accept(const std::string& form, int keep) {
    seeker_.SetForm(slot_, alt_, form);
    if (kind_ == kUnchangeable) return form.empty() ? TStep::More : TStep::Done;
    history_.push_back({slot_, alt_, Question(), form});
    // The kept candidate is followed by its paradigm number across the refilter.
    const int32_t keptNo = keep >= 0 && keep < static_cast<int>(Candidates().size())
                               ? Candidates()[static_cast<size_t>(keep)].EtalonNo
                               : -2;
    seeker_.FindCandidates();
    if (Candidates().empty()) return TStep::NoCandidate;
    if (slot_ == SlotCount() && alt_) return TStep::Done;
    if (!AutoAdvance()) return TStep::Done;
    int kept = -1;
    for (int i = 0; i < static_cast<int>(Candidates().size()); ++i)
        if (Candidates()[static_cast<size_t>(i)].EtalonNo == keptNo) kept = i;
    Prune(kept);
    return TStep::More;
}

TWordFormsSession::TStep TWordFormsSession::ApplyCandidate(int index) {
    if (index < 0 || index >= static_cast<int>(Candidates().size())) return TStep::More;
    const int32_t chosen = Candidates()[static_cast<size_t>(index)].EtalonNo;
    for (;;) {
        auto at = std::find_if(Candidates().begin(), Candidates().end(),
                               [&](const TEtaRec& rec) { return rec.EtalonNo == chosen; });
        if (at == Candidates().end()) return TStep::More;
        const int i = static_cast<int>(at - Candidates().begin());
        const TStep step = Accept(Proposal(i), i);
        if (step != TStep::More) {
            if (step == TStep::Done) {
                // Store takes the first candidate: the chosen one.
                auto it = std::find_if(seeker_.Candidates.begin(), seeker_.Candidates.end(),
                                       [&](const TEtaRec& rec) { return rec.EtalonNo == chosen; });
                if (it != seeker_.Candidates.end()) std::rotate(seeker_.Candidates.begin(), it, it + 1);
            }
            return step;
        }
    }
}

void TWordFormsSession::ResetFrom(int slot, bool alt) {
    do seeker_.SetForm(slot, alt, std::string(kUnknownForm));
    while (Next(slot, alt));
}

void TWordFormsSession::Back() {
    if (history_.empty()) return;
    const TAnswer last = history_.back();
    history_.pop_back();
    slot_ = last.slot;
    alt_ = last.alt;
    if (slot_ == 1 && !alt_) {
        for (int f = 1; f <= SlotCount(); ++f)
            for (bool alt : {false, true}) seeker_.SetForm(f, alt, std::string(kUnknownForm));
        seeker_.SetForm(1, false, word_);
    } else {
        ResetFrom(slot_, alt_);
    }
    seeker_.FindCandidates();
    Prune(-1);
}

std::string TWordFormsSession::EnteredForms() const {
    std::string text;
    for (int f = 1; f <= SlotCount(); ++f) {
        auto known = [&](bool alt) {
            const std::string& form = seeker_.GetForm(f, alt);
            return IsKnownForm(form) ? form : std::string();
        };
        text += known(false) + "|" + known(true) + ";";
    }
    return text;
}

void TWordFormsSession::UseNewParadigm(const std::string& stem, const std::string& forms, int gender) {
    TEtaRec rec;
    rec.RodChislo = kind_ == kNoun ? gender : 0;
    rec.EtalonNo = module_.FindOrAddParadigm(lang_, stem, -1, rec.RodChislo, forms, kind_);
    rec.Osnova = stem;
    rec.Forms = forms;
    std::string stems;
    rec.Stems = seeker_.ExtractStems(forms, stems) ? stems : stem;
    seeker_.Candidates.assign(1, rec);
}

int32_t TWordFormsSession::Store(int32_t wordNo) {
    int16_t tag = tag_;
    seeker_.ApplyCandidate(wordNo, tag, [&](int lang, int32_t no, int16_t t, int32_t etalonNo, const std::string& stem) {
        return module_.SaveWord(lang, no, t, static_cast<int16_t>(etalonNo), stem);
    });
    return wordNo;
}

}  // namespace kunimor

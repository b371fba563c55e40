#include "dictionary/AdvStemSeeker.h"

#include <algorithm>

#include "dictionary/BelModule.h"
#include "ground/Error.h"
#include "dictionary/Schema.h"
#include "dictionary/TagCodes.h"
#include "morphology/WordKind.h"
#include "morphology/FormSynthesis.h"
#include "morphology/FormsText.h"
#include "morphology/StemList.h"

namespace kunimor {
namespace {

constexpr std::string_view kEtalonNoIndex = "EtalonNoInd";

Table& WithEtalonNoIndex(Table& words) {
    if (words.FindIndex(kEtalonNoIndex) < 0) words.AddIndex(std::string(kEtalonNoIndex), "EtalonNo");
    words.SetIndexName(kEtalonNoIndex);
    return words;
}

// Switches the kind filter off however the search ends.
class KindFilter {
public:
    KindFilter(Table& table, int kind) : table_(table) {
        table_.SetFilterText("Kind = " + std::to_string(kind));
        table_.SetFiltered(true);
    }
    ~KindFilter() { table_.SetFiltered(false); }
    KindFilter(const KindFilter&) = delete;
    KindFilter& operator=(const KindFilter&) = delete;

private:
    Table& table_;
};

}  // namespace

int EndingScore(std::string_view reference, std::string_view built) {
    std::size_t common = 0;
    while (common < reference.size() && common < built.size() &&
           reference[reference.size() - 1 - common] == built[built.size() - 1 - common]) {
        ++common;
    }
    int score = static_cast<int>(common);
    if (reference == built) {
        score *= 4;
    } else if (common == reference.size()) {
        score *= 2;
    }
    return score;
}

TAdvStemSeeker::TAdvStemSeeker(TBelModule& module, int lang, int kind)
    : TStemSeeker(lang, kunimor::FormCount(kind)),
      EtalonTbl(module.EtalonTable(lang)),
      WordsTbl(WithEtalonNoIndex(module.WordsTable(lang))),
      Kind(kind) {}

void TAdvStemSeeker::ForEachWordStem(int32_t etalonNo, const std::function<bool(const std::string&)>& visit) {
    WordsTbl.SetIndexName(kEtalonNoIndex);  // editing between searches may have switched it
    if (!WordsTbl.FindKey({Value(etalonNo)})) return;
    for (; !WordsTbl.Eof() && WordsTbl.GetInt(WordsField::EtalonNo) == etalonNo; WordsTbl.Next()) {
        if (!visit(WordsTbl.GetString(WordsField::Osnova))) return;
    }
}

void TAdvStemSeeker::FindCandidates() {
    Candidates.clear();
    {
        KindFilter filter(EtalonTbl, Kind);
        for (EtalonTbl.First(); !EtalonTbl.Eof(); EtalonTbl.Next()) {
            const std::string& forms = EtalonTbl.GetString(EtalonField::Forms);
            const int rodChislo = EtalonTbl.GetInt(EtalonField::RodChislo);
            std::string stems;
            if (!ExtractStems(forms, stems)) continue;
            if (NeedSecondHalf && !HalfForms(Kind, forms).inSecond) continue;
            if (NeedGender != 0 && NeedGender != rodChislo) continue;
            if (NeedAnimacy != 0 && NeedAnimacy != Animacy(forms, rodChislo == 1, kNoun)) continue;
            TEtaRec rec;
            rec.EtalonNo = EtalonTbl.GetInt(EtalonField::No);
            rec.Osnova = EtalonTbl.GetString(EtalonField::Osnova);
            rec.Forms = forms;
            rec.RodChislo = Kind == kNoun ? rodChislo : 0;
            rec.Stems = std::move(stems);
            Candidates.push_back(std::move(rec));
        }
    }
    RankCandidates();
}

void TAdvStemSeeker::RankCandidates() {
    const int last = FormCount();
    int refNo = 0;
    bool refAlt = true;
    if (IsKnownForm(GetForm(last, true))) {
        refNo = last;
    } else {
        refAlt = false;
        for (int f = last; f >= 1 && refNo == 0; --f) {
            if (IsKnownForm(GetForm(f, false))) refNo = f;
        }
    }
    if (refNo == 0) return;
    const std::string& reference = GetForm(refNo, refAlt);
    const std::string reversed(reference.rbegin(), reference.rend());
    for (TEtaRec& rec : Candidates) {
        rec.Score = -1;
        // The word whose form shares the longest ending with the reference
        // sorts next to it by reversed text.
        const std::vector<BuiltForm>& forms = ReferenceForms(rec, refNo, refAlt);
        auto next = std::lower_bound(forms.begin(), forms.end(), reversed,
                                     [](const BuiltForm& f, const std::string& key) { return f.reversed < key; });
        for (auto it : {next, next == forms.begin() ? forms.end() : std::prev(next)}) {
            if (it == forms.end()) continue;
            const int score = EndingScore(reference, std::string(it->reversed.rbegin(), it->reversed.rend()));
            if (score > rec.Score) {
                rec.Score = score;
                rec.Osnova = it->stem;
            }
        }
    }
    std::stable_sort(Candidates.begin(), Candidates.end(),
                     [](const TEtaRec& a, const TEtaRec& b) { return a.Score > b.Score; });
}

const std::vector<TAdvStemSeeker::BuiltForm>& TAdvStemSeeker::ReferenceForms(const TEtaRec& rec, int refNo,
                                                                            bool refAlt) {
    auto [it, added] = referenceForms_.try_emplace({rec.EtalonNo, refNo, refAlt});
    if (!added) return it->second;
    std::vector<BuiltForm>& forms = it->second;
    ForEachWordStem(rec.EtalonNo, [&](const std::string& stem) {
        std::string built;
        // A word its paradigm's rules do not fit resembles nothing.
        if (TryBuildForm(Lang, stem, rec.Forms, true, built, refAlt, refNo))
            forms.push_back({std::string(built.rbegin(), built.rend()), stem});
        return true;
    });
    std::stable_sort(forms.begin(), forms.end(),
                     [](const BuiltForm& a, const BuiltForm& b) { return a.reversed < b.reversed; });
    return forms;
}

void TAdvStemSeeker::RememberWord(int32_t etalonNo, const std::string& stem) {
    for (auto& [key, forms] : referenceForms_) {
        const auto [no, refNo, refAlt] = key;
        if (no != etalonNo || !EtalonTbl.Locate("No", {Value(etalonNo)})) continue;
        std::string built;
        if (!TryBuildForm(Lang, stem, EtalonTbl.GetString(EtalonField::Forms), true, built, refAlt, refNo)) continue;
        BuiltForm form{std::string(built.rbegin(), built.rend()), stem};
        auto at = std::upper_bound(forms.begin(), forms.end(), form,
                                   [](const BuiltForm& a, const BuiltForm& b) { return a.reversed < b.reversed; });
        forms.insert(at, std::move(form));
    }
}

void TAdvStemSeeker::DeleteCandidate(int index) {
    if (index < 0 || index >= static_cast<int>(Candidates.size())) {
        throw Error("Candidate " + std::to_string(index) + " out of range");
    }
    Candidates.erase(Candidates.begin() + index);
}

void TAdvStemSeeker::ApplyCandidate(int32_t& wordNo, int16_t& tag, const TWordStore& store) {
    if (Kind == kUnchangeable) {
        TEtaRec rec;
        rec.EtalonNo = -1;
        rec.Stems = GetForm(1, false);
        Candidates.assign(1, rec);
    }
    if (Candidates.empty()) throw Error("Can't determine a stem for word!");
    const TEtaRec& chosen = Candidates.front();
    const std::vector<std::string> stems = SplitStemList(chosen.Stems);
    if (stems.empty()) throw Error("Can't determine a stem for word!");
    // Among several stems the one most like the stems of the paradigm's
    // words wins; without words the first one stays.
    std::string stem = stems.front();
    if (stems.size() > 1) {
        int bestScore = -1;
        ForEachWordStem(chosen.EtalonNo, [&](const std::string& wordStem) {
            for (const std::string& candidate : stems) {
                const int score = EndingScore(wordStem, candidate);
                if (score > bestScore) {
                    bestScore = score;
                    stem = candidate;
                }
            }
            return true;
        });
    }
    if (Kind == kNoun && Gender != 0 && Gender != kRodPlural && Gender != chosen.RodChislo) {
        WordTagFields fields = DecodeWordTag(kNoun, tag);
        fields.a = static_cast<uint8_t>(Gender);
        tag = EncodeWordTag(kNoun, fields);
    }
    wordNo = store(Lang, wordNo, tag, chosen.EtalonNo, stem);
    if (wordNo >= 0) {
        BestStem = stem;
        BestForms = chosen.Forms;
    }
}

bool TAdvStemSeeker::NewParadigmFromForms(const TParadigmStore& store, const TParadigmConfirm& confirm) {
    if (!FindStemAndForms()) return false;
    if (confirm && !confirm(BestStem, BestForms)) return false;
    TEtaRec rec;
    rec.RodChislo = Kind == kNoun ? Gender : 0;
    rec.EtalonNo = store(Lang, BestStem, BestForms, Kind, rec.RodChislo);
    rec.Osnova = BestStem;
    rec.Forms = BestForms;
    rec.Stems = BestStem;
    Candidates.assign(1, rec);
    return true;
}

}  // namespace kunimor

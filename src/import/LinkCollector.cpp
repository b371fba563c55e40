#include "import/LinkCollector.h"

#include "import/Participles.h"
#include "import/Supplement.h"
#include "ground/Language.h"
#include "dictionary/Schema.h"
#include "morphology/WordKind.h"
#include "morphology/FormsText.h"
#include "morphology/ReflexiveSuffix.h"
#include "ground/Cp1251Literal.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace kunimor::import {

namespace {

// Correspondence flags, from Belarusian to Russian.
constexpr int kFirstToFirst = 1, kSecondToSecond = 2, kFirstToSecond = 4;

int EditDistance(const std::string& a, const std::string& b) {
    std::vector<int> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = static_cast<int>(j);
    for (size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (size_t j = 1; j <= b.size(); ++j) {
            const int up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = up;
        }
    }
    return row[b.size()];
}

}  // namespace

// The Belarusian data writes some lemmas with е for ё (ен for ён, заўседы):
// a curated lemma the data does not know is looked up that way too.
const std::string& TLinkCollector::DataSpelling(int lang, const std::string& lemma) {
    if (lang != kBelarusian || !builder_.WordsOfLemma(lang, lemma).empty()) return lemma;
    std::string plain = lemma;
    for (char& c : plain)
        if (c == U'ё'_cp1251) c = U'е'_cp1251;
    if (builder_.WordsOfLemma(lang, plain).empty()) return lemma;
    return plainSpellings_.emplace(lemma, plain).first->second;
}

std::vector<int32_t> TLinkCollector::Words(int lang, const std::string& written, int kind, int gender,
                                           const char* what) {
    const auto [bare, homonymForm] = SplitHomonymForm(written);
    const std::string lemma(bare);
    std::set<int32_t> withForm;
    if (!homonymForm.empty())
        for (const auto& f : builder_.WordsWithForm(lang, std::string(homonymForm))) withForm.insert(f.No);
    std::vector<int32_t> exact, ofKind;
    for (const auto& w : builder_.WordsOfLemma(lang, DataSpelling(lang, lemma))) {
        if (kind != kUndefinedKind && w.Kind != kind) continue;
        if (!homonymForm.empty() && !withForm.contains(w.No)) continue;
        ofKind.push_back(w.No);
        if (gender == 0 || w.RodChislo == 0 || w.RodChislo == gender) exact.push_back(w.No);
    }
    // A phrase neither generator has as one entry becomes a collocation.
    if (ofKind.empty() && kind == kUnchangeable && lemma.find(' ') != std::string::npos)
        if (const int32_t colloc = phrases_.Collocation(lang, lemma)) return {colloc};
    if (ofKind.empty()) report_.Count("dropped", std::string("pair: ") + what + " word not in the dictionary");
    return exact.empty() ? ofKind : exact;
}

// Words of one kind link half to half (singular to singular, plain to
// reflexive...) where both have the half; links across kinds carry none.
int TLinkCollector::CorrespondenceFlags(int32_t ruNo, int32_t beNo) const {
    const int kind = builder_.KindOfWord(kRussian, ruNo);
    if (kind != builder_.KindOfWord(kBelarusian, beNo)) return 0;
    const FormHalves ru = HalfForms(kind, builder_.FormsOfWord(kRussian, ruNo));
    const FormHalves be = HalfForms(kind, builder_.FormsOfWord(kBelarusian, beNo));
    return (ru.inFirst && be.inFirst ? kFirstToFirst : 0) | (ru.inSecond && be.inSecond ? kSecondToSecond : 0);
}

template <class Change>
int TLinkCollector::Link(const std::string& ru, int ruKind, int ruGender, const std::string& be, int beKind,
                         int beGender, Change change) {
    const auto ruWords = Words(kRussian, ru, ruKind, ruGender, "Russian");
    const auto beWords = Words(kBelarusian, be, beKind, beGender, "Belarusian");
    const std::string ruLemma(SplitHomonymForm(ru).first), beLemma(SplitHomonymForm(be).first);
    const int distance = EditDistance(ruLemma, beLemma);
    // A pronoun's pair names no kind: where its words of one kind meet words
    // of the same kind on the other side (он ↔ ён, both declined by gender),
    // only those pairs link; a link across kinds would carry forms over by
    // number into a paradigm that numbers them otherwise (noun dative plural
    // into the adjective's masculine dative).
    bool sameKindOnly = false;
    if (ruKind == kUndefinedKind || beKind == kUndefinedKind)
        for (int32_t r : ruWords)
            for (int32_t b : beWords)
                sameKindOnly |= builder_.KindOfWord(kRussian, r) == builder_.KindOfWord(kBelarusian, b);
    int made = 0;
    for (int32_t r : ruWords) {
        for (int32_t b : beWords) {
            if (sameKindOnly && builder_.KindOfWord(kRussian, r) != builder_.KindOfWord(kBelarusian, b)) continue;
            auto [it, fresh] = links_.try_emplace({r, b});
            if (fresh) it->second.Distance = distance;
            made += change(it->second, fresh) ? 1 : 0;
        }
    }
    if (made > 0 && IsVerb(ruKind) && IsVerb(beKind)) {
        LinkReflexiveHalves(ruWords, beLemma, beKind, distance, change);
        LinkParticiples(ruLemma, ruKind, beLemma, beKind, change);
    }
    return made;
}

// A verb pair stands for the pairs of its participles of the same type
// (удалённый ↔ выдалены). Belarusian has hardly any present passive
// participles and says выкарыстоўваны for используемый: its past passive
// participle stands in, into Belarusian only.
template <class Change>
void TLinkCollector::LinkParticiples(const std::string& ru, int ruKind, const std::string& be, int beKind,
                                     Change change) {
    constexpr int kOnlyAsLastResort = 3;
    for (const char* type : {"pp pasv", "pprs pasv", "pp actv", "pprs actv"}) {
        const auto& ruWords = builder_.WordsOfLemma(kRussian, ParticipleLemma(ru, ruKind, type));
        if (ruWords.empty()) continue;
        const std::string_view ruType = type;
        const auto* beWords = &builder_.WordsOfLemma(kBelarusian, ParticipleLemma(be, beKind, type));
        const bool standIn = beWords->empty() && ruType == "pprs pasv";
        if (standIn) beWords = &builder_.WordsOfLemma(kBelarusian, ParticipleLemma(be, beKind, "pp pasv"));
        for (const auto& r : ruWords) {
            for (const auto& b : *beWords) {
                auto [it, fresh] = links_.try_emplace({r.No, b.No});
                if (fresh) it->second.Distance = EditDistance(ru, be);
                change(it->second, fresh);
                if (standIn && fresh) it->second.IntoRussian = kOnlyAsLastResort;
            }
        }
    }
}

// Russian keeps a verb's -ся forms in its second half, Belarusian makes the
// reflexive verb a word of its own: the pair of the plain verbs stands for
// that one too (выкарыстоўваецца for используется).
template <class Change>
void TLinkCollector::LinkReflexiveHalves(const std::vector<int32_t>& ruWords, const std::string& be, int beKind,
                                         int distance, Change change) {
    constexpr int kReflexiveInfinitive = 16;
    if (be.empty()) return;
    const std::string reflexive = ReflexiveSuffix(kBelarusian, kReflexiveInfinitive, be);
    for (const auto& w : builder_.WordsOfLemma(kBelarusian, reflexive)) {
        if (w.Kind != beKind) continue;
        for (int32_t r : ruWords) {
            if (!HalfForms(beKind, builder_.FormsOfWord(kRussian, r)).inSecond) continue;
            auto [it, fresh] = links_.try_emplace({r, w.No});
            if (fresh) {
                it->second.Distance = distance;
                it->second.ReflexiveHalf = true;
            }
            change(it->second, fresh);
        }
    }
}

void TLinkCollector::AddCurated(const TCuratedPair& p) {
    const int made = Link(p.Ru, p.RuKind, p.RuGender, p.Be, p.BeKind, p.BeGender, [&](TLink& l, bool) {
        if (p.IntoRussian) l.IntoRussian = 1;
        if (p.IntoBelarusian) l.IntoBelarusian = 1;
        const Tier tier = p.IntoRussian && p.IntoBelarusian ? kBothDirections : kOneDirection;
        l.Rank = std::min(l.Rank, tier);
        return true;
    });
    if (made > 0) report_.Count("taken", "pairs from the bilingual dictionaries");
}

void TLinkCollector::AddInduced(const TLemmaPair& p) {
    const int made = Link(p.Ru, p.Kind, 0, p.Be, p.Kind, 0, [](TLink&, bool fresh) { return fresh; });
    report_.Count(made > 0 ? "taken" : "dropped", "verb pairs found by spelling");
}

// A function word the supplement names but the generator lacks (Belarusian
// гэта as the pronoun) needs no paradigm: it is added as it is written.
void TLinkCollector::AddMissingFunctionWord(int lang, const std::string& word) {
    if (word.find_first_of(" -") != std::string::npos) return;
    for (const auto& w : builder_.WordsOfLemma(lang, word))
        if (w.Kind == kUnchangeable) return;
    builder_.IndexLemma(lang, word, kUnchangeable, 0, builder_.AddWord(lang, word, -1, 0));
    report_.Count("taken", std::string(lang == kRussian ? "Russian" : "Belarusian") + " function words from the supplement");
}

void TLinkCollector::AddMissingFunctionWords(const std::string& ru, const std::string& be, int kind) {
    if (kind != kUnchangeable) return;
    AddMissingFunctionWord(kRussian, ru);
    AddMissingFunctionWord(kBelarusian, be);
}

void TLinkCollector::AddSupplement(const std::string& ru, const std::string& be, int kind, int priority) {
    AddMissingFunctionWords(ru, be, kind);
    const int made = Link(ru, kind, 0, be, kind, 0, [&](TLink& l, bool) {
        l.IntoRussian = l.IntoBelarusian = std::clamp(priority, 0, 3);
        l.Rank = kSupplement;
        return true;
    });
    report_.Count(made > 0 ? "taken" : "dropped", "pairs from the supplement");
}

void TLinkCollector::AddCore(const std::string& ru, const std::string& be, int kind, int priority, int sourceLang) {
    AddMissingFunctionWords(ru, be, kind);
    const int target = 1 - sourceLang;
    const int order = coreEntries_++;
    std::set<int32_t>& covered = coreSources_[sourceLang];
    const int made = Link(ru, kind, 0, be, kind, 0, [&](TLink& l, bool) {
        (target == kRussian ? l.IntoRussian : l.IntoBelarusian) = std::clamp(priority, 0, 3);
        l.CoreInto[target] = true;
        if (l.Rank != kCore) l.CoreOrder = order;
        l.Rank = kCore;
        return true;
    });
    // The source words named, not the reflexive verbs Belarusian keeps apart.
    for (const int32_t no : Words(sourceLang, sourceLang == kRussian ? ru : be, kind, 0, "source")) covered.insert(no);
    if (made > 0) report_.Count("taken", "pairs from the core vocabulary");
    else report_.CountExample("dropped", "core pairs: a word not in the dictionary with that part of speech", ru + " " + be);
}

void TLinkCollector::Write(Table& trans) const {
    using Entry = std::pair<const std::pair<int32_t, int32_t>, TLink>;
    std::vector<const Entry*> order;
    order.reserve(links_.size());
    for (const Entry& e : links_) order.push_back(&e);
    std::stable_sort(order.begin(), order.end(), [](const Entry* a, const Entry* b) {
        return std::tie(a->second.Rank, a->second.CoreOrder, a->second.Distance) <
               std::tie(b->second.Rank, b->second.CoreOrder, b->second.Distance);
    });
    // A translation the core leaves out of a word it covers yields to the core's.
    constexpr int kBesideCore = 2;
    const auto priority = [&](const Entry* e, int target) {
        const TLink& l = e->second;
        const int given = target == kRussian ? l.IntoRussian : l.IntoBelarusian;
        const int32_t sourceNo = target == kRussian ? e->first.second : e->first.first;
        if (l.CoreInto[target] || !coreSources_[1 - target].contains(sourceNo)) return given;
        return std::max(given, kBesideCore);
    };
    for (const Entry* e : order) {
        const auto [ruNo, beNo] = e->first;
        const int tag = priority(e, kRussian) | (priority(e, kBelarusian) << 2) |
                        ((e->second.ReflexiveHalf ? kFirstToSecond : CorrespondenceFlags(ruNo, beNo)) << 4);
        trans.Insert();
        trans.Set(TransField::RusNo, Value(ruNo));
        trans.Set(TransField::BelNo, Value(beNo));
        trans.Set(TransField::Tag, Value(static_cast<int32_t>(tag)));
        trans.Post();
    }
}

}  // namespace kunimor::import

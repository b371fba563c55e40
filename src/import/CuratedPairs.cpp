#include "import/CuratedPairs.h"

#include "import/AttTransducer.h"
#include "import/SourceText.h"
#include "import/TagSlots.h"
#include "ground/Language.h"
#include "morphology/WordKind.h"

#include <algorithm>
#include <optional>

namespace kunimor::import {

namespace {

struct TSide {
    std::string Lemma;
    int Kind = 0;
    int Gender = 0;
    bool Abbreviation = false;
};

std::optional<TSide> SideOf(int lang, std::string_view text, TImportReport& report) {
    const auto a = SplitAnalysis(text);
    if (!a || a->Lemma.find(' ') != std::string::npos) {
        report.Count("dropped", "pair: multiword entry");
        return std::nullopt;
    }
    TSide side;
    side.Kind = KindOfTags(a->Tags);
    // A bilingual entry names only the part of speech: pronouns and numerals
    // (and predicatives) are found by their lemma whatever kind their
    // declension gave them.
    if (side.Kind == kUndefinedKind) {
        report.Count("dropped", "pair: part of speech " + a->Tags.front());
        return std::nullopt;
    }
    const std::string& pos = a->Tags.front();
    if (pos == "prn" || pos == "det" || pos == "num" || pos == "pred") side.Kind = kUndefinedKind;
    side.Gender = side.Kind == kNoun ? NounGenderOfTags(a->Tags) : 0;
    side.Abbreviation = pos == "abbr";
    const auto lemma = DictionaryText(lang, a->Lemma, report);
    if (!lemma) return std::nullopt;
    side.Lemma = *lemma;
    return side;
}

}  // namespace

void TCuratedPairs::AddBilingual(std::string_view attText, int sourceLang) {
    ForEachAttEntry(attText, [&](std::string_view in, std::string_view out) { Add(in, out, sourceLang); });
}

void TCuratedPairs::Add(std::string_view source, std::string_view target, int sourceLang) {
    const int targetLang = 1 - sourceLang;
    const auto s = SideOf(sourceLang, source, report_);
    if (!s) return;
    const auto t = SideOf(targetLang, target, report_);
    if (!t) return;
    const TSide& ru = sourceLang == kRussian ? *s : *t;
    const TSide& be = sourceLang == kRussian ? *t : *s;
    const auto key = std::make_tuple(ru.Lemma, be.Lemma, ru.Kind, be.Kind, ru.Gender, be.Gender);
    auto [it, fresh] = index_.try_emplace(key, pairs_.size());
    if (fresh) pairs_.push_back({ru.Lemma, be.Lemma, ru.Kind, be.Kind, ru.Gender, be.Gender, false, false,
                                 ru.Abbreviation || be.Abbreviation});
    TCuratedPair& p = pairs_[it->second];
    (targetLang == kRussian ? p.IntoRussian : p.IntoBelarusian) = true;
}

}  // namespace kunimor::import

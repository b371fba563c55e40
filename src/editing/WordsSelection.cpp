#include "editing/WordsSelection.h"

#include "ground/Wildcard.h"
#include "store/Collation.h"

#include <algorithm>

namespace kunimor {

namespace {

constexpr const char* kLemmaIndex = "LemmaInd";

const std::string& LemmaOf(const Record& r, const Table& words) {
    return r.strings[words.Fields()[WordsField::Lemma].slot];
}

}  // namespace

bool TWordsFilter::TakePattern(const std::string& text) {
    if (text.find_first_of("*?-") == std::string::npos) {
        Pattern.clear();
        Negate = false;
        return false;
    }
    Negate = text.front() == '-';
    Pattern = Negate ? text.substr(1) : text;
    return true;
}

TWordsSelection::TWordsSelection(TBelEditModule& module, int lang) : module_(module), lang_(lang == 1 ? 1 : 0) {
    Table& words = module_.WordsTable(lang_);
    // The lemma index marks a table whose lemmas are current: posting keeps
    // them so, and it is not written with the dictionary, so a reloaded
    // table computes them again. (The Lemma field stays invisible, which
    // keeps it out of the files.)
    if (words.FindIndex(kLemmaIndex) >= 0) return;
    module_.RefreshLemmas(lang_);  // before the index exists, so filling them moves no record
    words.AddIndex(kLemmaIndex, "Lemma:L");
}

bool TWordsSelection::Passes(const TWordsFilter& filter, const Record& r) const {
    const Table& words = Words();
    if (filter.Paradigm != 0 && words.FieldValue(r, WordsField::EtalonNo) != Value(int32_t{filter.Paradigm}))
        return false;
    if (filter.OnlyModified && !words.FieldValue(r, WordsField::Modif).AsBool()) return false;
    if (filter.Untranslated &&
        std::binary_search(linked_.begin(), linked_.end(), words.FieldValue(r, WordsField::No).AsInt()))
        return false;
    if (!filter.Pattern.empty() && MatchesWildcard(LemmaOf(r, words), filter.Pattern) == filter.Negate) return false;
    return true;
}

void TWordsSelection::Select(const TWordsFilter& filter, bool recount) {
    const Table& words = Words();
    const Index& byLemma = words.IndexAt(words.FindIndex(kLemmaIndex));
    rows_.clear();
    linked_.clear();
    if (filter.Untranslated) {
        // One pass over the links beats a keyed lookup for every word.
        const Table& trans = module_.tblTrans();
        const int side = lang_ == 1 ? TransField::BelNo : TransField::RusNo;
        for (const Record* link : trans.RecordOrder()) linked_.push_back(trans.FieldValue(*link, side).AsInt());
        std::sort(linked_.begin(), linked_.end());
    }
    if (!filter.Active()) {
        rows_.assign(byLemma.refs.begin(), byLemma.refs.end());
    } else {
        for (const Record* r : byLemma.refs)
            if (Passes(filter, *r)) rows_.push_back(r);
    }
    if (recount) counted_ = Size();
    generation_ = words.Generation();
    transGeneration_ = TransGeneration();
}

int32_t TWordsSelection::NoAt(int row) const { return Words().FieldValue(At(row), WordsField::No).AsInt(); }

int16_t TWordsSelection::EtalonNoAt(int row) const {
    const Value v = Words().FieldValue(At(row), WordsField::EtalonNo);
    return v.IsNull() ? int16_t{-1} : static_cast<int16_t>(v.AsInt());
}

int16_t TWordsSelection::TagAt(int row) const {
    return static_cast<int16_t>(Words().FieldValue(At(row), WordsField::Tag).AsInt());
}

std::string TWordsSelection::OsnovaAt(int row) const { return Words().FieldValue(At(row), WordsField::Osnova).AsString(); }

std::string TWordsSelection::LemmaAt(int row) const { return LemmaOf(At(row), Words()); }

int TWordsSelection::RowOfNo(int32_t no) const {
    for (int row = 0; row < Size(); ++row)
        if (NoAt(row) == no) return row;
    return -1;
}

int TWordsSelection::FirstWithPrefix(const std::string& prefix) const {
    if (prefix.empty()) return -1;
    const Table& words = Words();
    // Lemmas cut to the prefix's length keep the rows' order, so the rows
    // that begin with it form one run.
    auto cut = [&](const Record* r) { return std::string_view(LemmaOf(*r, words)).substr(0, prefix.size()); };
    auto it = std::partition_point(rows_.begin(), rows_.end(), [&](const Record* r) {
        return CompareStrings(cut(r), prefix, Collation::Dictionary) < 0;
    });
    if (it == rows_.end() || CompareStrings(cut(*it), prefix, Collation::Dictionary) != 0) return -1;
    return static_cast<int>(it - rows_.begin());
}

}  // namespace kunimor

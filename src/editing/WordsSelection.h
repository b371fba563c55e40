#pragma once

#include "editing/BelEditModule.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kunimor {

// The filters of the words browser. A record passes when it passes every
// filter that is on.
struct TWordsFilter {
    int16_t Paradigm = 0;  // EtalonNo to keep; 0 = off
    bool OnlyModified = false;
    bool Untranslated = false;  // only words without a translation link
    std::string Pattern;        // wildcard over the lemma; empty = off
    bool Negate = false;        // keep the lemmas the pattern does not match

    bool Active() const { return Paradigm != 0 || OnlyModified || Untranslated || !Pattern.empty(); }
    // The pattern button: a text with "*", "?" or "-" becomes the pattern,
    // a leading "-" negating it; any other text clears the pattern. Returns
    // whether a pattern is now set.
    bool TakePattern(const std::string& text);
};

// One language's words as the words browser lists them: the records that
// pass a filter, in dictionary order of their lemmas. The row list points
// into the words table, so it is rebuilt (Select) after every change of the
// table; Stale tells when one happened. Windows-1251 texts.
class TWordsSelection {
public:
    // Computes every lemma of the language once per loaded table (posting
    // keeps them current from then on) and adds the lemma index.
    TWordsSelection(TBelEditModule& module, int lang);

    // Rebuilds the rows; recount is false when only the position is being
    // restored, so Counted keeps the count of the last filter change.
    void Select(const TWordsFilter& filter, bool recount = true);
    bool Stale() const { return generation_ != Words().Generation() || transGeneration_ != TransGeneration(); }

    int Lang() const { return lang_; }
    int Size() const { return static_cast<int>(rows_.size()); }
    int Counted() const { return counted_; }
    int TotalWords() const { return Words().RecordCount(); }
    const Record& At(int row) const { return *rows_[row]; }
    int32_t NoAt(int row) const;
    int16_t EtalonNoAt(int row) const;  // -1 without a paradigm
    int16_t TagAt(int row) const;
    std::string OsnovaAt(int row) const;
    std::string LemmaAt(int row) const;
    // The row of word no, or -1.
    int RowOfNo(int32_t no) const;
    // The first row whose lemma begins with prefix in dictionary order, or -1.
    int FirstWithPrefix(const std::string& prefix) const;

private:
    const Table& Words() const { return module_.WordsTable(lang_); }
    uint64_t TransGeneration() const { return module_.tblTrans().Generation(); }
    bool Passes(const TWordsFilter& filter, const Record& r) const;

    TBelEditModule& module_;
    int lang_;
    std::vector<const Record*> rows_;
    std::vector<int32_t> linked_;  // the language's numbers that have links, while Untranslated is on
    int counted_ = 0;
    uint64_t generation_ = 0, transGeneration_ = 0;
};

}  // namespace kunimor

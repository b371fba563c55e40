#include "dictionary/StemSeeker.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "dictionary/BelModule.h"
#include "dictionary/SeekCache.h"
#include "ground/Direction.h"
#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "morphology/FormSynthesis.h"
#include "store/IndexedRecords.h"
#include "morphology/Junction.h"
#include "morphology/ParsedParadigm.h"

namespace kunimor {
namespace {

constexpr std::string_view kOwnStemIndex = "OsnovaInd";
constexpr std::string_view kAdditionalStemIndex = "StemInd";
constexpr std::string_view kWordNoIndex = "NoInd";
constexpr std::string_view kEtalonNoIndex = "NoInd";

Table& CurrentOn(Table& table, std::string_view indexName) {
    if (table.FindIndex(indexName) != table.CurrentIndexPosition()) table.SetIndexName(indexName);
    return table;
}

class Seeker {
public:
    // Sets the source words and stem tables to the indexes it searches,
    // whatever index they were on before.
    Seeker(TBelModule& module, std::string_view surface)
        : module_(module),
          surface_(surface),
          lang_(SourceLang),
          words_(CurrentOn(module.WordsTable(lang_), kOwnStemIndex), kOwnStemIndex),
          stems_(CurrentOn(module.StemTable(lang_), kAdditionalStemIndex), kAdditionalStemIndex),
          wordNumbers_(module.WordsTable(lang_), kWordNoIndex),
          etalons_(module.EtalonTable(lang_), kEtalonNoIndex) {}

    // The state of the tables the search reads.
    TSeekStamp Stamp() const {
        return SeekStamp(module_.WordsTable(lang_), module_.StemTable(lang_), module_.EtalonTable(lang_));
    }

    bool Run(const TWordFormProc* proc) {
        proc_ = proc;
        const std::size_t length = surface_.size();
        const std::size_t longest = std::min(length, kMaxStemLength);
        std::array<std::size_t, kMaxStemLength + 1> ownStarts, additionalStarts;
        words_.PrefixStarts(surface_, std::span(ownStarts).first(longest + 1));
        stems_.PrefixStarts(surface_, std::span(additionalStarts).first(longest + 1));
        for (std::size_t n = longest; n >= 1 && length - n <= kMaxEndingLength; --n) {
            const std::string_view stem = surface_.substr(0, n);
            if (!WordsWithOwnStem(stem, ownStarts[n]) || !WordsWithAdditionalStem(stem, additionalStarts[n])) break;
        }
        return found_;
    }

private:
    // Each walks the records whose key equals stem from where they start and
    // returns false when the search is to stop. Records the table's filter
    // rejects are passed over, as the table's cursor would. The key is
    // checked on every record, so that a report that changed the table
    // cannot lead the walk astray.
    bool WordsWithOwnStem(std::string_view stem, std::size_t start) {
        if (start == TIndexedRecords::npos) return true;
        for (std::size_t p = start; const Record* word = words_.At(p); ++p) {
            if (!words_.Accepts(*word)) continue;
            if (words_.Text(*word, WordsField::Osnova) != stem) break;
            CheckWord(*word);
            if (stop_) return false;
        }
        return true;
    }

    bool WordsWithAdditionalStem(std::string_view stem, std::size_t start) {
        if (start == TIndexedRecords::npos) return true;
        for (std::size_t p = start; const Record* row = stems_.At(p); ++p) {
            if (!stems_.Accepts(*row)) continue;
            if (stems_.Text(*row, StemField::Stem) != stem) break;
            const int32_t wordNo = stems_.Number(*row, StemField::WordNo);
            const Record* word = WordNo(wordNo);
            if (!word) module_.DictionaryError(stems_.TableName() + ": bad word No " + std::to_string(wordNo));
            CheckWord(*word);
            if (stop_) return false;
        }
        return true;
    }

    const Record* WordNo(int32_t no) const {
        for (std::size_t p = wordNumbers_.LowerBound(no); const Record* word = wordNumbers_.At(p); ++p) {
            if (wordNumbers_.Number(*word, WordsField::No) != no) break;
            if (wordNumbers_.Accepts(*word)) return word;
        }
        return nullptr;
    }

    // Builds every form of the word and reports those that spell the
    // surface word. Reports may change the tables: nothing of the record is
    // read after the first.
    void CheckWord(const Record& word) {
        const int32_t no = words_.Number(word, WordsField::No);
        osnova_ = words_.Text(word, WordsField::Osnova);
        const auto etalonNo = static_cast<int16_t>(words_.Number(word, WordsField::EtalonNo));
        const auto tag = static_cast<int16_t>(words_.Number(word, WordsField::Tag));
        const TParadigmFields fields = Paradigm(etalonNo);
        const uint8_t kind = fields.Kind;
        const uint8_t rodChislo = fields.RodChislo;
        const auto paradigm = ParsedParadigm(lang_, etalonNo, kind, fields.Forms);

        // Rule runs are numbered in the order of the parts, so each is applied
        // when its first part comes up, where building that form would fail.
        runStems_.resize(paradigm->RuleRuns.size());
        int applied = 0;
        for (const TParsedForm& form : paradigm->Parts) {
            const std::string* stem = &osnova_;
            if (form.RuleRun >= 0) {
                if (form.RuleRun == applied) {
                    std::string& changed = runStems_[static_cast<std::size_t>(applied)];
                    changed = osnova_;
                    std::string_view part = paradigm->RuleRuns[static_cast<std::size_t>(applied)];
                    if (!ApplyEnding(lang_, changed, part, false)) BadFormModifier(no);
                    ++applied;
                }
                stem = &runStems_[static_cast<std::size_t>(form.RuleRun)];
            }
            if (!Spells(*stem, form.Ending)) continue;
            found_ = true;
            if (!proc_) {
                stop_ = true;  // the word's other forms are still checked, no further word
                continue;
            }
            TWordFormArgs args;
            args.No = no;
            args.Form = form.FormNo;
            args.Alt = form.Alt;
            args.Tag = tag;
            args.RodChislo = rodChislo;
            args.Kind = kind;
            (*proc_)(args);
        }
    }

    // The paradigm record of a word, read straight from the index: the
    // seeker runs for every word of a text and must not move the module's
    // cursors or copy records for it.
    struct TParadigmFields {
        uint8_t Kind = kUnchangeable;
        uint8_t RodChislo = 0;
        std::string_view Forms = "@";
    };
    TParadigmFields Paradigm(int16_t etalonNo) const {
        if (etalonNo < 0) return {};
        for (std::size_t p = etalons_.LowerBound(etalonNo); const Record* e = etalons_.At(p); ++p) {
            if (etalons_.Number(*e, EtalonField::No) != etalonNo) break;
            if (etalons_.Accepts(*e))
                return {static_cast<uint8_t>(etalons_.Number(*e, EtalonField::Kind)),
                        static_cast<uint8_t>(etalons_.Number(*e, EtalonField::RodChislo)),
                        etalons_.Text(*e, EtalonField::Forms)};
        }
        module_.DictionaryError("Dead link No " + std::to_string(etalonNo) + " in dictionary " + etalons_.TableName());
    }

    // Whether stem and ending, joined as synthesis joins them, give the surface word.
    bool Spells(const std::string& stem, std::string_view ending) {
        if (!surface_.ends_with(ending)) return false;
        const std::string_view head = surface_.substr(0, surface_.size() - ending.size());
        if (lang_ != kBelarusian) return head == stem;
        joined_ = stem;
        ApplyJunction(joined_, ending, false);
        return head == joined_;
    }

    [[noreturn]] void BadFormModifier(int32_t no) const {
        module_.DictionaryError(words_.TableName() + ": bad form modifier in word No " + std::to_string(no) +
                                ", modified word stem: \"" + osnova_ + "\"");
    }

    TBelModule& module_;
    const std::string_view surface_;
    const TWordFormProc* proc_ = nullptr;  // none: only whether anything matches
    const int lang_;
    const TIndexedRecords words_;
    const TIndexedRecords stems_;
    const TIndexedRecords wordNumbers_;
    const TIndexedRecords etalons_;
    bool found_ = false;
    bool stop_ = false;
    std::string osnova_;                 // the candidate's stem as stored
    std::vector<std::string> runStems_;  // the candidate's stem after each rule run
    std::string joined_;                 // a stem fitted to an ending
};

}  // namespace

bool SeekWord(TBelModule& module, std::string_view surface, const TWordFormProc& proc) {
    Seeker seeker(module, surface);  // first: it may build the indexes it searches
    const TSeekStamp stamp = seeker.Stamp();
    const int lang = SourceLang;
    // Held, not referenced: a report that seeks again may replace the entry.
    if (const auto known = module.SeekCache.Find(lang, surface, stamp)) {
        if (proc)
            for (const TWordFormArgs& args : known->reports) proc(args);
        return known->found;
    }
    if (!proc) return seeker.Run(nullptr);  // stops early: no whole result to keep
    auto result = std::make_shared<TSeekCache::TResult>();
    const TWordFormProc recorded = [&](const TWordFormArgs& args) {
        result->reports.push_back(args);
        proc(args);
    };
    result->found = seeker.Run(&recorded);
    const bool found = result->found;
    // Reports that changed the tables make the result one of no single state.
    if (seeker.Stamp() == stamp) module.SeekCache.Remember(lang, surface, stamp, std::move(result));
    return found;
}

}  // namespace kunimor

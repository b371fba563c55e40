#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "dictionary/Schema.h"
#include "store/Table.h"

namespace kunimor::import {

// The thirteen tables of a new dictionary, filled record by record:
// paradigms and words are deduplicated, numbers given in order.
class TDictionaryBuilder {
public:
    TDictionaryBuilder();

    Table& Tbl(TableId id) { return *tables_[static_cast<size_t>(id)]; }

    // The number of the paradigm with exactly these forms; throws Error when
    // the 16-bit paradigm numbers run out.
    int16_t AddParadigm(int lang, int kind, int rodChislo, const std::string& forms, const std::string& sampleStem);
    // The word with this stem and paradigm (an existing one keeps its Tag).
    // Where rules make forms that do not begin with the stem (я from м),
    // the stems they are built on are added to the stem table.
    int32_t AddWord(int lang, const std::string& stem, int16_t etalonNo, int16_t tag);
    // Registers a word under its dictionary form, for linking translations.
    void IndexLemma(int lang, const std::string& lemma, int kind, int rodChislo, int32_t wordNo);

    struct TWordRef {
        int32_t No;
        int Kind;
        int RodChislo;
    };
    // The words with this dictionary form.
    const std::vector<TWordRef>& WordsOfLemma(int lang, const std::string& lemma) const;
    // The Forms text and the kind of a word's paradigm (unchangeable words: "" and 5).
    const std::string& FormsOfWord(int lang, int32_t wordNo) const;
    int KindOfWord(int lang, int32_t wordNo) const;

    // The words one of whose forms is spelled so, with that form: unchangeable
    // words first, then by word number and form.
    struct TFormRef {
        int32_t No;
        int Form;
        bool Alt;
        int Kind;
    };
    std::vector<TFormRef> WordsWithForm(int lang, const std::string& form) const;
    // Sets the first-word flag of a word's Tag: a collocation begins with it.
    void MarkCollocationStart(int lang, int32_t wordNo);

    int WordCount(int lang) const { return static_cast<int>(words_[lang].size()); }
    int ParadigmCount(int lang) const { return static_cast<int>(paradigms_[lang].size()); }

    // Writes every table as a dictionary file into dir.
    void Write(const std::filesystem::path& dir);

private:
    void AddExtraStems(int lang, int32_t wordNo, const std::string& stem, const std::string& forms);

    std::vector<std::unique_ptr<Table>> tables_;
    std::map<std::tuple<int, int, std::string>, int16_t> paradigms_[2];
    std::vector<std::string> paradigmForms_[2];  // by number - 1
    std::vector<int> paradigmKinds_[2];
    std::map<std::pair<std::string, int16_t>, int32_t> words_[2];
    std::vector<int16_t> wordEtalon_[2];         // by number - 1
    std::vector<std::string> wordStem_[2];       // by number - 1
    std::multimap<std::string, int32_t> extraStemWords_[2];  // forms not beginning with the stem: я from м
    std::map<std::string, std::vector<TWordRef>> lemmas_[2];
};

}  // namespace kunimor::import

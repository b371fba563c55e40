#pragma once

#include "store/IndexManager.h"
#include "dictionary/Records.h"
#include "dictionary/Schema.h"
#include "dictionary/SeekCache.h"
#include "dictionary/TagCodes.h"
#include "store/Table.h"
#include "dictionary/WordFormProc.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>

namespace kunimor {

// The dictionary data module: owns the thirteen tables, loads them, checks
// the words the translator treats specially, keeps the direction and answers
// the record-level queries. Queries overwrite the Cur* buffers.
class TBelModule {
public:
    TBelModule();
    virtual ~TBelModule();
    TBelModule(const TBelModule&) = delete;
    TBelModule& operator=(const TBelModule&) = delete;

    // --- tables
    Table& Tbl(TableId id) { return *tables_[static_cast<size_t>(id)]; }
    const Table& Tbl(TableId id) const { return *tables_[static_cast<size_t>(id)]; }
    Table& tblWForms() { return Tbl(TableId::WForms); }
    Table& tblTrans() { return Tbl(TableId::Trans); }
    Table& tblAbbr() { return Tbl(TableId::Abbr); }
    Table& tblGlossary() { return Tbl(TableId::Glossary); }
    Table& tblTheme() { return Tbl(TableId::Theme); }
    // Language 1 selects the Belarusian table, any other value the Russian one.
    Table& WordsTable(int lang) { return Tbl(lang == 1 ? TableId::WordsB : TableId::WordsR); }
    Table& EtalonTable(int lang) { return Tbl(lang == 1 ? TableId::EtalonB : TableId::EtalonR); }
    Table& StemTable(int lang) { return Tbl(lang == 1 ? TableId::StemB : TableId::StemR); }
    Table& CollocTable(int lang) { return Tbl(lang == 1 ? TableId::CollocB : TableId::CollocR); }
    // The table that holds entry no: collocations above the word numbers.
    Table& EntryTable(int lang, int32_t no) { return IsCollocNo(no) ? CollocTable(lang) : WordsTable(lang); }

    // --- opening
    std::string FDataDir;  // with a trailing "/"
    std::function<void(const std::string&)> OnMessage;
    bool Loaded = false;
    TIndexManager IndexManager;
    // Stem seeking's results for the words already sought.
    TSeekCache SeekCache;

    // Loads every table and checks the special words. Returns whether the
    // whole dictionary loaded; raises when a table or a special entry is
    // missing or damaged. A dictionary that did not load whole is never Loaded.
    bool OpenDictionary(const std::string& dataDir);
    virtual void LoadTables();
    // progress(done, total): done = 0 before the first table, then 1..12.
    void LoadAllTables(const std::string& dataDir, const std::function<void(int, int)>& progress);
    void ReportLoadProgress(int done, int total);
    void SetDirection(int sourceLang);

    // --- direction
    Table* SrcWords = nullptr;
    Table* SrcStems = nullptr;
    Table* SrcEtalons = nullptr;
    Table* SrcCollocs = nullptr;
    Table* TrgWords = nullptr;
    Table* TrgEtalons = nullptr;
    Table* TrgCollocs = nullptr;
    int32_t SrcYaWordNo = 0;
    int32_t SrcTyWordNo = 0;

    // --- current-record buffers
    TEtalonRec CurEtalon;
    TWordsRec CurWord;
    TCollocRec CurColloc;
    TAbbrRec CurAbbr;
    TGlossaryRec CurGlossary;

    // --- record loaders (a number that is not positive reads the current record)
    void LoadEtalon(int lang, int16_t etalonNo);
    void LoadWord(int lang, int32_t wordNo);
    void LoadColloc(int lang, int32_t collocNo);
    int LoadEntry(int lang, int32_t no);  // the entry's kind
    void LoadAbbr(int32_t no);
    void LoadGlossary(int32_t no);

    // --- queries
    bool IsProtectedWord(int lang, int32_t wordNo) const;
    int32_t SpecialWordNo(int lang, const std::string& stem, const std::string& lemma = {}) const;
    int16_t SpecialEtalonNo(int lang) const;
    int32_t ForEachCollocOfWord(int lang, int32_t wordNo, const std::function<void(int32_t)>& proc);
    int32_t NextCollocByFirstWords(int lang, int32_t no1, TCollocRec& rec, int32_t no2 = 0);
    // An empty prefix moves on to the next abbreviation of the last search.
    int32_t NextAbbr(int lang, const std::string& prefix, std::string& translation, std::string& abbr);
    int32_t FindGlossary(int lang, const std::string& title);

    // --- translation lookup and collocation text (TranslationLookup.cpp, CollocText.cpp)
    // Reports, through proc, every target entry in every target form that the
    // links of source word or collocation `no` give for a reading of kind
    // sourceKind in form `form`, alternatives tried from startAlt (0 or 1);
    // returns whether it reported any. Without proc it only answers whether a
    // translation of priority 0-2 exists.
    bool ForEachTranslation(int32_t no, int sourceKind, const TWordFormProc& proc, int startAlt, int form);
    // The collocation's text in form `form` (alternative alt where the words
    // follow that form); empty when one of its words lacks the form.
    std::string CollocText(int lang, const TCollocRec& colloc, int alt, int form);
    // The first non-empty CollocText from (form, alt) on: alternative 1 after
    // 0, then the next form, up to maxForm (0: every form). form and alt are
    // left at the combination found.
    std::string CollocTextAny(int lang, const TCollocRec& colloc, int maxForm, int& alt, int& form);
    // A participle of verb `word` (paradigm etalon) as a relative clause for
    // participle slot `code` 1-4 in adjective form `form`: "што " or the
    // fitting form of "які", then the verb, negated when asked. Code 0 gives
    // the verb's own form (form, alternative useShto). Empty when the verb
    // lacks the form.
    std::string RelativeClauseText(int lang, const TWordsRec& word, bool useShto, int form, bool negate, int code,
                                   const TEtalonRec& etalon);
    // Correspondence flags for a new link between two entries, in the link's
    // stored orientation.
    int DefaultLinkFlags(int targetLang, int32_t sourceNo, int32_t targetNo);

    void ReportMessage(const std::string& text) const;
    [[noreturn]] void DictionaryError(const std::string& text) const;

    std::set<int32_t> ProtectedBel, ProtectedRus;

private:
    void LoadTable(Table& t, const TableSpec& spec, const std::string& dataDir);
    void FindSpecialWord(int lang, const std::string& stem, int kind, const std::string& lemma, bool isProtected);
    void FindSpecialEtalon(int lang);
    void FillCollocFromCurrent(const Table& t);
    [[noreturn]] void DeadLink(int32_t no, const Table& t) const;

    std::vector<std::unique_ptr<Table>> tables_;
    std::map<std::tuple<int, std::string, std::string>, int32_t> specialWords_;
    int16_t specialEtalon_[2] = {-1, -1};
    int32_t nextPair_[2][2] = {{0, 0}, {0, 0}};  // per language: the pair being enumerated
    std::string abbrPrefix_;
};

}  // namespace kunimor

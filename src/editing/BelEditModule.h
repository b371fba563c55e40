#pragma once

#include "dictionary/BelModule.h"
#include "dictionary/TagCodes.h"
#include "editing/EditPrompter.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kunimor {

// The editing data module: every change to the dictionary goes through one
// of its operations, which keeps the dependent tables consistent (stems,
// links, collocation members, the first-word flag, Modif flags, numbering)
// before it returns. Operations throw Error with a user-readable
// (Windows-1251) message when a limit or a dead link is met; a failed
// replacement (SaveWord, SaveAbbreviation, SaveGlossaryEntry, RenumberEntry)
// is checked before anything is deleted, so it leaves the old record as it
// was. Questions go to the prompter. Not re-entrant, one thread.
class TBelEditModule : public TBelModule {
public:
    // prompter must outlive the module.
    explicit TBelEditModule(TEditPrompter& prompter);

    // While set, posting a word does not set its Modif flag.
    bool SuppressModif = false;

    // Loads the dictionary (finishing an interrupted save first). One that
    // did not load whole is kept read-only for the rest of the run.
    bool OpenDictionary(const std::string& dataDir);
    bool ReadOnly() const { return readOnly_; }

    // --- paradigms and words
    int16_t FindOrAddParadigm(int lang, const std::string& stem, int number, int gender, std::string forms, int kind);
    int32_t AddWord(int lang, const std::string& stem, int32_t number, int16_t tag, int16_t etalonNo);
    int32_t SaveWord(int lang, int32_t number, int16_t tag, int16_t etalonNo, const std::string& stem);
    void DeleteWord(int lang, int32_t number, bool deleteLinks);
    // Moves links and collocation members from the entry oldNo to newNo.
    void RenumberEntry(int lang, int32_t oldNo, int32_t newNo);

    // --- links (source in SourceLang, target in TargetLang)
    void SetLink(int32_t sourceNo, int32_t targetNo, int16_t tag);
    void DemoteSoleTranslation(int lang, int kind, int32_t no, int16_t newTag);
    void DeleteLink(int32_t sourceNo, int32_t targetNo);
    void SetEntryTag(int lang, int kind, bool propagateTheme, int16_t tag, int32_t no);

    // --- collocations
    int32_t SaveCollocation(int lang, int32_t number, const TCollocRec& rec);
    void DeleteCollocation(int lang, int32_t number, bool deleteLinks, int32_t firstWordNo);
    void DeleteCollocationsOf(int lang, int32_t wordNo);
    void UpdateFirstWordFlag(int lang, int32_t wordNo, bool set);

    // --- abbreviations and glossary articles
    int32_t AddAbbreviation(const std::string& bel, const std::string& rus, int32_t number);
    int32_t SaveAbbreviation(int32_t number, const std::string& bel, const std::string& rus);
    void DeleteAbbreviation(int32_t number);
    // Throws what storing the pair and its two expansion articles (numbers
    // as found, 0 or less for new ones) would throw, before any of it is
    // written: the three saves have no common undo.
    void CheckAbbreviationSave(int32_t number, const std::string& bel, const std::string& rus, int32_t belArticle,
                               int32_t rusArticle);
    int32_t AddGlossaryEntry(int lang, const std::string& title, int32_t number, const std::string& text);
    void SaveGlossaryEntry(int32_t number, int lang, const std::string& text, const std::string& title);
    void DeleteGlossaryEntry(int32_t number);

    // --- indexes and lemmas
    void UseParadigmIndex(int lang);
    void UseStemWordIndex(int lang);
    void EnsureLinkPairIndex();
    // The word's dictionary form (its stem when it has no paradigm), for
    // the current record (or edit buffer) of a words table.
    std::string ComputeLemma(int lang, const Table& words);
    void RefreshLemmas(int lang);

    // --- saving
    enum SaveOption : unsigned { soOnlyModified = 1, soBackup = 2 };
    // Writes the tables (only the modified ones with soOnlyModified) so that
    // the folder holds either every old file or every new one; the replaced
    // files stay as ".bak". Throws Error and changes no file on failure.
    void SaveTables(const std::string& path, unsigned options);
    // True when nothing needed saving or the save succeeded; otherwise the
    // message went to onSaveError.
    bool SaveIfModified();
    bool AnyModified() const;
    std::function<void(const std::string&)> onSaveError;
    // progress(step, 12) while saving.
    std::function<void(int, int)> onSaveProgress;
    // Handed to the file commit of every save (crash tests stop it there).
    std::function<void(std::string_view)> onSaveStep;

private:
    void InstallHooks();
    int32_t NewNumber(Table& t, int32_t first, int32_t limit, const std::string& what);
    void WriteStems(int lang, int32_t wordNo, const std::string& stem, const std::string& forms);
    void CheckStemLength(const std::string& stem) const;
    void CheckAbbreviation(const std::string& bel, const std::string& rus, int32_t self);
    void CheckGlossaryEntry(int lang, const std::string& title, int32_t self);
    bool LocateNo(Table& t, int32_t no);
    // Makes the link between no of lang and otherNo of the other language current.
    bool LocatePair(int lang, int32_t no, int32_t otherNo);
    void DeleteLinksOf(int lang, int32_t no);

    TEditPrompter& prompter_;
    bool readOnly_ = false;
    bool readOnlyTold_ = false;
    std::vector<int32_t> candidates_;
};

}  // namespace kunimor

#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kunimor {

// A list of trigrams: kept sorted and free of duplicates, looked up by binary
// search. Entries are stored lower case, so lookups ignore case.
class TTrigramList {
public:
    void Add(std::string_view trigram);
    void Assign(std::vector<std::string> entries);
    bool Contains(std::string_view trigram) const;
    bool Empty() const { return entries_.empty(); }
    const std::vector<std::string>& Entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
};

// The five lists of one language, by where in a word a trigram may stand.
struct TTrigramSet {
    TTrigramList TrigramsAny;       // anywhere
    TTrigramList TrigramsNonFinal;  // at the start or in the middle
    TTrigramList TrigramsStart;
    TTrigramList TrigramsMiddle;
    TTrigramList TrigramsEnd;

    // In file order.
    std::array<TTrigramList*, 5> Blocks() {
        return {&TrigramsAny, &TrigramsNonFinal, &TrigramsStart, &TrigramsMiddle, &TrigramsEnd};
    }
    std::array<const TTrigramList*, 5> Blocks() const {
        return {&TrigramsAny, &TrigramsNonFinal, &TrigramsStart, &TrigramsMiddle, &TrigramsEnd};
    }
};

// Adds a word's trigrams to the lists of their places: the first to
// TrigramsStart, those inside to TrigramsMiddle, the last to TrigramsEnd. The
// word is lower-cased and an opening "ў" read as "у"; two letters add nothing.
void AddWordTrigrams(TTrigramSet& set, std::string_view word);

// Where CheckTrigrams found a trigram that no allowed list holds.
enum class TTrigramPlace { None = 0, Start = 1, Middle = 2, End = 3 };

struct TRareTrigram {
    TTrigramPlace Place = TTrigramPlace::None;
    std::string Trigram;
};

// The letter-combination file of a language in a data folder: Orfor.kmr
// (Russian) or Orfob.kmr (Belarusian).
std::filesystem::path FreqListFile(const std::filesystem::path& dataFolder, int lang);

// The file, little-endian, not scrambled: the magic "knm6", then five
// blocks in the order of TTrigramSet::Blocks, each a 64-bit byte length and
// that many bytes of Windows-1251 text, one trigram a line (CR LF, CR or LF).
// Writes the set so; raises Error when the file cannot be written.
void WriteFreqListFile(const std::filesystem::path& file, const TTrigramSet& set);

// The frequency lists of both languages with the current one, the
// spelling language's. Messages for the user (Windows-1251, caption
// "Error") go to OnMessage; without a sink they are dropped.
class TFreqLists {
public:
    std::filesystem::path DataFolder;
    std::function<void(const std::string& text)> OnMessage;

    // Makes lang's set current, reading its file when its TrigramsAny is
    // empty. A missing file is reported once per object, for either
    // language, and tried again on the next call; a block that cannot be
    // read (bad magic, a length past the end of the file, a short file) is
    // reported as damaged and left empty. A length past the end leaves
    // nothing after it to trust, so reading stops there; no block is given
    // more memory than the file holds.
    void LoadFreqLists(int lang);
    // The current set's TrigramsAny is not empty.
    bool Loaded() const { return !current_->TrigramsAny.Empty(); }

    // The first trigram of a lower-case word that no list allows at its
    // place; a word of two letters or fewer has none. A "ў" opening the word
    // is read as "у", for the start and, in a three-letter word, the end.
    TRareTrigram CheckTrigrams(std::string_view word) const;
    // Adds a new dictionary word's trigrams to the current set.
    void AddWordTrigrams(std::string_view word) { kunimor::AddWordTrigrams(*current_, word); }

    TTrigramSet& Set(int lang);
    TTrigramSet& Current() { return *current_; }

private:
    void ReadFile(const std::filesystem::path& file, TTrigramSet& set);
    void Report(const std::string& text) const;

    std::array<TTrigramSet, 2> sets_;
    TTrigramSet* current_ = &sets_[0];
    bool missingReported_ = false;
};

// The lists of the process, created empty at start-up.
TFreqLists& ProcessFreqLists();

}  // namespace kunimor

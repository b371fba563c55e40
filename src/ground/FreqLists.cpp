#include "ground/FreqLists.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

#include "ground/Cp1251Literal.h"
#include "ground/Error.h"
#include "ground/FormatText.h"
#include "ground/Language.h"
#include "ground/LanguageCode.h"
#include "ground/LetterCase.h"

namespace kunimor {
namespace {

constexpr std::string_view kMagic = "knm6";
constexpr std::string_view kMissingFile =
    "Файл \"%s\" не обнаружен.\rЧастотный анализ буквосочетаний невозможен.\r"
    "Закачайте и установите обновленный словарь Кунимора!"_cp1251;
constexpr std::string_view kDamagedFile = "Файл \"%s\" поврежден!\rНеобходимо заново установить программу"_cp1251;

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++start;
    }
    return lines;
}

void PutLength(std::ostream& out, std::uint64_t n) {
    char bytes[8];
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    out.write(bytes, 8);
}

bool GetLength(std::istream& in, std::uint64_t& n) {
    unsigned char bytes[8];
    if (!in.read(reinterpret_cast<char*>(bytes), 8)) return false;
    n = 0;
    for (int i = 7; i >= 0; --i) n = (n << 8) | bytes[i];
    return true;
}

// A "ў" opening a word is looked up as "у": after a vowel the word is
// written with "ў", and the lists hold one spelling.
std::string WithPlainFirstU(std::string_view word) {
    std::string out(word);
    if (!out.empty() && out.front() == U'ў'_cp1251) out.front() = U'у'_cp1251;
    return out;
}

bool InAny(std::string_view t, const TTrigramList& a, const TTrigramList& b, const TTrigramList& c) {
    return a.Contains(t) || b.Contains(t) || c.Contains(t);
}

}  // namespace

void TTrigramList::Add(std::string_view trigram) {
    std::string entry = LowerCaseCyr(trigram);
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), entry);
    if (at == entries_.end() || *at != entry) entries_.insert(at, std::move(entry));
}

void TTrigramList::Assign(std::vector<std::string> entries) {
    for (std::string& e : entries) e = LowerCaseCyr(e);
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    entries_ = std::move(entries);
}

bool TTrigramList::Contains(std::string_view trigram) const {
    return std::binary_search(entries_.begin(), entries_.end(), trigram,
                              [](std::string_view a, std::string_view b) { return a < b; });
}

std::filesystem::path FreqListFile(const std::filesystem::path& dataFolder, int lang) {
    return dataFolder / ("Orfo" + std::string(1, LangFieldPrefix(lang).front()) + ".kmr");
}

void WriteFreqListFile(const std::filesystem::path& file, const TTrigramSet& set) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(kMagic.data(), kMagic.size());
    for (const TTrigramList* list : set.Blocks()) {
        std::string text;
        for (const std::string& t : list->Entries()) text += t + "\r\n";
        PutLength(out, text.size());
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    out.close();
    if (!out) throw Error("cannot write " + file.string());
}

TTrigramSet& TFreqLists::Set(int lang) { return sets_[lang == kBelarusian ? 1 : 0]; }

void TFreqLists::LoadFreqLists(int lang) {
    current_ = &Set(lang);
    if (current_->TrigramsAny.Empty()) ReadFile(FreqListFile(DataFolder, lang), *current_);
}

void TFreqLists::ReadFile(const std::filesystem::path& file, TTrigramSet& set) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        if (!missingReported_) Report(FormatText(kMissingFile, {file.string()}));
        missingReported_ = true;
        return;
    }
    in.seekg(0, std::ios::end);
    const std::uint64_t fileSize = static_cast<std::uint64_t>(in.tellg());
    in.seekg(0);
    const std::string damaged = FormatText(kDamagedFile, {file.string()});
    bool first = true;
    for (TTrigramList* list : set.Blocks()) {
        if (first) {
            first = false;
            char magic[4];
            if (!in.read(magic, 4) || std::string_view(magic, 4) != kMagic) {
                Report(damaged);
                in.clear();
                continue;
            }
        }
        std::uint64_t length = 0;
        if (!GetLength(in, length)) {
            Report(damaged);
            return;
        }
        const std::uint64_t position = static_cast<std::uint64_t>(in.tellg());
        if (length > fileSize - position) {
            Report(damaged);
            return;
        }
        std::string text(static_cast<std::size_t>(length), '\0');
        in.read(text.data(), static_cast<std::streamsize>(length));
        list->Assign(SplitLines(text));
    }
}

void TFreqLists::Report(const std::string& text) const {
    if (OnMessage) OnMessage(text);
}

TRareTrigram TFreqLists::CheckTrigrams(std::string_view written) const {
    if (written.size() <= 2) return {};
    const std::string word = WithPlainFirstU(written);
    const TTrigramSet& s = *current_;
    const std::string_view w = word;
    if (!InAny(w.substr(0, 3), s.TrigramsAny, s.TrigramsNonFinal, s.TrigramsStart))
        return {TTrigramPlace::Start, std::string(w.substr(0, 3))};
    for (std::size_t i = 1; i + 3 < w.size(); ++i) {
        if (!InAny(w.substr(i, 3), s.TrigramsAny, s.TrigramsNonFinal, s.TrigramsMiddle))
            return {TTrigramPlace::Middle, std::string(w.substr(i, 3))};
    }
    const std::string_view last = w.substr(w.size() - 3);
    if (s.TrigramsAny.Contains(last) || s.TrigramsEnd.Contains(last)) return {};
    return {TTrigramPlace::End, std::string(last)};
}

void AddWordTrigrams(TTrigramSet& set, std::string_view written) {
    const std::string word = WithPlainFirstU(LowerCaseCyr(written));
    if (word.size() <= 2) return;
    const std::string_view w = word;
    set.TrigramsStart.Add(w.substr(0, 3));
    for (std::size_t i = 1; i + 3 < w.size(); ++i) set.TrigramsMiddle.Add(w.substr(i, 3));
    set.TrigramsEnd.Add(w.substr(w.size() - 3));
}

TFreqLists& ProcessFreqLists() {
    static TFreqLists lists;
    return lists;
}

}  // namespace kunimor

// Stem seeking over a generated dictionary: every form of every word is
// looked up and must be found back; reports surface words sought per second.
//   seek_words [WORDS] [PARADIGMS]

#include "dictionary/BelModule.h"
#include "ground/Language.h"
#include "dictionary/Schema.h"
#include "morphology/WordKind.h"
#include "morphology/FormSynthesis.h"
#include "morphology/FormsText.h"
#include "dictionary/StemSeeker.h"
#include "ground/Cp1251.h"
#include "ground/Cp1251Literal.h"

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <span>
#include <string>
#include <vector>

using namespace kunimor;

namespace {

// Declension and conjugation patterns with their real endings, written as
// Forms texts. Variants derived from them make up the paradigm table.
struct Pattern {
    int kind;
    std::string_view forms;
};

constexpr Pattern kRussianPatterns[] = {
    {kNoun, "@;а;у;@;ом;е;ы;ов;ам;ы;ами;ах"_cp1251},
    {kNoun, "@;а;у;а;ом;е;и;ов;ам;ов;ами;ах"_cp1251},
    {kNoun, "ь;я;ю;ь;ем;е;и;ей;ям;и;ями;ях"_cp1251},
    {kNoun, "а;ы;е;у;ой|ою;е;ы;@;ам;ы;ами;ах"_cp1251},
    {kNoun, "я;и;е;ю;ей|ею;е;и;ь;ям;и;ями;ях"_cp1251},
    {kNoun, "о;а;у;о;ом;е;а;@;ам;а;ами;ах"_cp1251},
    {kNoun, "е;я;ю;е;ем;е;я;ей;ям;я;ями;ях"_cp1251},
    {kAdjective,
     "ый;ая;ое;ые;ого;ой;ого;ых;ому;ой;ому;ым;ый|ого;ую;ое;ые|ых;ым;ой|ою;ым;ыми;ом;ой;ом;ых;о;ее|ей"_cp1251},
    {kAdjective,
     "ий;яя;ее;ие;его;ей;его;их;ему;ей;ему;им;ий|его;юю;ее;ие|их;им;ей|ею;им;ими;ем;ей;ем;их;е;ее"_cp1251},
    {kImperfectiveVerb,
     "ть;ю;ем;ешь;ете;ет;ют;я;л;ла;ло;ли;в;й;йте;ться;юсь;емся;ешься;етесь;ется;ются;ясь;лся;лась;лось;лись;вшись;йся;йтесь"_cp1251},
    {kPerfectiveVerb,
     "ить;ю;им;ишь;ите;ит;ят;;ил;ила;ило;или;ив;и;ите;иться;юсь;имся;ишься;итесь;ится;ятся;;ился;илась;илось;ились;ившись;ись;итесь"_cp1251},
};

constexpr Pattern kBelarusianPatterns[] = {
    {kNoun, "@;а;у;@;ам;е;ы;аў;ам;ы;амі;ах"_cp1251},
    {kNoun, "@;а;у;а;ам;е;ы;аў;ам;аў;амі;ах"_cp1251},
    {kNoun, "ь;я;ю;ь;ем;і;і;ёў;ям;і;ямі;ях"_cp1251},
    {kNoun, "а;ы;е;у;ай|аю;е;ы;@;ам;ы;амі;ах"_cp1251},
    {kNoun, "я;і;і;ю;ёй|ёю;і;і;ь;ям;і;ямі;ях"_cp1251},
    {kNoun, "а;а;у;а;ам;е;ы;@;ам;ы;амі;ах"_cp1251},
    {kAdjective,
     "ы;ая;ае;ыя;ага;ай;ага;ых;аму;ай;аму;ым;ы|ага;ую;ае;ыя|ых;ым;ай|аю;ым;ымі;ым;ай;ым;ых;а;ей"_cp1251},
    {kAdjective,
     "і;яя;яе;ія;яга;яй;яга;іх;яму;яй;яму;ім;і|яга;юю;яе;ія|іх;ім;яй|яю;ім;імі;ім;яй;ім;іх;е;ей"_cp1251},
    {kImperfectiveVerb,
     "ць;ю;ем;еш;еце;е;юць;ючы;ў;ла;ла;лі;ўшы;й;йце;цца;юся;емся;ешся;ецеся;ецца;юцца;ючыся;ўся;лася;лася;ліся;ўшыся;йся;йцеся"_cp1251},
    {kPerfectiveVerb,
     "іць;у;ім;іш;іце;іць;яць;;іў;іла;іла;ілі;іўшы;і;іце;іцца;уся;імся;ішся;іцеся;іцца;яцца;;іўся;ілася;ілася;іліся;іўшыся;іся;іцеся"_cp1251},
};

// Rule codes put in front of some endings: stress shifts and fleeting vowels.
constexpr std::string_view kRuleCodes[] = {"1", "2", "3о"_cp1251, "3е"_cp1251};

std::vector<std::string> Entries(std::string_view forms) {
    std::vector<std::string> entries;
    for (std::size_t start = 0;;) {
        const std::size_t end = forms.find(';', start);
        entries.emplace_back(forms.substr(start, end - start));
        if (end == std::string_view::npos) return entries;
        start = end + 1;
    }
}

std::string Join(const std::vector<std::string>& entries) {
    std::string forms;
    for (std::size_t i = 0; i < entries.size(); ++i) forms += (i == 0 ? "" : ";") + entries[i];
    return forms;
}

// A variant of a pattern: a rule code before the endings of some forms,
// an alternative in ю for some endings in й, and some forms missing.
std::string Variant(std::string_view forms, std::mt19937& rng) {
    std::vector<std::string> entries = Entries(forms);
    std::uniform_int_distribution<int> percent(0, 99);
    const std::string_view rule = kRuleCodes[rng() % std::size(kRuleCodes)];
    const int ruled = percent(rng) < 60 ? 25 : 0;
    const int alternative = percent(rng) < 50 ? 50 : 0;
    const int missing = percent(rng) < 20 ? 10 : 0;
    for (std::string& e : entries) {
        if (e.empty() || e.find('|') != std::string::npos) continue;
        if (percent(rng) < missing) {
            e.clear();
        } else if (percent(rng) < ruled) {
            e = std::string(rule) + (e == "@" ? std::string() : e);
        } else if (percent(rng) < alternative && e.back() == U'й'_cp1251) {
            e += "|" + e.substr(0, e.size() - 1) + U'ю'_cp1251;
        }
    }
    return Join(entries);
}

// A stem of consonant-vowel syllables closed by one or two consonants.
std::string RandomStem(std::mt19937& rng, int lang) {
    const std::string_view consonants =
        lang == kBelarusian ? "бвгджзклмнпрстфхцчшў"_cp1251 : "бвгджзклмнпрстфхцчшщ"_cp1251;
    const std::string_view vowels = lang == kBelarusian ? "аеіоуыэя"_cp1251 : "аеиоуыэя"_cp1251;
    std::uniform_int_distribution<int> syllables(1, 4);
    std::string stem;
    if (rng() % 4 == 0) stem += vowels[rng() % vowels.size()];
    for (int i = syllables(rng); i > 0; --i) {
        stem += consonants[rng() % consonants.size()];
        if (rng() % 5 == 0) stem += consonants[rng() % consonants.size()];
        stem += vowels[rng() % vowels.size()];
    }
    stem += consonants[rng() % consonants.size()];
    if (rng() % 3 == 0) stem += consonants[rng() % consonants.size()];
    return stem;
}

void Add(Table& t, std::initializer_list<std::pair<int, Value>> values) {
    t.Insert();
    for (const auto& [field, value] : values) t.Set(field, value);
    t.Post();
}

struct Paradigm {
    int kind;
    std::string forms;
};

// Whether every form of the paradigm can be built from stem.
bool Builds(int lang, const std::string& stem, const Paradigm& p) {
    for (int formNo = 1; formNo <= FormCount(p.kind); ++formNo)
        for (const bool alt : {false, true}) {
            std::string form;
            if (!TryBuildForm(lang, stem, p.forms, true, form, alt, formNo)) return false;
        }
    return true;
}

// Fills the language's tables and returns every form of every word.
std::vector<std::string> Generate(TBelModule& m, int lang, int words, int paradigms) {
    std::mt19937 rng(20240601u + static_cast<unsigned>(lang));
    const auto patterns = lang == kBelarusian ? std::span<const Pattern>(kBelarusianPatterns)
                                              : std::span<const Pattern>(kRussianPatterns);
    std::vector<Paradigm> table;
    for (int no = 1; no <= paradigms; ++no) {
        const Pattern& base = patterns[static_cast<std::size_t>(no) % patterns.size()];
        table.push_back({base.kind, no <= static_cast<int>(patterns.size()) ? std::string(base.forms)
                                                                            : Variant(base.forms, rng)});
        Add(m.EtalonTable(lang), {{EtalonField::No, no},
                                  {EtalonField::Kind, base.kind},
                                  {EtalonField::Forms, table.back().forms},
                                  {EtalonField::RodChislo, base.kind == kNoun ? 1 + no % 3 : 0}});
    }

    std::vector<std::string> surfaces;
    const Paradigm unchangeable{kUnchangeable, "@"};
    for (int32_t no = 1; no <= words; ++no) {
        std::string stem = RandomStem(rng, lang);
        int etalonNo = -1;  // every twentieth word is unchangeable
        if (no % 20 != 0) {
            etalonNo = 1 + static_cast<int>(rng() % table.size());
            while (!Builds(lang, stem, table[static_cast<std::size_t>(etalonNo - 1)])) {
                etalonNo = 1 + static_cast<int>(rng() % table.size());
                stem = RandomStem(rng, lang);
            }
        }
        const Paradigm& p = etalonNo < 0 ? unchangeable : table[static_cast<std::size_t>(etalonNo - 1)];
        Add(m.WordsTable(lang), {{WordsField::No, no},
                                 {WordsField::Osnova, stem},
                                 {WordsField::EtalonNo, etalonNo},
                                 {WordsField::Tag, static_cast<int32_t>(rng() % 512)}});
        // The stems that rules and junctions make, as the editor records them.
        std::set<std::string> additional;
        for (int formNo = 1; formNo <= FormCount(p.kind); ++formNo)
            for (const bool alt : {false, true}) {
                std::string_view part = FormEnding(p.forms, formNo, alt);
                if (part.empty()) continue;
                std::string changed = stem;
                ApplyEnding(lang, changed, part, true);
                if (changed != stem) additional.insert(changed);
                surfaces.push_back(changed + std::string(part));
            }
        for (const std::string& s : additional)
            Add(m.StemTable(lang), {{StemField::Stem, s}, {StemField::WordNo, no}});
    }
    return surfaces;
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Processor time, which a busy machine disturbs less than the clock on the wall.
double CpuSeconds(std::clock_t since) { return static_cast<double>(std::clock() - since) / CLOCKS_PER_SEC; }

}  // namespace

int main(int argc, char** argv) {
    const int words = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int paradigms = argc > 2 ? std::atoi(argv[2]) : 300;
    TBelModule m;
    for (const TableSpec& spec : TableSpecs()) m.Tbl(spec.id).Open();
    std::vector<std::string> missed;
    for (const int lang : {kRussian, kBelarusian}) {
        const auto built = std::chrono::steady_clock::now();
        const std::vector<std::string> surfaces = Generate(m, lang, words, paradigms);
        std::printf("%s: %d words, %d paradigms, %d additional stems, %zu forms (generated in %.1f s)\n",
                    lang == kBelarusian ? "Belarusian" : "Russian", words, paradigms,
                    m.StemTable(lang).RecordCount(), surfaces.size(), Seconds(built));
        m.SetDirection(lang);
        long readings = 0;
        const TWordFormProc count = [&](const TWordFormArgs&) { ++readings; };
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        for (const std::string& s : surfaces)
            if (!SeekWord(m, s, count)) missed.push_back(s);
        const double seconds = Seconds(start);
        const double cpuSeconds = CpuSeconds(cpuStart);
        const double sought = static_cast<double>(surfaces.size());
        std::printf("  sought %zu surface words in %.2f s (%.2f s of processor time): %.0f words/s, "
                    "%.0f words per processor second; %.2f readings a word\n",
                    surfaces.size(), seconds, cpuSeconds, sought / seconds, sought / cpuSeconds,
                    static_cast<double>(readings) / sought);
    }
    if (missed.empty()) return 0;
    std::printf("NOT FOUND: %zu surface words, among them", missed.size());
    for (std::size_t i = 0; i < missed.size() && i < 10; ++i) std::printf(" %s", Cp1251ToUtf8(missed[i]).c_str());
    std::printf("\n");
    return 1;
}

// Saves and loads a generated dictionary of realistic size and reports the
// times and the memory the loaded tables take.
//   dictionary_load [WORDS_PER_LANGUAGE] [LINKS]

#include "dictionary/BelModule.h"
#include "store/KunimorStreamFormat.h"
#include "dictionary/Schema.h"
#include "dictionary/TagCodes.h"

#include <chrono>
#include <malloc.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

using namespace kunimor;

namespace {

long StatusKb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0) return std::stol(line.substr(std::string(key).size()));
    return 0;
}

// Bytes handed out by the allocator right now.
double AllocatedMb() {
    const struct mallinfo2 mi = mallinfo2();
    return static_cast<double>(mi.uordblks + mi.hblkhd) / (1024.0 * 1024.0);
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

std::string RandomStem(std::mt19937& rng) {
    std::uniform_int_distribution<int> length(2, 12), letter(0xE0, 0xFF);
    std::string s(static_cast<size_t>(length(rng)), ' ');
    for (char& c : s) c = static_cast<char>(letter(rng));
    return s;
}

void Fill(TBelModule& m, int words, int links) {
    std::mt19937 rng(42);
    const int etalons = 2000;
    std::uniform_int_distribution<int> etalonNo(1, etalons), wordNo(1, words), tag(0, 0x7FFF);
    auto add = [](Table& t, auto&& set) {
        t.Insert();
        set(t);
        t.Post();
    };
    for (int lang = 0; lang < 2; ++lang) {
        for (int i = 1; i <= etalons; ++i)
            add(m.EtalonTable(lang), [&](Table& t) {
                t.Set(EtalonField::No, i);
                t.Set(EtalonField::Osnova, RandomStem(rng));
                t.Set(EtalonField::Kind, 1 + i % 5);
                t.Set(EtalonField::Forms, "a;b;c;d;e;f;g;h;i;j;k;l;m");
                t.Set(EtalonField::RodChislo, i % 5);
            });
        for (int i = 1; i <= words; ++i)
            add(m.WordsTable(lang), [&](Table& t) {
                t.Set(WordsField::No, i);
                t.Set(WordsField::Osnova, RandomStem(rng));
                t.Set(WordsField::EtalonNo, etalonNo(rng));
                t.Set(WordsField::Tag, tag(rng));
            });
        for (int i = 1; i <= words / 5; ++i)
            add(m.StemTable(lang), [&](Table& t) {
                t.Set(StemField::Stem, RandomStem(rng));
                t.Set(StemField::WordNo, wordNo(rng));
            });
        for (int i = 1; i <= words / 20; ++i)
            add(m.CollocTable(lang), [&](Table& t) {
                t.Set(CollocField::No, kFirstCollocNo + i);
                t.Set(CollocField::Kind, 1);
                t.Set(CollocField::SlotNo(1), wordNo(rng));
                t.Set(CollocField::SlotNo(2), wordNo(rng));
            });
    }
    for (int i = 1; i <= links; ++i)
        add(m.tblTrans(), [&](Table& t) {
            t.Set(TransField::RusNo, wordNo(rng));
            t.Set(TransField::BelNo, wordNo(rng));
            t.Set(TransField::Tag, 10);
        });
    for (int i = 1; i <= 2000; ++i)
        add(m.tblAbbr(), [&](Table& t) {
            t.Set(AbbrField::No, i);
            t.Set(AbbrField::Bel, RandomStem(rng) + std::to_string(i));
            t.Set(AbbrField::Rus, RandomStem(rng) + std::to_string(i));
        });
    for (int i = 1; i <= 2000; ++i)
        add(m.tblGlossary(), [&](Table& t) {
            t.Set(GlossaryField::No, i);
            t.Set(GlossaryField::Lang, i % 2);
            t.Set(GlossaryField::Title, RandomStem(rng));
            t.Set(GlossaryField::Text, RandomStem(rng) + " " + RandomStem(rng) + " " + RandomStem(rng));
        });
    for (int i = 1; i <= 100; ++i)
        add(m.tblTheme(), [&](Table& t) {
            t.Set(ThemeField::No, i);
            t.Set(ThemeField::BelAbbr, std::to_string(i));
            t.Set(ThemeField::RusAbbr, std::to_string(i));
        });
}

}  // namespace

int main(int argc, char** argv) {
    const int words = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int links = argc > 2 ? std::atoi(argv[2]) : 100000;
    const auto dir = std::filesystem::temp_directory_path() / "kunimor-bench-dictionary";
    std::filesystem::create_directories(dir);

    {
        TBelModule source;
        for (const TableSpec& spec : TableSpecs()) source.Tbl(spec.id).Open();
        Fill(source, words, links);
        const auto start = std::chrono::steady_clock::now();
        for (const TableSpec& spec : TableSpecs()) {
            KunimorStreamFormat format;
            source.Tbl(spec.id).SaveToFile((dir / (spec.baseName + kDictionaryExtension)).string(), format);
        }
        std::printf("save: %.3f s\n", Seconds(start));
    }

    uintmax_t bytes = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) bytes += e.file_size();
    const double before = AllocatedMb();
    TBelModule loaded;
    const auto start = std::chrono::steady_clock::now();
    loaded.LoadAllTables(dir.string() + "/", nullptr);
    const double loadSeconds = Seconds(start);
    const double after = AllocatedMb();

    std::printf("words per language: %d, links: %d, files: %.1f MB\n", words, links, bytes / 1e6);
    std::printf("load: %.3f s\n", loadSeconds);
    std::printf("loaded tables: %.1f MB allocated\n", after - before);
    std::printf("peak resident memory of the process: %.1f MB\n", StatusKb("VmHWM:") / 1024.0);
    std::filesystem::remove_all(dir);
    return 0;
}

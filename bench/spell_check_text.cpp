// The Belarusian spelling check as the desktop program's F7 runs it
// (CheckText marking each word, no suggestions) over a UTF-8 text file;
// reports words per second without and with the dictionary's help.
//   spell_check_text TEXT [DATA_DIR]

#include "dictionary/BelModule.h"
#include "dictionary/DictionarySpelling.h"
#include "ground/Cp1251.h"
#include "ground/FreqLists.h"
#include "ground/Language.h"
#include "ground/OrthoAnalyzer.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>

using namespace kunimor;

namespace {

void Measure(const char* label, TOrthoAnalyzer& analyzer, const std::string& text) {
    analyzer.SpellText = text;
    long words = 0;
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    analyzer.CheckText({}, [&words](int v, int, int) { words += v != kSpellNotAWord; }, {});
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // On a busy machine the processor time tells more than the clock.
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::printf("%-22s %8ld words %10.0f words/s (%10.0f per processor second)  %d errors, %d warnings\n", label,
                words, words / seconds, words / cpu, analyzer.SpellErrors, analyzer.SpellWarnings);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: spell_check_text TEXT [DATA_DIR]\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string utf8(std::istreambuf_iterator<char>(in), {});
    // Line by line, so that a character Windows-1251 lacks costs the rest of
    // its line only.
    std::string text;
    for (std::size_t start = 0; start < utf8.size();) {
        std::size_t end = utf8.find('\n', start);
        if (end == std::string::npos) end = utf8.size();
        std::string line;
        Utf8ToCp1251(std::string_view(utf8).substr(start, end - start), line);
        text += line + '\n';
        start = end + 1;
    }
    const std::string dataDir = argc > 2 ? std::string(argv[2]) + "/" : "data/";

    TFreqLists& lists = ProcessFreqLists();
    lists.DataFolder = dataDir;
    TOrthoAnalyzer analyzer(lists);
    analyzer.SetSpellLanguage(kBelarusian, false);
    Measure("rules and statistics", analyzer, text);
    TBelModule module;
    if (!module.OpenDictionary(dataDir)) {
        std::fprintf(stderr, "no dictionary in %s\n", dataDir.c_str());
        return 1;
    }
    TDictionarySpelling lent(analyzer, module);
    Measure("with the dictionary", analyzer, text);
    return 0;
}

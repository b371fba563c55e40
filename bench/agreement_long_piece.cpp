// Agreement analysis of one long piece, and the whole translation of it:
// unpunctuated text made of the test dictionary's words, 10,000 and 100,000
// words long. The times should grow with the length (ratio near 10), not
// with its square.
//   agreement_long_piece [FIXTURE_DICTIONARY_DIR]

#include "dictionary/BelModule.h"
#include "dictionary/DictionaryText.h"
#include "ground/Language.h"
#include "ground/Alphabet.h"
#include "ground/Cp1251Literal.h"
#include "translator/AgreementAnalysis.h"
#include "translator/ElementList.h"
#include "translator/Segmentation.h"
#include "translator/SourceText.h"
#include "translator/TranslateText.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

using namespace kunimor;

namespace {

constexpr std::string_view kWords[] = {
    "в"_cp1251,      "новом"_cp1251,  "новый"_cp1251, "нового"_cp1251, "новая"_cp1251,  "дом"_cp1251,
    "доме"_cp1251,   "дома"_cp1251,   "брат"_cp1251,  "брата"_cp1251,  "братья"_cp1251, "книга"_cp1251,
    "книгу"_cp1251,  "книги"_cp1251,  "читает"_cp1251, "читал"_cp1251, "читала"_cp1251, "вернул"_cp1251,
    "вернуть"_cp1251, "два"_cp1251,   "две"_cp1251,   "и"_cp1251,      "не"_cp1251,     "я"_cp1251,
    "ты"_cp1251,     "или"_cp1251,    "с"_cp1251,     "о"_cp1251,
};

std::string GeneratedText(int words, unsigned seed) {
    std::mt19937 random(seed);
    std::string text;
    for (int i = 0; i < words; ++i) {
        if (i) text += ' ';
        text += kWords[random() % std::size(kWords)];
    }
    return text;
}

// Seconds spent in the pass over a piece of that many words.
double TimeAgreement(TBelModule& module, int words) {
    SourceText = GeneratedText(words, 20261210);
    BuildElementList(module, 1, {});
    const auto start = std::chrono::steady_clock::now();
    AnalyseAgreement(module);
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    FreeElements(ElementList, -1);
    return spent.count();
}

// Seconds spent translating such a text, output included.
double TimeTranslation(TBelModule& module, int words) {
    TTranslateCallbacks callbacks;
    std::size_t output = 0;
    callbacks.OutputProc = [&output](int) { output += OutText.size(); };
    const std::string text = GeneratedText(words, 20261210);
    const auto start = std::chrono::steady_clock::now();
    TranslateText(module, text, callbacks);
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    if (output == 0) throw std::runtime_error("the translation output nothing");
    return spent.count();
}

// The best of three runs, as the machine may be busy.
double Best(double (*run)(TBelModule&, int), TBelModule& module, int words) {
    double best = run(module, words);
    for (int i = 0; i < 2; ++i) best = std::min(best, run(module, words));
    return best;
}

void Report(const char* what, double small, double large) {
    std::printf("%s, one piece of 10000 words: %.3f s\n", what, small);
    std::printf("%s, one piece of 100000 words: %.3f s\n", what, large);
    std::printf("%s, ratio: %.1f\n", what, large / small);
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path fixtures = argc > 1 ? std::filesystem::path(argv[1])
                                                    : std::filesystem::path(__FILE__).parent_path().parent_path() /
                                                          "tests" / "fixtures" / "dictionary";
    const std::filesystem::path data =
        std::filesystem::temp_directory_path() / ("kunimor-agreement-bench-" + std::to_string(std::random_device{}()));
    int status = 0;
    try {
        BuildDictionary(fixtures, data);
        TBelModule module;
        if (!module.OpenDictionary(data.string())) throw std::runtime_error("the dictionary did not load");
        module.SetDirection(kRussian);
        SetAlphabet(kRussian);
        TimeAgreement(module, 1000);  // the tables' first look-ups
        Report("agreement", Best(TimeAgreement, module, 10000), Best(TimeAgreement, module, 100000));
        Report("translation", Best(TimeTranslation, module, 10000), Best(TimeTranslation, module, 100000));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "agreement_long_piece: %s\n", e.what());
        status = 1;
    }
    std::error_code ignored;
    std::filesystem::remove_all(data, ignored);
    return status;
}

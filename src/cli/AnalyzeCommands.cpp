#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "dictionary/DataFolder.h"
#include "cli/DictionaryFolder.h"
#include "cli/Terminal.h"
#include "dictionary/BelModule.h"
#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "morphology/FormSynthesis.h"
#include "dictionary/StemSeeker.h"
#include "ground/Cp1251.h"
#include "ground/LetterCase.h"
#include "ground/NormalizeWord.h"

#include <algorithm>
#include <iostream>
#include <iterator>
#include <limits>

namespace kunimor::cli {

const std::string_view kAnalyzeUsage =
    "  analyze ru|be WORD...         every reading of each word: word number and dictionary\n"
    "                                form, kind, form number, main or alternative form\n";
const std::string_view kFormsUsage =
    "  forms ru|be LEMMA             every form of each word with this dictionary form:\n"
    "                                form number, main form, alternative form\n";

namespace {

struct Reading {
    int32_t no;
    int form;
    bool alt;
};

// A word of the command line as typed (UTF-8) and as the dictionary spells
// it (Windows-1251, lower case, normalised as the translator does: ё as е,
// у/ў by the letter before).
struct Word {
    std::string typed;
    std::string text;
};

int LanguageArgument(const std::string& command, const std::string& arg) {
    if (arg == "ru") return kRussian;
    if (arg == "be") return kBelarusian;
    throw UsageError(command + ": the language is ru or be, not \"" + arg + "\"");
}

Word CommandLineWord(const std::string& command, int lang, const std::string& utf8) {
    std::string text;
    if (!Utf8ToCp1251(utf8, text)) throw UsageError(command + ": \"" + utf8 + "\" is not Russian or Belarusian text");
    text = LowerCaseCyr(text);
    NormalizeWord(lang, text);
    return {utf8, text};
}

std::string_view KindName(int kind) {
    switch (kind) {
        case kNoun: return "noun";
        case kAdjective: return "adjective";
        case kPerfectiveVerb: return "perfective verb";
        case kImperfectiveVerb: return "imperfective verb";
        case kUnchangeable: return "unchangeable";
        default: return "undefined kind";
    }
}

std::vector<Reading> ReadingsOf(TBelModule& module, const std::string& word) {
    std::vector<Reading> readings;
    SeekWord(module, word, [&](const TWordFormArgs& a) { readings.push_back({a.No, a.Form, a.Alt != 0}); });
    return readings;
}

// The dictionary form of the word LoadWord loaded last.
std::string LoadedLemma(int lang, const TBelModule& module) {
    bool alt = false;
    int formNo = 1;
    return BuildFirstForm(lang, module.CurWord.Osnova, module.CurEtalon.Forms, 0, alt, formNo);
}

// "word 30 дом, noun" for the word LoadWord loaded last.
std::string LoadedWordTitle(int lang, const TBelModule& module, int32_t no) {
    return "word " + std::to_string(no) + ' ' + TerminalText(LoadedLemma(lang, module)) + ", " +
           std::string(KindName(module.CurEtalon.Kind));
}

int Analyze(TBelModule& module, int lang, const std::vector<Word>& words) {
    int status = kExitOk;
    for (const Word& word : words) {
        const std::vector<Reading> readings = ReadingsOf(module, word.text);
        if (readings.empty()) {
            std::cout << word.typed << ": not found\n";
            status = kExitFailure;
        }
        for (const Reading& r : readings) {
            module.LoadWord(lang, r.no);
            std::cout << word.typed << ": " << LoadedWordTitle(lang, module, r.no) << ", form " << r.form
                      << (r.alt ? ", alternative" : "") << '\n';
        }
    }
    return status;
}

std::string FormCell(int lang, const TBelModule& module, bool alt, int formNo) {
    const std::string form = BuildForm(lang, module.CurWord.Osnova, module.CurEtalon.Forms, alt, formNo);
    return form.empty() ? "-" : TerminalText(form);
}

// The words whose dictionary form is the lemma are among its readings.
int ListForms(TBelModule& module, int lang, const Word& lemma) {
    std::vector<int32_t> shown;
    for (const Reading& r : ReadingsOf(module, lemma.text)) {
        if (std::find(shown.begin(), shown.end(), r.no) != shown.end()) continue;
        module.LoadWord(lang, r.no);
        if (LoadedLemma(lang, module) != lemma.text) continue;
        shown.push_back(r.no);
        std::cout << LoadedWordTitle(lang, module, r.no) << '\n';
        for (int formNo = 1; formNo <= FormCount(module.CurEtalon.Kind); ++formNo) {
            std::cout << "  " << formNo << '\t' << FormCell(lang, module, false, formNo) << '\t'
                      << FormCell(lang, module, true, formNo) << '\n';
        }
    }
    if (!shown.empty()) return kExitOk;
    std::cout << lemma.typed << ": not found\n";
    return kExitFailure;
}

// Takes --dict, the language and the words of an analyze or forms command
// line and runs it on the opened dictionary.
int RunOnDictionary(std::vector<std::string> args, const std::string& command, size_t maxArguments,
                    int (*run)(TBelModule&, int, const std::vector<Word>&)) {
    const std::optional<std::string> dict = TakeOption(args, "--dict");
    RequireNoOptions(args);
    RequireArgumentCount(args, 2, maxArguments, command);
    const int lang = LanguageArgument(command, args.front());
    std::vector<Word> words;
    for (auto it = std::next(args.begin()); it != args.end(); ++it) words.push_back(CommandLineWord(command, lang, *it));
    TBelModule module;
    OpenDictionaryFolder(module, DataFolder(dict));
    module.SetDirection(lang);
    return run(module, lang, words);
}

}  // namespace

int RunAnalyzeCommand(std::vector<std::string> args) {
    return RunOnDictionary(std::move(args), "analyze", std::numeric_limits<size_t>::max(), Analyze);
}

int RunFormsCommand(std::vector<std::string> args) {
    return RunOnDictionary(std::move(args), "forms", 2, [](TBelModule& module, int lang, const std::vector<Word>& words) {
        return ListForms(module, lang, words.front());
    });
}

}  // namespace kunimor::cli

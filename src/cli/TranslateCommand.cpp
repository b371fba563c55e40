#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "cli/BatchTranslator.h"
#include "cli/CodePageOption.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "dictionary/DataFolder.h"
#include "cli/DictionaryFolder.h"
#include "cli/InputFile.h"
#include "cli/Terminal.h"
#include "cli/TextEdge.h"
#include "cli/UnknownWordCounts.h"
#include "dictionary/BelModule.h"
#include "ground/Error.h"
#include "ground/Language.h"
#include "ground/PathText.h"
#include "ground/CodePages.h"
#include "translator/TranslationStats.h"

namespace kunimor::cli {

const std::string_view kTranslateUsage =
    "  translate ru-be|be-ru [FILE...]\n"
    "                                translate the files, or standard input, to standard\n"
    "                                output, line for line\n"
    "    --encoding CP               the text's code page (utf-8 unless given), as for recode\n"
    "    --unknown-words FILE        write the words left without translation, each with\n"
    "                                its count, most frequent first\n"
    "    --stats                     print the word counts to standard error\n"
    "    --variants                  follow each word that has other translations by\n"
    "                                them, in brackets\n"
    "    --version                   show the program's version\n";

namespace {

constexpr std::string_view kVersion = "kunimor-cli " KUNIMOR_VERSION;

void WriteUnknownWords(const std::string& path, const TUnknownWordCounts& words, const TTextEdge& edge) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw Error(PathText(path) + ": cannot be written");
    out << edge.OutputPreamble();
    const std::vector<std::string> none;
    for (const auto& [word, count] : words.Sorted()) {
        std::size_t next = 0;
        out << word << *edge.FromEngine("\t" + std::to_string(count) + "\n", none, next);
    }
    out.close();
    if (!out) throw Error(PathText(path) + ": cannot be written");
}

int DictionaryProblem(const std::filesystem::path& dataDir, const std::string& reason) {
    std::cerr << "kunimor-cli: no usable dictionary in " << dataDir.string() << ": " << TerminalText(reason)
              << "\n  choose the folder with --dict DIR or $KUNIMOR_DATA; the test dictionary is built with\n"
                 "  kunimor-cli dict build tests/fixtures/dictionary "
              << dataDir.string() << '\n';
    return kExitUsage;
}

}  // namespace

int RunTranslateCommand(std::vector<std::string> args) {
    if (TakeFlag(args, "--version")) {
        std::cout << kVersion << '\n';
        return kExitOk;
    }
    const std::optional<std::string> dict = TakeOption(args, "--dict");
    const std::optional<std::string> encoding = TakeOption(args, "--encoding");
    const std::optional<std::string> unknownPath = TakeOption(args, "--unknown-words");
    const bool stats = TakeFlag(args, "--stats");
    const bool variants = TakeFlag(args, "--variants");
    RequireNoOptions(args);
    if (args.empty()) throw UsageError("translate: which direction, ru-be or be-ru?");
    const std::string direction = args.front();
    if (direction != "ru-be" && direction != "be-ru")
        throw UsageError("translate: the direction is ru-be or be-ru, not \"" + direction + "\"");
    args.erase(args.begin());
    if (args.empty()) args.push_back("-");
    const TTextEdge edge(encoding ? CodePageByName(*encoding) : kCpUtf8);

    std::vector<std::unique_ptr<TInputFile>> inputs;
    for (const std::string& name : args) inputs.push_back(std::make_unique<TInputFile>(name));
    for (const auto& input : inputs) {
        if (input->IsSameFile(STDOUT_FILENO))
            throw Error(PathText(input->Name()) + ": is also the standard output; not writing over an input");
        if (unknownPath && input->IsSameFile(*unknownPath))
            throw Error(PathText(*unknownPath) + ": is an input file; not writing over it");
    }

    TBelModule module;
    const std::filesystem::path dataDir = DataFolder(dict);
    try {
        OpenDictionaryFolder(module, dataDir);
    } catch (const Error& e) {
        return DictionaryProblem(dataDir, e.what());
    }
    module.SetDirection(direction == "be-ru" ? kBelarusian : kRussian);

    TBatchTranslator translator(module, edge, unknownPath.has_value(), variants);
    for (const auto& input : inputs) translator.Translate(*input);
    translator.Flush();
    if (unknownPath) WriteUnknownWords(*unknownPath, translator.Unknown(), edge);
    if (stats) std::cerr << TerminalText(StatsText(translator.Totals())) << '\n';
    return kExitOk;
}

}  // namespace kunimor::cli

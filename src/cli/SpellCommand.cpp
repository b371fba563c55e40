#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/DictionaryFolder.h"
#include "cli/Terminal.h"
#include "dictionary/BelModule.h"
#include "dictionary/DataFolder.h"
#include "dictionary/DictionarySpelling.h"
#include "ground/Cp1251.h"
#include "ground/Error.h"
#include "ground/Language.h"
#include "ground/OrthoAnalyzer.h"
#include "ground/PathText.h"
#include "ground/Utf8.h"

namespace kunimor::cli {

const std::string_view kSpellUsage =
    "  spell be|ru [FILE...]         check the spelling of the files, or standard input:\n"
    "                                each error and warning with its line, column,\n"
    "                                suggestions and explanation; exit 1 on errors\n"
    "    --correct                   write the corrected text instead\n"
    "    --pipe                      speak the ispell -a protocol on standard input\n"
    "    --warnings                  in the pipe, report warnings as misspellings too\n"
    "    --no-warnings               no warnings (ShowWarnings off)\n"
    "    --no-heuristics             only the alphabet and letter statistics\n"
    "                                (EuristicAnalyze off)\n"
    "    --no-dictionary-help        the dictionary neither excuses words nor ranks\n"
    "                                suggestions\n"
    "    --stats                     print the words checked and words per second of the\n"
    "                                check to standard error\n";

namespace {

constexpr std::string_view kPipeBanner = "@(#) International Ispell Version 3.1.20 (but really kunimor-cli " KUNIMOR_VERSION ")";
// Stands for a character Windows-1251 cannot hold; no letter, so a word
// holding one is an error and is never corrected.
constexpr char kStandIn = '\x98';

// UTF-8 text as engine text, with where each engine character came from.
struct TSpellInput {
    std::string utf8;
    std::string engine;
    std::vector<std::size_t> origin;  // byte offset in utf8 of each engine character, and the end

    explicit TSpellInput(std::string text) : utf8(std::move(text)) {
        for (std::size_t pos = 0; pos < utf8.size();) {
            origin.push_back(pos);
            const std::optional<char32_t> cp = DecodeUtf8(utf8, pos);
            if (!cp) ++pos;
            const int byte = cp ? UnicodeToCp1251(*cp) : -1;
            engine += byte < 0 ? kStandIn : static_cast<char>(byte);
        }
        origin.push_back(utf8.size());
    }

    std::string Original(int from, int to) const { return utf8.substr(origin[from], origin[to] - origin[from]); }
};

struct TCheckedWord {
    int verdict;
    int from, to;
    std::vector<std::string> suggestions;  // engine text
    std::string explanation;
    std::string correction;
};

struct TSpellRun {
    TOrthoAnalyzer& analyzer;
    double seconds = 0;
    long words = 0;

    // Every word of the text (not the non-words) with its verdict.
    std::vector<TCheckedWord> Check(const std::string& text) {
        std::vector<TCheckedWord> out;
        analyzer.SpellText = text;
        const auto start = std::chrono::steady_clock::now();
        analyzer.CheckText([](const std::string&) {},
                           [&](int v, int from, int to) {
                               if (v == kSpellNotAWord) return;
                               TCheckedWord w{v, from, to, {}, {}, {}};
                               if (v != kSpellCorrect) {
                                   w.suggestions = analyzer.SpellSuggestions;
                                   w.explanation = analyzer.SpellExplanation;
                                   if (!w.suggestions.empty()) w.correction = analyzer.Correction();
                               }
                               out.push_back(std::move(w));
                           },
                           {});
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        words += static_cast<long>(out.size());
        return out;
    }
};

std::string Joined(const std::vector<std::string>& words) {
    std::string out;
    for (const std::string& w : words) out += (out.empty() ? "" : ", ") + Cp1251ToUtf8(w);
    return out;
}

// The explanation lines on one line.
std::string OneLine(const std::string& explanation) {
    std::string out;
    std::istringstream lines(TerminalText(explanation));
    for (std::string line; std::getline(lines, line);)
        if (!line.empty()) out += (out.empty() ? "" : "; ") + line;
    return out;
}

bool Misspelt(const TCheckedWord& w, bool warnings) {
    return w.verdict == kSpellError || (warnings && w.verdict == kSpellWarning);
}

std::string ReadWhole(const std::string& name) {
    if (name == "-") return std::string(std::istreambuf_iterator<char>(std::cin), {});
    if (std::filesystem::is_directory(name)) throw Error(PathText(name) + ": is a folder");
    std::ifstream in(name, std::ios::binary);
    if (!in) throw Error(PathText(name) + ": cannot be read");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Report(TSpellRun& run, const std::string& name, const TSpellInput& input) {
    bool errors = false;
    int line = 1;
    int lineStart = 0;
    int scanned = 0;
    for (const TCheckedWord& w : run.Check(input.engine)) {
        if (w.verdict == kSpellCorrect) continue;
        errors = errors || w.verdict == kSpellError;
        for (; scanned < w.from; ++scanned)
            if (input.engine[scanned] == '\n') ++line, lineStart = scanned + 1;
        std::cout << name << ':' << line << ':' << (w.from - lineStart + 1) << ": "
                  << (w.verdict == kSpellError ? "error" : "warning") << ": " << input.Original(w.from, w.to);
        if (!w.suggestions.empty()) std::cout << ": " << Joined(w.suggestions);
        std::cout << " (" << OneLine(w.explanation) << ")\n";
    }
    return errors;
}

bool Correct(TSpellRun& run, const TSpellInput& input) {
    bool errors = false;
    int done = 0;
    for (const TCheckedWord& w : run.Check(input.engine)) {
        errors = errors || w.verdict == kSpellError;
        if (w.correction.empty() || input.engine.substr(w.from, w.to - w.from).find(kStandIn) != std::string::npos)
            continue;
        std::cout << input.Original(done, w.from) << Cp1251ToUtf8(w.correction);
        done = w.to;
    }
    std::cout << input.Original(done, static_cast<int>(input.engine.size()));
    return errors;
}

// The ispell -a protocol: a banner, then for each input line one answer
// line per word and an empty line. "^" makes the rest of a line text;
// "!" and "%" switch terse mode (no "*" lines) on and off; "@" and "*"
// accept a word for the session; the other commands are ignored.
bool Pipe(TSpellRun& run, bool warnings) {
    std::cout << kPipeBanner << '\n' << std::flush;
    bool errors = false;
    bool terse = false;
    std::vector<std::string> accepted;
    for (std::string line; std::getline(std::cin, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && std::string_view("!%@*#~+-").find(line.front()) != std::string_view::npos) {
            if (line.front() == '!') terse = true;
            if (line.front() == '%') terse = false;
            if (line.front() == '@' || line.front() == '*') accepted.push_back(line.substr(1));
            continue;
        }
        // Offsets count in the line as it came, prefix included, as ispell's do.
        const int prefix = !line.empty() && line.front() == '^' ? 1 : 0;
        line.erase(0, prefix);
        const TSpellInput input(line);
        for (const TCheckedWord& w : run.Check(input.engine)) {
            const std::string word = input.Original(w.from, w.to);
            if (!Misspelt(w, warnings) || std::find(accepted.begin(), accepted.end(), word) != accepted.end()) {
                if (!terse) std::cout << "*\n";
                continue;
            }
            errors = errors || w.verdict == kSpellError;
            if (w.suggestions.empty()) std::cout << "# " << word << ' ' << w.from + prefix << '\n';
            else
                std::cout << "& " << word << ' ' << w.suggestions.size() << ' ' << w.from + prefix << ": "
                          << Joined(w.suggestions) << '\n';
        }
        std::cout << '\n' << std::flush;
    }
    return errors;
}

}  // namespace

int RunSpellCommand(std::vector<std::string> args) {
    const std::optional<std::string> dict = TakeOption(args, "--dict");
    const bool correct = TakeFlag(args, "--correct");
    const bool pipe = TakeFlag(args, "--pipe");
    const bool pipeWarnings = TakeFlag(args, "--warnings");
    const bool noWarnings = TakeFlag(args, "--no-warnings");
    const bool noHeuristics = TakeFlag(args, "--no-heuristics");
    const bool noDictionaryHelp = TakeFlag(args, "--no-dictionary-help");
    const bool stats = TakeFlag(args, "--stats");
    RequireNoOptions(args);
    if (args.empty()) throw UsageError("spell: which language, be or ru?");
    if (args.front() != "be" && args.front() != "ru")
        throw UsageError("spell: the language is be or ru, not \"" + args.front() + "\"");
    if (correct && pipe) throw UsageError("spell: --correct and --pipe do not go together");
    const int lang = args.front() == "be" ? kBelarusian : kRussian;
    args.erase(args.begin());
    if (pipe && !args.empty()) throw UsageError("spell: --pipe reads standard input only");
    if (args.empty()) args.push_back("-");

    std::vector<TSpellInput> inputs;
    try {
        if (!pipe)
            for (const std::string& name : args) inputs.emplace_back(ReadWhole(name));
    } catch (const Error& e) {
        std::cerr << "kunimor-cli: " << e.what() << '\n';
        return kExitUsage;
    }

    // Without a dictionary the rules and the letter statistics still work;
    // only a folder asked for by name must hold one.
    const std::filesystem::path dataDir = DataFolder(dict);
    TBelModule module;
    try {
        OpenDictionaryFolder(module, dataDir);
    } catch (const Error& e) {
        if (dict) {
            std::cerr << "kunimor-cli: no usable dictionary in " << dataDir.string() << ": " << TerminalText(e.what())
                      << '\n';
            return kExitUsage;
        }
    }
    TFreqLists& lists = ProcessFreqLists();
    lists.DataFolder = dataDir;
    lists.OnMessage = [](const std::string& text) { std::cerr << "kunimor-cli: " << TerminalText(text) << '\n'; };

    TOrthoAnalyzer analyzer(lists);
    analyzer.ShowWarnings = !noWarnings;
    analyzer.EuristicAnalyze = !noHeuristics;
    analyzer.DictionaryHelps = !noDictionaryHelp;
    analyzer.SetSpellLanguage(lang, true);
    TDictionarySpelling lent(analyzer, module);
    TSpellRun run{analyzer};

    bool errors = false;
    if (pipe) {
        errors = Pipe(run, pipeWarnings);
    } else {
        for (std::size_t i = 0; i < inputs.size(); ++i)
            errors = (correct ? Correct(run, inputs[i]) : Report(run, args[i], inputs[i])) || errors;
    }
    std::cout << std::flush;
    if (stats)
        std::cerr << "words " << run.words << ", seconds " << run.seconds << ", words per second "
                  << static_cast<long>(run.seconds > 0 ? run.words / run.seconds : 0) << '\n';
    return errors ? kExitFailure : kExitOk;
}

}  // namespace kunimor::cli

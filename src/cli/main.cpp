#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Terminal.h"
#include "ground/Error.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

using namespace kunimor::cli;

namespace {

const CommandGroup kGroups[] = {
    {"dict", kDictUsage, RunDictCommand},
    {"dict import", kDictImportUsage, RunDictImportCommand},
    {"translations", kTranslationsUsage, RunTranslationsCommand},
    {"latin", kLatinUsage, RunLatinCommand},
    {"recode", kRecodeUsage, RunRecodeCommand},
    {"transcribe", kTranscribeUsage, RunTranscribeCommand},
    {"analyze", kAnalyzeUsage, RunAnalyzeCommand},
    {"forms", kFormsUsage, RunFormsCommand},
    {"translate", kTranslateUsage, RunTranslateCommand},
    {"spell", kSpellUsage, RunSpellCommand},
    {"request", kRequestUsage, RunRequestCommand},
    {"serve", kServeUsage, RunServeCommand},
};

void PrintUsage(std::ostream& out) {
    out << "usage: kunimor-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const CommandGroup& g : kGroups) out << g.usage;
    out << "\noptions:\n"
           "  --dict DIR   the dictionary folder where a command's DATA_DIR is optional;\n"
           "               without it $KUNIMOR_DATA, else data/ in the program's folder\n"
           "  --help       show this text\n";
}

int Run(std::vector<std::string> args) {
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        PrintUsage(std::cout);
        return kExitOk;
    }
    if (args.empty()) throw UsageError("no command given");
    // The importer is a group of its own beside the dictionary's text-form commands.
    if (args.size() >= 2 && args[0] == "dict" && args[1] == "import") {
        args.erase(args.begin());
        args[0] = "dict import";
    }
    const auto group = std::find_if(std::begin(kGroups), std::end(kGroups),
                                    [&](const CommandGroup& g) { return g.word == args.front(); });
    if (group == std::end(kGroups)) throw UsageError("unknown command \"" + args.front() + "\"");
    args.erase(args.begin());
    return group->run(std::move(args));
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& e) {
        std::cerr << "kunimor-cli: " << e.what() << "\n\n";
        PrintUsage(std::cerr);
        return kExitUsage;
    } catch (const kunimor::Error& e) {
        std::cerr << "kunimor-cli: " << TerminalText(e.what()) << '\n';
        return kExitFailure;
    } catch (const std::exception& e) {
        std::cerr << "kunimor-cli: " << e.what() << '\n';
        return kExitFailure;
    }
}

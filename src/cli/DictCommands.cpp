#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "dictionary/DataFolder.h"
#include "cli/DictionaryFolder.h"
#include "dictionary/BelModule.h"
#include "dictionary/DictionaryText.h"
#include "ground/Error.h"
#include "dictionary/Schema.h"

#include <iostream>

namespace kunimor::cli {

const std::string_view kDictUsage =
    "  dict dump DATA_DIR OUT_DIR    write the dictionary's tables as text (<Table>.tsv)\n"
    "  dict build SRC_DIR DATA_DIR   write the dictionary files from such text\n"
    "  dict stats [DATA_DIR]         open the dictionary and count each table's records\n";

namespace {

int Stats(const std::filesystem::path& dataDir) {
    TBelModule module;
    OpenDictionaryFolder(module, dataDir);
    for (const TableSpec& spec : TableSpecs())
        std::cout << spec.baseName << ' ' << module.Tbl(spec.id).RecordCount() << '\n';
    return kExitOk;
}

}  // namespace

int RunDictCommand(std::vector<std::string> args) {
    if (!args.empty() && (args.front() == "add" || args.front() == "remove")) {
        const std::string sub = args.front();
        args.erase(args.begin());
        return RunDictEditCommand(sub, std::move(args));
    }
    const std::optional<std::string> dict = TakeOption(args, "--dict");
    RequireNoOptions(args);
    if (args.empty()) throw UsageError("dict: which of dump, build, stats, add or remove?");
    const std::string sub = args.front();
    args.erase(args.begin());
    const std::string command = "dict " + sub;
    if (sub == "stats") {
        RequireArgumentCount(args, 0, 1, command);
        if (dict && !args.empty()) throw UsageError(command + ": give the data folder once, not also with --dict");
        return Stats(args.empty() ? DataFolder(dict) : std::filesystem::path(args.front()));
    }
    if (sub != "dump" && sub != "build") throw UsageError("dict: unknown command \"" + sub + "\"");
    if (dict) throw UsageError(command + " takes its folders as arguments, not with --dict");
    RequireArgumentCount(args, 2, 2, command);
    if (sub == "dump") DumpDictionary(args[0], args[1]);
    else BuildDictionary(args[0], args[1]);
    return kExitOk;
}

}  // namespace kunimor::cli

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "import/DictionaryImport.h"

#include <iostream>

namespace kunimor::cli {

const std::string_view kDictImportUsage =
    "  dict import --out DATA_DIR [--source DIR] [--supplement PATH] [--prepositions FILE]\n"
    "              [--no-check]\n"
    "                                build the starter dictionary from the apertium-bel-rus data\n"
    "                                (DIR, default /usr/share/apertium/apertium-bel-rus) and the\n"
    "                                curated pairs of PATH (a .tsv file, or a folder of them),\n"
    "                                with the cases of the prepositions listed in FILE;\n"
    "                                --no-check skips the check of every form\n";

int RunDictImportCommand(std::vector<std::string> args) {
    import::TImportOptions options;
    const auto out = TakeOption(args, "--out");
    if (!out) throw UsageError("dict import: where to? give --out DATA_DIR");
    options.OutDir = *out;
    if (const auto source = TakeOption(args, "--source")) options.SourceDir = *source;
    if (const auto supplement = TakeOption(args, "--supplement")) options.SupplementFile = *supplement;
    if (const auto prepositions = TakeOption(args, "--prepositions")) options.PrepositionFile = *prepositions;
    options.CheckForms = !TakeFlag(args, "--no-check");
    RequireNoOptions(args);
    RequireArgumentCount(args, 0, 0, "dict import");
    const import::TImportReport report = import::ImportDictionary(options, std::cerr);
    report.Print(std::cout);
    return kExitOk;
}

}  // namespace kunimor::cli

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "cli/CodePageOption.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "ground/LatinUtf8.h"
#include "ground/Error.h"
#include "ground/PathText.h"
#include "ground/CodePages.h"
#include "ground/Cp1251.h"
#include "ground/LatinkaSettings.h"
#include "ground/Transcription.h"

namespace kunimor::cli {

const std::string_view kLatinUsage =
    "  latin to-latin|to-cyrillic [FILE]\n"
    "                                Belarusian from the Cyrillic into the Latin script or\n"
    "                                back, from FILE or standard input to standard output\n"
    "    --encoding utf-8|cp1257     the Latin side's bytes (utf-8 unless given)\n"
    "    --numeric-refs              write the special Latin letters as &#365; and the like\n"
    "    --lossy                     write ? for what cannot be read instead of failing\n";

const std::string_view kRecodeUsage =
    "  recode --from CP --to CP [FILE]\n"
    "                                a text from one code page into another, to standard\n"
    "                                output; CP is cp1251, cp866, cp1257 (the Belarusian\n"
    "                                Latin script), utf-8, utf-16, koi8-r, mac or iso-8859-5;\n"
    "                                --numeric-refs and --lossy as for latin\n";

const std::string_view kTranscribeUsage =
    "  transcribe latin|translit-be|translit-ru|translit-uk [FILE] [--out FILE]\n"
    "                                Cyrillic UTF-8 text in the Belarusian Latin script or\n"
    "                                in plain ASCII letters (Belarusian, Russian or\n"
    "                                Ukrainian rules); what has no rule stays as it is\n";

namespace {

// What the command reads, with its name for messages (engine text).
struct TInput {
    std::string bytes;
    std::string name;
};

TInput ReadInput(const std::vector<std::string>& args) {
    if (args.empty()) {
        return {std::string(std::istreambuf_iterator<char>(std::cin.rdbuf()), {}), "standard input"};
    }
    const std::filesystem::path path(args.front());
    TInput input{{}, PathText(path)};
    std::ifstream in(path, std::ios::binary);
    // A folder opens like a file on some systems and then reads as empty.
    if (!in || std::filesystem::is_directory(path)) throw Error(input.name + ": cannot be read");
    input.bytes.assign(std::istreambuf_iterator<char>(in), {});
    return input;
}

void RequireReadable(const std::optional<TReadProblem>& problem, const TInput& input) {
    if (!problem) return;
    throw Error(input.name + ": " + problem->what + " at byte offset " + std::to_string(problem->offset) +
                "; --lossy writes ? for it");
}

void WriteOutput(std::string_view bytes) {
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout.flush();
    if (!std::cout) throw Error("standard output: cannot be written");
}

// The Latin side is UTF-8 on the terminal unless Windows-1257 bytes are asked for.
bool LatinSideIsCp1257(const std::optional<std::string>& encoding) {
    if (!encoding) return false;
    const int index = CodePageByName(*encoding);
    if (index != kCpUtf8 && index != kCpLatinka) {
        throw UsageError("latin: --encoding is utf-8 or cp1257, not \"" + *encoding + "\"");
    }
    return index == kCpLatinka;
}

}  // namespace

int RunLatinCommand(std::vector<std::string> args) {
    const bool cp1257 = LatinSideIsCp1257(TakeOption(args, "--encoding"));
    const bool numericRefs = TakeFlag(args, "--numeric-refs");
    const bool lossy = TakeFlag(args, "--lossy");
    RequireNoOptions(args);
    if (args.empty()) throw UsageError("latin: which of to-latin or to-cyrillic?");
    const std::string sub = args.front();
    args.erase(args.begin());
    const bool toLatin = sub == "to-latin";
    if (!toLatin && sub != "to-cyrillic") throw UsageError("latin: unknown command \"" + sub + "\"");
    RequireArgumentCount(args, 0, 1, "latin " + sub);
    if (numericRefs && !toLatin) {
        throw UsageError("latin to-cyrillic: --numeric-refs is for writing; references are always read");
    }
    if (numericRefs) DopLatCoding = 1;

    const TInput input = ReadInput(args);
    std::optional<TReadProblem> problem;
    std::optional<TReadProblem>* const report = lossy ? nullptr : &problem;
    std::string out;
    if (toLatin) {
        const std::string cyrillic = ConvertText(false, kCpUtf8, input.bytes, false, report);
        RequireReadable(problem, input);
        out = cp1257 ? ConvertText(true, kCpLatinka, cyrillic, DopLatCoding == 1)
                     : CyrillicToLatinUtf8(cyrillic, DopLatCoding == 1);
    } else {
        // Opening a Latin-script text always reads the references.
        const std::string cyrillic =
            cp1257 ? ConvertText(false, kCpLatinka, input.bytes, true) : LatinUtf8ToCyrillic(input.bytes, report);
        RequireReadable(problem, input);
        out = Cp1251ToUtf8(cyrillic);
    }
    WriteOutput(out);
    return kExitOk;
}

int RunRecodeCommand(std::vector<std::string> args) {
    const std::optional<std::string> from = TakeOption(args, "--from");
    const std::optional<std::string> to = TakeOption(args, "--to");
    const bool numericRefs = TakeFlag(args, "--numeric-refs");
    const bool lossy = TakeFlag(args, "--lossy");
    RequireNoOptions(args);
    RequireArgumentCount(args, 0, 1, "recode");
    if (!from || !to) throw UsageError("recode: give both --from and --to");
    const int fromIndex = CodePageByName(*from);
    const int toIndex = CodePageByName(*to);
    if (numericRefs && toIndex != kCpLatinka) throw UsageError("recode: --numeric-refs is for --to cp1257");
    if (numericRefs) DopLatCoding = 1;

    const TInput input = ReadInput(args);
    std::optional<TReadProblem> problem;
    const std::string cyrillic = ConvertText(false, fromIndex, input.bytes, true, lossy ? nullptr : &problem);
    RequireReadable(problem, input);
    WriteOutput(ConvertText(true, toIndex, cyrillic, DopLatCoding == 1));
    return kExitOk;
}

int RunTranscribeCommand(std::vector<std::string> args) {
    const std::optional<std::string> out = TakeOption(args, "--out");
    RequireNoOptions(args);
    if (args.empty()) throw UsageError("transcribe: which of latin, translit-be, translit-ru or translit-uk?");
    const std::string how = args.front();
    args.erase(args.begin());
    RequireArgumentCount(args, 0, 1, "transcribe " + how);
    const std::pair<const char*, TTranscription> kinds[] = {{"latin", TTranscription::BelarusianLatin},
                                                            {"translit-be", TTranscription::BelarusianTranslit},
                                                            {"translit-ru", TTranscription::RussianTranslit},
                                                            {"translit-uk", TTranscription::UkrainianTranslit}};
    const auto kind = std::ranges::find_if(kinds, [&](const auto& k) { return how == k.first; });
    if (kind == std::end(kinds)) throw UsageError("transcribe: unknown script \"" + how + "\"");

    const std::string written = Transcribe(ReadInput(args).bytes, kind->second);
    if (!out) {
        WriteOutput(written);
        return kExitOk;
    }
    // Written whole or not at all: a build step must not leave half a file.
    const std::filesystem::path target(*out);
    const std::filesystem::path temporary = target.string() + ".tmp";
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(written.data(), static_cast<std::streamsize>(written.size()));
    file.close();
    std::error_code error;
    if (!file || (std::filesystem::rename(temporary, target, error), error)) {
        std::filesystem::remove(temporary, error);
        throw Error(PathText(target) + ": cannot be written");
    }
    return kExitOk;
}

}  // namespace kunimor::cli

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>

#include "cli/CodePageOption.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/DataFolder.h"
#include "cli/DictionaryFolder.h"
#include "cli/LineReader.h"
#include "cli/Terminal.h"
#include "cli/TextEdge.h"
#include "cli/UnknownWordCounts.h"
#include "lexicon/BelModule.h"
#include "lexicon/Error.h"
#include "lexicon/Language.h"
#include "lexicon/PathText.h"
#include "textservices/CodePages.h"
#include "textservices/LetterCase.h"
#include "translator/StandInChars.h"
#include "translator/TranslateText.h"
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
    "    --version                   show the program's version\n";

namespace {

constexpr std::string_view kVersion = "kunimor-cli 0.1";

// Input goes to the engine a paragraph at a time: up to a blank line, or,
// past kParagraphSize, up to a line that ends a sentence, or, past
// kMaxChunk, up to any line end. Lines longer than kMaxLinePart come in
// parts. So memory stays flat whatever the input's size.
constexpr std::size_t kParagraphSize = 64 * 1024;
constexpr std::size_t kMaxChunk = 1024 * 1024;
constexpr std::size_t kMaxLinePart = 1024 * 1024;
constexpr std::size_t kOutputBuffer = 64 * 1024;

void AddSaturated(int32_t& total, int32_t add) {
    total = static_cast<int32_t>(std::min<int64_t>(int64_t{total} + add, std::numeric_limits<int32_t>::max()));
}

// An input file, open for reading until the object goes.
class TInputFile {
public:
    explicit TInputFile(const std::string& name) : name_(name) {
        if (name == "-") return;
        fd_ = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0) throw Error(PathText(name) + ": " + std::strerror(errno));
        struct stat st {};
        if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
            ::close(fd_);
            throw Error(PathText(name) + ": is a folder");
        }
    }
    ~TInputFile() {
        if (fd_ > 0) ::close(fd_);
    }
    TInputFile(const TInputFile&) = delete;
    TInputFile& operator=(const TInputFile&) = delete;

    int Fd() const { return fd_; }
    const std::string& Name() const { return name_; }

    bool IsFile(int otherFd) const {
        struct stat mine {}, other {};
        return ::fstat(fd_, &mine) == 0 && ::fstat(otherFd, &other) == 0 && S_ISREG(mine.st_mode) &&
               mine.st_dev == other.st_dev && mine.st_ino == other.st_ino;
    }
    bool IsFile(const std::string& path) const {
        struct stat mine {}, other {};
        return ::fstat(fd_, &mine) == 0 && ::stat(path.c_str(), &other) == 0 && mine.st_dev == other.st_dev &&
               mine.st_ino == other.st_ino;
    }

private:
    std::string name_;
    int fd_ = STDIN_FILENO;
};

// One code unit of a line as an ASCII character, 0 for any other.
char UnitChar(std::string_view bytes, std::size_t pos, std::size_t unit) {
    if (unit == 2 && bytes[pos + 1] != '\0') return 0;
    const char c = bytes[pos];
    return static_cast<unsigned char>(c) < 0x80 ? c : 0;
}

// The line ends of a text: one entry per line feed, true where a carriage
// return stands before it.
std::vector<bool> LineEnds(std::string_view bytes, std::size_t unit) {
    std::vector<bool> ends;
    for (std::size_t pos = 0; pos + unit <= bytes.size(); pos += unit)
        if (UnitChar(bytes, pos, unit) == '\n') ends.push_back(pos >= unit && UnitChar(bytes, pos - unit, unit) == '\r');
    return ends;
}

// The last character of a line that is neither a blank nor its line end;
// ' ' for a blank line, 0 when it is not ASCII.
char LastVisible(std::string_view line, std::size_t unit) {
    for (std::size_t pos = line.size() - line.size() % unit; pos >= unit; pos -= unit) {
        const char c = UnitChar(line, pos - unit, unit);
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return c;
    }
    return ' ';
}

// The bytes of a line and of its line end (a line feed, with a carriage
// return before it if there is one).
std::pair<std::string_view, std::string_view> SplitLineEnd(std::string_view line, std::size_t unit) {
    std::size_t end = line.size();
    if (end >= unit && UnitChar(line, end - unit, unit) == '\n') {
        end -= unit;
        if (end >= unit && UnitChar(line, end - unit, unit) == '\r') end -= unit;
    }
    return {line.substr(0, end), line.substr(end)};
}

// A stretch of input translated, not yet passed on.
struct TTranslated {
    std::string output;
    std::vector<std::pair<std::string, std::string>> unknown;  // (key, word), in the code page
    TTranslationStats stats;
};

class TBatchTranslator {
public:
    TBatchTranslator(TBelModule& module, const TTextEdge& edge) : module_(module), edge_(edge) {
        Write(edge_.OutputPreamble());
    }

    void Translate(const TInputFile& input) {
        const bool interactive = ::isatty(input.Fd()) == 1;
        TLineReader reader(input.Fd(), edge_.UnitSize(), kMaxLinePart, [this] { Flush(); });
        reader.SkipPrefix(edge_.ByteOrderMark());
        std::string chunk;
        std::string line;
        while (reader.Next(line)) {
            chunk += line;
            if (interactive || EndsChunk(line, chunk.size())) {
                TranslateChunk(chunk);
                chunk.clear();
            }
        }
        if (!chunk.empty()) TranslateChunk(chunk);
    }

    void Flush() {
        for (std::size_t done = 0; done < out_.size();) {
            const ssize_t n = ::write(STDOUT_FILENO, out_.data() + done, out_.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) throw Error(std::string("standard output: ") + std::strerror(errno));
            done += static_cast<std::size_t>(n);
        }
        out_.clear();
    }

    const TTranslationStats& Totals() const { return totals_; }
    const TUnknownWordCounts& Unknown() const { return unknown_; }

private:
    bool EndsChunk(std::string_view line, std::size_t chunkSize) const {
        const std::size_t unit = edge_.UnitSize();
        if (line.size() < unit || UnitChar(line, line.size() - unit, unit) != '\n') return true;  // part of a long line
        const char last = LastVisible(line, unit);
        if (last == ' ' || chunkSize >= kMaxChunk) return true;
        return chunkSize >= kParagraphSize && (last == '.' || last == '!' || last == '?');
    }

    // A paragraph goes to the engine whole, so that sentences running over
    // line ends stay whole. Should its translation not keep the line ends
    // (an abbreviation written over a line end is one word), the paragraph
    // goes again line by line, which keeps them by construction.
    void TranslateChunk(const std::string& chunk) {
        const std::size_t unit = edge_.UnitSize();
        if (std::optional<TTranslated> whole = Attempt(chunk);
            whole && LineEnds(whole->output, unit) == LineEnds(chunk, unit)) {
            Commit(*whole);
            return;
        }
        for (std::size_t pos = 0; pos < chunk.size();) {
            std::size_t end = pos;
            while (end + unit <= chunk.size() && UnitChar(chunk, end, unit) != '\n') end += unit;
            end = std::min(end + unit, chunk.size());
            const auto [text, lineEnd] = SplitLineEnd(std::string_view(chunk).substr(pos, end - pos), unit);
            std::optional<TTranslated> line = Attempt(text);
            if (!line) throw Error("the translation lost characters outside Windows-1251 it was to keep");
            line->output += lineEnd;
            Commit(*line);
            pos = end;
        }
    }

    // Translates a stretch; nothing when the characters set aside cannot
    // all be put back in place.
    std::optional<TTranslated> Attempt(std::string_view bytes) {
        const TEdgeText source = edge_.ToEngine(bytes);
        std::string engineOut;
        std::vector<std::string> words;
        std::deque<int> markedWords;  // where the marked words with a stand-in start
        TTranslateCallbacks callbacks;
        callbacks.OutputProc = [&](int) { engineOut += OutText; };
        callbacks.UnknownProc = [&](const std::string& word) { words.push_back(word); };
        if (edge_.SetsCharactersAside()) {
            callbacks.MarkProc = [&](int style, int from, int to) {
                const std::string_view span = std::string_view(source.text).substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
                if (style == kForeignStyle && span.find(kWordStandIn) != std::string_view::npos) markedWords.push_back(from);
            };
        }
        TranslateText(module_, source.text, callbacks);

        TTranslated result;
        result.stats = Counters;
        std::size_t next = 0;
        std::optional<std::string> output = edge_.FromEngine(engineOut, source.setAside, next);
        if (!output || next != source.setAside.size()) return std::nullopt;
        result.output = std::move(*output);
        if (!RestoreWords(source, words, markedWords, result)) return std::nullopt;
        return result;
    }

    // The unknown words in the code page. A word holding a stand-in is one
    // with a foreign character, and all of those are reported, in order, so
    // the n-th such report is the n-th such marked word.
    bool RestoreWords(const TEdgeText& source, const std::vector<std::string>& words, std::deque<int>& markedWords,
                      TTranslated& result) const {
        std::size_t scanned = 0;
        std::size_t standInsBefore = 0;
        for (const std::string& word : words) {
            std::size_t first = 0;
            if (edge_.SetsCharactersAside() && word.find(kWordStandIn) != std::string::npos) {
                if (markedWords.empty()) return false;
                const auto from = static_cast<std::size_t>(markedWords.front());
                markedWords.pop_front();
                if (source.text.compare(from, word.size(), word) != 0) return false;
                for (; scanned < from; ++scanned)
                    if (source.text[scanned] == kWordStandIn || source.text[scanned] == kGapStandIn) ++standInsBefore;
                first = standInsBefore;
            }
            std::size_t next = first;
            std::optional<std::string> written = edge_.FromEngine(word, source.setAside, next);
            next = first;
            std::optional<std::string> key = edge_.FromEngine(LowerCaseCyr(word), source.setAside, next);
            if (!written || !key) return false;
            result.unknown.emplace_back(std::move(*key), std::move(*written));
        }
        return markedWords.empty();
    }

    void Commit(const TTranslated& t) {
        AddSaturated(totals_.Words, t.stats.Words);
        AddSaturated(totals_.Translated, t.stats.Translated);
        AddSaturated(totals_.Unknown, t.stats.Unknown);
        AddSaturated(totals_.Inexact, t.stats.Inexact);
        for (const auto& [key, word] : t.unknown) unknown_.Add(key, word);
        Write(t.output);
    }

    void Write(std::string_view bytes) {
        out_ += bytes;
        if (out_.size() >= kOutputBuffer) Flush();
    }

    TBelModule& module_;
    const TTextEdge& edge_;
    std::string out_;
    TTranslationStats totals_;
    TUnknownWordCounts unknown_;
};

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

bool TakeFlag(std::vector<std::string>& args, std::string_view name) { return std::erase(args, name) > 0; }

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
        if (input->Name() == "-") continue;
        if (input->IsFile(STDOUT_FILENO))
            throw Error(PathText(input->Name()) + ": is also the standard output; not writing over an input");
        if (unknownPath && input->IsFile(*unknownPath))
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

    TBatchTranslator translator(module, edge);
    for (const auto& input : inputs) translator.Translate(*input);
    translator.Flush();
    if (unknownPath) WriteUnknownWords(*unknownPath, translator.Unknown(), edge);
    if (stats) std::cerr << TerminalText(StatsText(translator.Totals())) << '\n';
    return kExitOk;
}

}  // namespace kunimor::cli

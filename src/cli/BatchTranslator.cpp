#include "cli/BatchTranslator.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include "cli/LineReader.h"
#include "cli/LineUnits.h"
#include "ground/Error.h"
#include "ground/LetterCase.h"
#include "translator/StandInChars.h"
#include "translator/TranslateText.h"

namespace kunimor::cli {
namespace {

// Input goes to the engine a paragraph at a time: up to a blank line, or,
// past kParagraphSize, up to a line that ends a sentence, or, past
// kMaxChunk, up to any line end. Lines longer than kMaxLinePart come in
// parts. So memory stays flat whatever the input's size.
constexpr std::size_t kParagraphSize = 64 * 1024;
constexpr std::size_t kMaxChunk = 256 * 1024;
constexpr std::size_t kMaxLinePart = 256 * 1024;
constexpr std::size_t kOutputBuffer = 64 * 1024;

void AddSaturated(int32_t& total, int32_t add) {
    total = static_cast<int32_t>(std::min<int64_t>(int64_t{total} + add, std::numeric_limits<int32_t>::max()));
}

bool IsStandIn(char c) { return c == kWordStandIn || c == kGapStandIn; }

void WriteToStandardOutput(std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw Error(std::string("standard output: ") + std::strerror(errno));
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

TBatchTranslator::TBatchTranslator(TBelModule& module, const TTextEdge& edge, bool collectUnknown,
                                   bool showVariants, TOutputSink sink)
    : module_(module),
      edge_(edge),
      collectUnknown_(collectUnknown),
      showVariants_(showVariants),
      sink_(sink ? std::move(sink) : TOutputSink(WriteToStandardOutput)) {
    Write(edge_.OutputPreamble());
}

void TBatchTranslator::Translate(const TInputFile& input) {
    TLineReader reader(input.Fd(), edge_.UnitSize(), kMaxLinePart, [this] { Flush(); });
    // Typed input is answered line by line.
    TranslateLines(reader, ::isatty(input.Fd()) == 1);
}

void TBatchTranslator::Translate(std::string text) {
    TLineReader reader(std::move(text), edge_.UnitSize(), kMaxLinePart);
    TranslateLines(reader, false);
}

void TBatchTranslator::TranslateLines(TLineReader& reader, bool interactive) {
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

void TBatchTranslator::Flush() {
    sink_(out_);
    out_.clear();
}

bool TBatchTranslator::EndsChunk(std::string_view line, std::size_t chunkSize) const {
    const std::size_t unit = edge_.UnitSize();
    if (line.size() < unit || UnitChar(line, line.size() - unit, unit) != '\n') return true;  // part of a long line
    const char last = LastVisible(line, unit);
    if (last == ' ' || chunkSize >= kMaxChunk) return true;
    return chunkSize >= kParagraphSize && (last == '.' || last == '!' || last == '?');
}

// A paragraph goes to the engine whole, so that sentences running over line
// ends stay whole. Should its translation not keep the line ends (an
// abbreviation written over a line end is one word), the paragraph goes
// again line by line, which keeps them by construction.
void TBatchTranslator::TranslateChunk(const std::string& chunk) {
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

// Translates a stretch; nothing when the characters set aside cannot all
// be put back in place.
std::optional<TBatchTranslator::TTranslated> TBatchTranslator::Attempt(std::string_view bytes) {
    const TEdgeText source = edge_.ToEngine(bytes);
    std::string engineOut;
    std::vector<std::string> words;
    std::vector<int> markedWords;  // where the marked words with a stand-in start
    TTranslateCallbacks callbacks;
    callbacks.WantVariants = showVariants_;
    callbacks.OutputProc = [&](int) {
        engineOut += OutText;
        if (OutVariants.empty()) return;
        engineOut += " [";
        for (std::size_t i = 1; i < OutVariants.size(); ++i) engineOut += (i > 1 ? ", " : "") + OutVariants[i];
        engineOut += ']';
    };
    if (collectUnknown_) callbacks.UnknownProc = [&](const std::string& word) { words.push_back(word); };
    if (collectUnknown_ && edge_.SetsCharactersAside()) {
        callbacks.MarkProc = [&](int style, int from, int to) {
            const std::string_view span(source.text.data() + from, static_cast<std::size_t>(to - from));
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

// The unknown words in the code page. A word holding a stand-in has a
// foreign character, and every such word is reported, in order, so the
// n-th report with a stand-in is the n-th such word marked.
bool TBatchTranslator::RestoreWords(const TEdgeText& source, const std::vector<std::string>& words,
                                    const std::vector<int>& markedWords, TTranslated& result) const {
    std::size_t marked = 0;
    std::size_t scanned = 0;
    std::size_t standInsBefore = 0;
    for (const std::string& word : words) {
        std::size_t first = 0;
        if (edge_.SetsCharactersAside() && word.find(kWordStandIn) != std::string::npos) {
            if (marked == markedWords.size()) return false;
            const auto from = static_cast<std::size_t>(markedWords[marked++]);
            if (source.text.compare(from, word.size(), word) != 0) return false;
            for (; scanned < from; ++scanned) standInsBefore += IsStandIn(source.text[scanned]);
            first = standInsBefore;
        }
        std::size_t next = first;
        std::optional<std::string> written = edge_.FromEngine(word, source.setAside, next);
        next = first;
        std::optional<std::string> key = edge_.FromEngine(LowerCaseCyr(word), source.setAside, next);
        if (!written || !key) return false;
        result.unknown.emplace_back(std::move(*key), std::move(*written));
    }
    return marked == markedWords.size();
}

void TBatchTranslator::Commit(const TTranslated& translated) {
    AddSaturated(totals_.Words, translated.stats.Words);
    AddSaturated(totals_.Translated, translated.stats.Translated);
    AddSaturated(totals_.Unknown, translated.stats.Unknown);
    AddSaturated(totals_.Inexact, translated.stats.Inexact);
    for (const auto& [key, word] : translated.unknown) unknown_.Add(key, word);
    Write(translated.output);
}

void TBatchTranslator::Write(std::string_view bytes) {
    out_ += bytes;
    if (out_.size() >= kOutputBuffer) Flush();
}

}  // namespace kunimor::cli

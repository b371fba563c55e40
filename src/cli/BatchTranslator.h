#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/InputFile.h"
#include "cli/TextEdge.h"
#include "cli/UnknownWordCounts.h"
#include "translator/TranslationStats.h"

namespace kunimor {
class TBelModule;
}

namespace kunimor::cli {

class TLineReader;

// Where translated bytes go; by default standard output.
using TOutputSink = std::function<void(std::string_view bytes)>;

// Translates input files (or texts) to standard output (or a sink) in the
// current direction, a paragraph at a time, keeping each input line one
// output line with its line end, and every character the engine cannot
// hold at its place.
class TBatchTranslator {
public:
    // collectUnknown: keep the words left without translation; showVariants:
    // follow each word that has other translations by them, in brackets.
    TBatchTranslator(TBelModule& module, const TTextEdge& edge, bool collectUnknown, bool showVariants,
                     TOutputSink sink = {});

    void Translate(const TInputFile& input);
    // A text in the edge's code page, translated as a file holding it would be.
    void Translate(std::string text);
    // Writes what is still buffered.
    void Flush();

    const TTranslationStats& Totals() const { return totals_; }
    const TUnknownWordCounts& Unknown() const { return unknown_; }

private:
    // A stretch of input translated, not yet passed on.
    struct TTranslated {
        std::string output;
        std::vector<std::pair<std::string, std::string>> unknown;  // (key, word) in the code page
        TTranslationStats stats;
    };

    void TranslateLines(TLineReader& reader, bool interactive);
    bool EndsChunk(std::string_view line, std::size_t chunkSize) const;
    void TranslateChunk(const std::string& chunk);
    std::optional<TTranslated> Attempt(std::string_view bytes);
    bool RestoreWords(const TEdgeText& source, const std::vector<std::string>& words, const std::vector<int>& markedWords,
                      TTranslated& result) const;
    void Commit(const TTranslated& translated);
    void Write(std::string_view bytes);

    TBelModule& module_;
    const TTextEdge& edge_;
    bool collectUnknown_;
    bool showVariants_;
    TOutputSink sink_;
    std::string out_;
    TTranslationStats totals_;
    TUnknownWordCounts unknown_;
};

}  // namespace kunimor::cli

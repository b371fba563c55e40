#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "translator/Segmentation.h"

namespace kunimor {

class TBelModule;

// A word left without translation, as written in the source.
using TUnknownProc = std::function<void(const std::string& word)>;
// A translated word is about to be output at OutLine, OutColumn.
using TPositionProc = std::function<void(int32_t line, int32_t column, const std::string& word)>;
// Output OutText in a style (OutputStyles.h).
using TOutputProc = std::function<void(int style)>;
// A piece is done: position is where the next one starts, total the text's length.
using TProgressProc = std::function<void(int position, int total)>;

// What a front end gives a run; any may be left empty. Without OutputProc
// the run only finds the words without translation and skips the passes
// that serve output alone.
struct TTranslateCallbacks {
    TUnknownProc UnknownProc;
    TPositionProc PositionProc;
    TOutputProc OutputProc;
    TMarkProc MarkProc;
    TProgressProc ProgressProc;
    // Fill OutVariants for every word that has other translations.
    bool WantVariants = false;
};

// Set by a front end (from ProgressProc) to stop a run after the current
// piece; cleared when a run starts.
inline bool AbortFlag = false;

// The text OutputProc is to output.
inline std::string OutText;

// With WantVariants, while a translated word is output: the distinct texts
// of its translations, the one output first; empty when there is only one.
inline std::vector<std::string> OutVariants;

// Where in the output the next output starts; the front end keeps them up
// to date, the driver only reads them for PositionProc.
inline int32_t OutLine = 0;
inline int32_t OutColumn = 0;

// How many characters of the source text the last run finished: all of
// them unless it was aborted or failed.
inline int ProcessedLength = 0;

// Translates text (Windows-1251) from SourceLang into TargetLang, piece by
// piece, emitting the translation through callbacks.OutputProc. Counters
// hold the run's statistics. An exception of any pass ends the run; what
// was output and counted so far stays.
void TranslateText(TBelModule& module, std::string text, const TTranslateCallbacks& callbacks);

}  // namespace kunimor

#pragma once

#include <QTextCursor>

#include <optional>
#include <string>
#include <vector>

#include "translator/Variants.h"

class QTextEdit;

namespace kunimor {
class TBelModule;
}

namespace kunimor::app {

// A word of the translation pane: its cursor selects it, text is it in
// Windows-1251 without apostrophes at its ends, line and column where it starts.
struct TPaneWord {
    QTextCursor cursor;
    std::string text;
    int line = 0;
    int column = 0;
};

// The word at position of the pane, if there is one.
std::optional<TPaneWord> PaneWordAt(QTextEdit& pane, int position);

// The variant after (direction +1) or before (-1) the one spelled like
// lowerWord, over all groups in order and round; the first one when the
// word is none of them.
std::string NextVariant(const std::vector<TVariantGroup>& groups, const std::string& lowerWord, int direction);

// Puts text (the word's case pattern applied) in the word's place and moves
// the later positions of its line by the change of length.
void ReplacePaneWord(TPaneWord& word, const std::string& text);

// CycleVariant: the next or previous translation of the word at the
// caret of the translation pane; false when it has none.
bool CycleVariant(TBelModule& module, QTextEdit& pane, int direction);

}  // namespace kunimor::app

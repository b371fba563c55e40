#include "app/OutputVariants.h"

#include <QTextBlock>
#include <QTextEdit>

#include "app/PaneText.h"
#include "app/WordAt.h"
#include "ground/LetterCase.h"
#include "translator/PositionTable.h"

namespace kunimor::app {

std::optional<TPaneWord> PaneWordAt(QTextEdit& pane, int position) {
    const QTextBlock block = pane.document()->findBlock(position);
    if (!block.isValid()) return std::nullopt;
    const std::string line = ToEngine(block.text()).text;
    TWordSpan span = WordAt(line, position - block.position());
    if (span.length > 0 && line[static_cast<std::size_t>(span.start)] == '\'') ++span.start, --span.length;
    if (span.length > 0 && line[static_cast<std::size_t>(span.start + span.length - 1)] == '\'') --span.length;
    if (span.length <= 0) return std::nullopt;
    TPaneWord word;
    word.cursor = QTextCursor(pane.document());
    word.cursor.setPosition(block.position() + span.start);
    word.cursor.setPosition(block.position() + span.start + span.length, QTextCursor::KeepAnchor);
    word.text = line.substr(static_cast<std::size_t>(span.start), static_cast<std::size_t>(span.length));
    word.line = block.blockNumber();
    word.column = span.start;
    return word;
}

std::string NextVariant(const std::vector<TVariantGroup>& groups, const std::string& lowerWord, int direction) {
    std::vector<const std::string*> items;
    for (const TVariantGroup& group : groups)
        for (const TVariantItem& item : group.Items) items.push_back(&item.Text);
    if (items.empty()) return {};
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (*items[i] != lowerWord) continue;
        const std::size_t n = items.size();
        return *items[(i + (direction > 0 ? 1 : n - 1)) % n];
    }
    return *items.front();
}

void ReplacePaneWord(TPaneWord& word, const std::string& text) {
    const std::string written = ApplyCasePattern(text, GetCasePattern(word.text), true);
    const QTextCharFormat format = word.cursor.charFormat();
    word.cursor.insertText(FromCp1251(written), format);
    const int oldEnd = word.column + static_cast<int>(word.text.size());
    ShiftPositions(word.line, oldEnd, static_cast<int>(written.size()) - static_cast<int>(word.text.size()));
    word.text = written;
}

bool CycleVariant(TBelModule& module, QTextEdit& pane, int direction) {
    std::optional<TPaneWord> word = PaneWordAt(pane, pane.textCursor().position());
    if (!word || !BuildVariantsAt(module, word->line, word->column)) return false;
    const std::string next = NextVariant(VariantGroups, LowerCaseCyr(word->text), direction);
    if (next.empty()) return false;
    ReplacePaneWord(*word, next);
    return true;
}

}  // namespace kunimor::app

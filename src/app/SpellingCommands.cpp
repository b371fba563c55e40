#include "app/SpellingCommands.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QLabel>

#include <optional>
#include <vector>

#include "app/MainWindow.h"
#include "app/OutputVariants.h"
#include "app/PaneText.h"
#include "app/ProgramTexts.h"
#include "app/Prompter.h"
#include "app/Settings.h"
#include "app/TextViewFormat.h"
#include "app/WordAt.h"
#include "dictionary/DictionarySpelling.h"
#include "ground/CharClasses.h"
#include "ground/Direction.h"

namespace kunimor::app {

namespace {


// Resets what a long spelling command changed, however it ends.
class TSpellingRun {
public:
    TSpellingRun(TfrmKunimor& window, QAction& action, bool& flag) : window_(window), action_(action), flag_(flag) {
        window.Busy = true;
        flag = true;
        action.setCheckable(true);
        action.setChecked(true);
        window.statusBar()->showMessage(Msg(TMsg::Checking));
        window.StatusPanels[4]->clear();
        window.Editor->setReadOnly(true);
        window.Editor2->setReadOnly(true);
    }
    ~TSpellingRun() {
        action_.setChecked(false);
        window_.statusBar()->clearMessage();
        window_.Editor->setReadOnly(false);
        window_.Editor2->setReadOnly(false);
        flag_ = false;
        window_.Busy = false;
    }
    TSpellingRun(const TSpellingRun&) = delete;
    TSpellingRun& operator=(const TSpellingRun&) = delete;

private:
    TfrmKunimor& window_;
    QAction& action_;
    bool& flag_;
};

bool LooksLike(const QTextCharFormat& format, const TTextView& view) {
    return ColorOfFormat(format) == view.Color && StyleOfFormat(format) == view.Style;
}

// A view that looks like normal text marks nothing.
bool MarksWords(const TTextView& view) {
    return view.Color != Settings.TextViews[0].Color || view.Style != Settings.TextViews[0].Style;
}

// The last character before from that is not a gap character, or 0.
char PrevCharBefore(const std::string& text, int from) {
    while (from > 0 && GapChars().Contains(text[static_cast<std::size_t>(from - 1)])) --from;
    return from > 0 ? text[static_cast<std::size_t>(from - 1)] : '\0';
}

}  // namespace

TSpellingCommands::TSpellingCommands(TfrmKunimor& window, TPrompter& prompter)
    : QObject(&window), window_(window), prompter_(prompter) {
    actOrfoAnalyze = new QAction(QStringLiteral("Правописание"), &window);
    actOrfoAnalyze->setShortcut(QKeySequence(Qt::Key_F7));
    actOrfoCorrection = new QAction(QStringLiteral("Исправить"), &window);
    actOrfoCorrection->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F7));
    actSearchNextError = new QAction(QStringLiteral("Следующая ошибка"), &window);
    actSearchNextError->setShortcut(QKeySequence(Qt::Key_F11));
    for (QAction* a : {actOrfoAnalyze, actOrfoCorrection, actSearchNextError}) window.addAction(a);
    connect(actOrfoAnalyze, &QAction::triggered, this, &TSpellingCommands::OrfoAnalyze);
    connect(actOrfoCorrection, &QAction::triggered, this, &TSpellingCommands::OrfoCorrection);
    connect(actSearchNextError, &QAction::triggered, this, &TSpellingCommands::FindNextMark);
    ProcessFreqLists().OnMessage = [this](const std::string& text) {
        prompter_.Ask(&window_, QStringLiteral("Error"), FromCp1251(text), TButtons::Ok, TIcon::Error, TAnswer::Ok);
    };
}

int TSpellingCommands::SpellingLanguage() const {
    return window_.ActiveEditor == window_.Editor2 ? TargetLang : SourceLang;
}

void TSpellingCommands::PrepareAnalyzer(bool explain) {
    ProcessFreqLists().DataFolder = window_.Module.FDataDir;
    Analyzer.EuristicAnalyze = Settings.EuristicAnalyze;
    Analyzer.ShowWarnings = Settings.ShowWarnings;
    Analyzer.DictionaryHelps = Settings.SpellWithDictionary;
    Analyzer.SetSpellLanguage(SpellingLanguage(), explain);
}

void TSpellingCommands::ShowCounts() {
    const int errors = Analyzer.SpellErrors, warnings = Analyzer.SpellWarnings;
    window_.StatusPanels[4]->setText(errors + warnings != 0
                                         ? Msg(TMsg::SpellCounts).arg(errors).arg(warnings)
                                         : Msg(TMsg::NoSpellErrors));
}

// The range a command works on, widened to whole words: the selection (to
// its last character when toLastCharacter), else the whole text.
QString TSpellingCommands::CheckRange(QTextEdit& pane, bool toLastCharacter, int& from, int& to) const {
    const QString text = pane.toPlainText();
    const std::string engine = ToEngine(text).text;
    from = 0;
    to = static_cast<int>(text.size());
    const QTextCursor cursor = pane.textCursor();
    if (cursor.hasSelection()) {
        from = WordAt(engine, cursor.selectionStart()).start;
        const TWordSpan last = WordAt(engine, toLastCharacter ? cursor.selectionEnd() - 1 : cursor.selectionEnd());
        to = std::max(cursor.selectionEnd(), last.start + last.length);
    }
    return text.mid(from, to - from);
}

void TSpellingCommands::OrfoAnalyze() {
    if (window_.Busy) {
        if (checking_) {
            actOrfoAnalyze->setChecked(true);
            if (prompter_.Ask(&window_, QStringLiteral("Confirm"), Msg(TMsg::AbortCheck),
                              TButtons::YesNo, TIcon::Question, TAnswer::No) == TAnswer::Yes)
                Analyzer.SpellAbort = true;
        }
        return;
    }
    TSpellingRun run(window_, *actOrfoAnalyze, checking_);
    QTextEdit& pane = *window_.ActiveEditor;
    PrepareAnalyzer(false);
    pane.setFocus();
    int from = 0, to = 0;
    Analyzer.SpellText = ToEngine(CheckRange(pane, false, from, to)).text;
    window_.BeginTextUpdate();
    QTextCursor cursor(pane.document());
    cursor.beginEditBlock();
    try {
        TDictionarySpelling lent(Analyzer, window_.Module);
        Analyzer.CheckText({},
                           [&](int verdict, int start, int end) {
                               if (start >= end) return;
                               cursor.setPosition(from + start);
                               cursor.setPosition(from + end, QTextCursor::KeepAnchor);
                               cursor.setCharFormat(ViewFormat(Settings.TextViews[static_cast<std::size_t>(verdict)]));
                           },
                           [](int, int) { QApplication::processEvents(); });
    } catch (const std::exception& e) {
        prompter_.Ask(&window_, QStringLiteral("Error"), FromCp1251(e.what()), TButtons::Ok, TIcon::Error, TAnswer::Ok);
    }
    cursor.endEditBlock();
    window_.EndTextUpdate(true, true);
    ShowCounts();
}

void TSpellingCommands::OrfoCorrection() {
    if (window_.Busy) return;
    if (prompter_.Ask(&window_, QStringLiteral("Confirm"), Msg(TMsg::ConfirmCorrection), TButtons::YesNoCancel, TIcon::Question,
                      TAnswer::Yes) != TAnswer::Yes)
        return;
    TSpellingRun run(window_, *actOrfoCorrection, checking_);
    QTextEdit& pane = *window_.ActiveEditor;
    const bool source = &pane == window_.Editor;
    pane.setFocus();
    int from = 0, to = 0;
    const TEngineText range = ToEngine(CheckRange(pane, true, from, to));
    const bool frequencyCheck = Analyzer.UseFreqCheck;
    Analyzer.UseFreqCheck = false;
    PrepareAnalyzer(true);
    // The corrected text is built whole and put in place once, so that a
    // failure leaves the pane as it was and one undo brings it back.
    std::string corrected;
    QString failure;
    try {
        TDictionarySpelling lent(Analyzer, window_.Module);
        Analyzer.SpellText = range.text;
        Analyzer.CheckText([&](const std::string& piece) { corrected += piece; }, {},
                           [](int, int) { QApplication::processEvents(); });
    } catch (const std::exception& e) {
        failure = FromCp1251(e.what());
    }
    Analyzer.UseFreqCheck = frequencyCheck;
    if (failure.isEmpty()) {
        std::size_t next = 0;
        const QString text = FromEngine(corrected, range.setAside, next);
        if (text != pane.toPlainText().mid(from, to - from)) {
            window_.BeginTextUpdate();
            QTextCursor cursor(pane.document());
            cursor.setPosition(from);
            cursor.setPosition(to, QTextCursor::KeepAnchor);
            cursor.insertText(text);
            // the corrected pane is changed: it must not pass for saved
            window_.EndTextUpdate(!source, source);
        }
    } else {
        prompter_.Ask(&window_, QStringLiteral("Error"), failure, TButtons::Ok, TIcon::Error, TAnswer::Ok);
    }
    ShowCounts();
}

void TSpellingCommands::FindNextMark() {
    QTextEdit& pane = *window_.ActiveEditor;
    pane.setFocus();
    QTextDocument& document = *pane.document();
    const int length = document.characterCount() - 1;
    std::vector<bool> marked(static_cast<std::size_t>(std::max(length, 0)), false);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const bool error = MarksWords(Settings.TextViews[2]) && LooksLike(format, Settings.TextViews[2]);
            const bool warning = MarksWords(Settings.TextViews[3]) && LooksLike(format, Settings.TextViews[3]);
            if (!error && !warning) continue;
            for (int p = fragment.position(); p < fragment.position() + fragment.length() && p < length; ++p)
                marked[static_cast<std::size_t>(p)] = true;
        }
    }
    // a character's format is the one after its position: the one at p
    // describes the character p
    int p = pane.textCursor().position();
    while (p < length && marked[static_cast<std::size_t>(p)]) ++p;
    while (p < length && !marked[static_cast<std::size_t>(p)]) ++p;
    if (p >= length) return;
    QTextCursor cursor = pane.textCursor();
    cursor.setPosition(p);
    pane.setTextCursor(cursor);
}

void TSpellingCommands::AddOrfoMenu(QMenu& menu, QTextEdit& pane, int position) {
    std::optional<TPaneWord> word = PaneWordAt(pane, position);
    if (!word) return;
    const std::string text = ToEngine(pane.toPlainText()).text;
    const char prevChar = PrevCharBefore(text, word->cursor.selectionStart());
    PrepareAnalyzer(true);
    int verdict = kSpellCorrect;
    {
        TDictionarySpelling lent(Analyzer, window_.Module);
        verdict = Analyzer.CheckWord(prevChar, word->text);
    }
    if (verdict != kSpellError && verdict != kSpellWarning) return;
    const QString written = FromCp1251(word->text);
    QMenu* orfoMenu = menu.addMenu(QStringLiteral("\"%1\"").arg(written));
    orfoMenu->setObjectName(QStringLiteral("OrfoMenu"));
    orfoMenu->menuAction()->setStatusTip(verdict == kSpellError
                                             ? Msg(TMsg::WordHasErrors).arg(written)
                                             : Msg(TMsg::WordMaybeWrong).arg(written));
    const int language = SpellingLanguage();
    for (const std::string& suggestion : Analyzer.SpellSuggestions) {
        QAction* item = orfoMenu->addAction(FromCp1251(suggestion));
        item->setStatusTip(Msg(TMsg::ReplacementHint));
        connect(item, &QAction::triggered, this, [this, word = *word, suggestion, prevChar, language]() mutable {
            Analyzer.SetSpellLanguage(language, false);
            int shown = kSpellCorrect;
            {
                TDictionarySpelling lent(Analyzer, window_.Module);
                shown = Analyzer.CheckWord(prevChar, suggestion);
            }
            if (shown == kSpellNotAWord) shown = kSpellCorrect;
            word.cursor.insertText(FromCp1251(suggestion), ViewFormat(Settings.TextViews[static_cast<std::size_t>(shown)]));
        });
    }
    menu.addSeparator();
    window_.AddMessage(ToEngine(Msg(TMsg::CheckingWord).arg(written)).text);
    std::string line;
    for (char c : Analyzer.SpellExplanation) {
        if (c != '\r') {
            line += c;
            continue;
        }
        window_.AddMessage(line);
        line.clear();
    }
    if (!line.empty()) window_.AddMessage(line);
    window_.ShowMessagesPanel(true);
    window_.activateWindow();
}

}  // namespace kunimor::app

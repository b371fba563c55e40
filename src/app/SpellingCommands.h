#pragma once

#include <QObject>
#include <QString>

#include <string>

#include "ground/OrthoAnalyzer.h"

class QAction;
class QMenu;
class QTextEdit;

namespace kunimor::app {

class TfrmKunimor;
class TPrompter;

// The spelling commands of the main window: the check that colours the
// active pane by verdict (actOrfoAnalyze, F7), the correction that puts the
// corrected text in place as a whole (actOrfoCorrection, Alt+F7), the step
// to the next marked word (actSearchNextError, F11) and the spelling entry
// of the panes' context menu. The loaded dictionary helps the analyser
// while SpellWithDictionary is on.
class TSpellingCommands : public QObject {
    Q_OBJECT
public:
    TSpellingCommands(TfrmKunimor& window, TPrompter& prompter);

    void OrfoAnalyze();
    void OrfoCorrection();
    void FindNextMark();
    // Adds the suggestions for the word at position of pane, when it is an
    // error or a warning, as the submenu OrfoMenu, and its explanation to the
    // messages list.
    void AddOrfoMenu(QMenu& menu, QTextEdit& pane, int position);

    QAction* actOrfoAnalyze;
    QAction* actOrfoCorrection;
    QAction* actSearchNextError;
    TOrthoAnalyzer Analyzer;

private:
    // The source language when the source pane is active, else the target.
    int SpellingLanguage() const;
    void PrepareAnalyzer(bool explain);
    void ShowCounts();
    QString CheckRange(QTextEdit& pane, bool toLastCharacter, int& from, int& to) const;

    TfrmKunimor& window_;
    TPrompter& prompter_;
    bool checking_ = false;
};

}  // namespace kunimor::app

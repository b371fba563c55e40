#pragma once

#include <deque>
#include <vector>

#include "app/Prompter.h"

// Answers the program's questions from a script and records what was asked.
// Unscripted questions get their default answer.
class TScriptedPrompter : public kunimor::app::TPrompter {
public:
    struct TQuestion {
        QString caption;
        QString text;
        kunimor::app::TButtons buttons;
    };

    std::deque<kunimor::app::TAnswer> answers;
    std::vector<TQuestion> asked;
    QString saveFile;  // what the save dialog returns

    kunimor::app::TAnswer Ask(QWidget*, const QString& caption, const QString& text, kunimor::app::TButtons buttons,
                              kunimor::app::TIcon, kunimor::app::TAnswer defaultAnswer) override {
        asked.push_back({caption, text, buttons});
        if (answers.empty()) return defaultAnswer;
        const kunimor::app::TAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QString ChooseSaveFile(QWidget*, const QString&, const QString&) override { return saveFile; }
};

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
    // What the document dialogs return, in turn; an empty path, or nothing
    // left, is a cancel. And what they were shown.
    std::deque<kunimor::app::TFileChoice> files;
    struct TFileDialogShown {
        kunimor::app::TFileDialog kind;
        QString caption;
        kunimor::app::TFileChoice proposed;
    };
    std::vector<TFileDialogShown> fileDialogs;

    kunimor::app::TAnswer Ask(QWidget*, const QString& caption, const QString& text, kunimor::app::TButtons buttons,
                              kunimor::app::TIcon, kunimor::app::TAnswer defaultAnswer) override {
        asked.push_back({caption, text, buttons});
        if (answers.empty()) return defaultAnswer;
        const kunimor::app::TAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QString ChooseSaveFile(QWidget*, const QString&, const QString&) override { return saveFile; }

    std::optional<kunimor::app::TFileChoice> ChooseFile(QWidget*, kunimor::app::TFileDialog kind,
                                                        const QString& caption,
                                                        const kunimor::app::TFileChoice& proposed,
                                                        const QStringList&) override {
        fileDialogs.push_back({kind, caption, proposed});
        if (files.empty()) return std::nullopt;
        const kunimor::app::TFileChoice choice = files.front();
        files.pop_front();
        if (choice.path.isEmpty()) return std::nullopt;
        return choice;
    }
};

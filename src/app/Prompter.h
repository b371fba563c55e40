#pragma once

#include <QString>

class QWidget;

namespace kunimor::app {

enum class TAnswer { Ok, Cancel, Yes, No };
enum class TButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class TIcon { Information, Question, Warning, Error };

// Every question and notice of the program goes through one prompter, so
// that tests can script the answers.
class TPrompter {
public:
    virtual ~TPrompter() = default;
    // caption is one of "Warning", "Confirm", "Error", "Information".
    virtual TAnswer Ask(QWidget* parent, const QString& caption, const QString& text, TButtons buttons, TIcon icon,
                        TAnswer defaultAnswer) = 0;
    // The file to write, or an empty text when the user cancels.
    virtual QString ChooseSaveFile(QWidget* parent, const QString& caption, const QString& suggested) = 0;
};

// Message boxes and the file dialog.
class TDialogPrompter : public TPrompter {
public:
    TAnswer Ask(QWidget* parent, const QString& caption, const QString& text, TButtons buttons, TIcon icon,
                TAnswer defaultAnswer) override;
    QString ChooseSaveFile(QWidget* parent, const QString& caption, const QString& suggested) override;
};

}  // namespace kunimor::app

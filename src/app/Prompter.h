#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace kunimor::app {

enum class TAnswer { Ok, Cancel, Yes, No };
enum class TButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class TIcon { Information, Question, Warning, Error };

enum class TFileDialog { OpenText, SaveText, SaveRtf };

// A file chosen in a file dialog, with the encoding (code page index) chosen
// in its encoding list and the filter it showed.
struct TFileChoice {
    QString path;
    int codePage = 0;
    int filterIndex = 0;
};

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
    // The open or save dialog of a document: proposed gives the path (or
    // folder), code page and filter it starts with; filters are Qt filter
    // texts. nullopt when the user cancels.
    virtual std::optional<TFileChoice> ChooseFile(QWidget* parent, TFileDialog kind, const QString& caption,
                                                  const TFileChoice& proposed, const QStringList& filters) = 0;
};

// Message boxes and the file dialog.
class TDialogPrompter : public TPrompter {
public:
    TAnswer Ask(QWidget* parent, const QString& caption, const QString& text, TButtons buttons, TIcon icon,
                TAnswer defaultAnswer) override;
    QString ChooseSaveFile(QWidget* parent, const QString& caption, const QString& suggested) override;
    std::optional<TFileChoice> ChooseFile(QWidget* parent, TFileDialog kind, const QString& caption,
                                          const TFileChoice& proposed, const QStringList& filters) override;
};

}  // namespace kunimor::app

#pragma once

#include <QPointer>
#include <QString>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/LanguageFile.h"

namespace kunimor::app {

// Puts the texts of an interface language file (LanguageFile.h) on the
// program's windows and answers its messages.
//
// A window is translated by the sections of its classes, base class first
// (the class name without its namespace). A path such as
// "actOpen.Caption", "Log.Items" or "pnlText.font.family" walks from the
// window to the child object of that name (at any depth) or to an object
// held by a property, and sets the last part: "Caption" is the object's
// text, title or window title, "Hint" its tool tip, "Items" the lines of a
// list or combo box; any other name is the Qt property of that name (with a
// lower-case first letter when the written one does not exist). A property
// the file does not name keeps its text, so switching languages overwrites
// only what the new file names. Paths that lead nowhere are noted in
// Errors() and skipped. "Caption" of a tab page is its tab's text, "Items"
// of a table its column headers.
//
// The program's own windows and panels (classes of this namespace) are
// forms: each is translated by its own sections, also when it sits inside
// another form.
class TLocalizer {
public:
    ~TLocalizer();

    std::string LanguageName;  // the last language loaded to its end
    std::filesystem::path LanguageDir;
    bool AutoTranslate = false;  // translate every window when a language loads
    std::function<void(const std::string& name)> AfterLanguageChange;

    // Reads LanguageDir/name(.lng). A file that cannot be read or stops at an
    // error keeps the language's name, leaves the windows as they are and
    // calls no handler; the forms read so far are kept for windows created
    // later. Messages change only when the file had a message section.
    bool LoadLanguage(const std::string& name);

    void TranslateComponent(QObject& root);
    // Every form of every window, each once.
    void TranslateAllForms();
    // On: every form is translated when it is first shown (after its
    // constructor has put its built-in texts in place).
    void SetAutoTranslate(bool on);

    // The message with this id in the current language, else builtIn.
    QString ResourceString(int id, const QString& builtIn) const;

    const std::vector<std::string>& Errors() const { return errors_; }

private:
    void SetByPath(QObject& root, const std::string& path, const QString& value);

    std::vector<TResForm> forms_;
    std::vector<TResString> resourceStrings_;
    std::vector<std::string> errors_;
    QPointer<QObject> autoTranslator_;  // the application's child: it goes with it
};

// The process's localizer.
TLocalizer& Localizer();

// Whether a widget is one of the program's forms.
bool IsForm(const QObject& object);

// Marks a control whose texts the program sets at run time from its
// messages, so that no language file needs to name them.
void MarkRuntimeText(QObject& object);
bool HasRuntimeText(const QObject& object);

}  // namespace kunimor::app

#pragma once

#include <QString>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/LanguageFile.h"

class QObject;

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
// Errors() and skipped.
class TLocalizer {
public:
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
    void TranslateAllForms();

    // The message with this id in the current language, else builtIn.
    QString ResourceString(int id, const QString& builtIn) const;

    const std::vector<std::string>& Errors() const { return errors_; }

private:
    void SetByPath(QObject& root, const std::string& path, const QString& value);

    std::vector<TResForm> forms_;
    std::vector<TResString> resourceStrings_;
    std::vector<std::string> errors_;
};

}  // namespace kunimor::app

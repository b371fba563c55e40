#pragma once

#include <QLineEdit>

#include <functional>
#include <string>

namespace kunimor::app {

class TPrompter;

// Whether Belarusian у/ў is watched in entry fields ("Сачыць за \"ў-у\"");
// on at start, not kept in the settings.
extern bool WatchShortU;

// A Cyrillic entry field of one language: keys type the language's letters
// whatever the layout, the text stays lower case and normalised.
class TEntryField : public QLineEdit {
    Q_OBJECT
public:
    TEntryField(int lang, QWidget* parent);
    int Lang() const { return lang_; }
    void SetLang(int lang) { lang_ = lang; }

    // The text in Windows-1251.
    std::string Text() const;
    void SetText(const std::string& cp1251);

    // Called when a key typed another letter than its character, so the
    // window may switch the keyboard layout.
    std::function<void(int lang)> onLayoutWanted;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Normalize();
    int lang_;
};

// CheckWordChars with its message box; text gets the corrected text.
bool CheckEntryText(TPrompter& prompter, QWidget* parent, int lang, std::string& text, bool abbreviation, bool extra);

}  // namespace kunimor::app

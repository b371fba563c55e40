#pragma once

#include <QDialog>

namespace kunimor::app {

inline constexpr const char* kHomePage = "https://example.org/kunimor/";
inline constexpr const char* kAuthorMail = "kunimor@example.org";

// Opens the home page, or a mail to the author, with the desktop shell.
void OpenHomePage();
void MailAuthor();

class TPrompter;
// Opens the help pages shipped with the program in the browser.
void OpenHelp(QWidget* parent, TPrompter& prompter);

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent);
};

}  // namespace kunimor::app

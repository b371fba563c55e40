#pragma once

#include "editing/EditPrompter.h"

class QWidget;

namespace kunimor::app {

class TPrompter;

// Puts the editing module's questions to the user through the program's
// prompter, so that a scripted prompter answers them in tests too.
class TDialogEditPrompter : public TEditPrompter {
public:
    // Both must outlive this object; parent may be null.
    TDialogEditPrompter(TPrompter& prompter, QWidget* parent) : prompter_(prompter), parent_(parent) {}

    bool AskYesNo(const std::string& caption, const std::string& text) override;
    void Inform(const std::string& caption, const std::string& text) override;
    // Yes replaces the old word, No keeps both, Cancel keeps only the old one.
    TReplaceAnswer DecideReplacement(const TReplaceQuestion& question) override;

private:
    TPrompter& prompter_;
    QWidget* parent_;
};

}  // namespace kunimor::app

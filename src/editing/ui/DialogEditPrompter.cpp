#include "editing/ui/DialogEditPrompter.h"

#include "app/PaneText.h"
#include "app/Prompter.h"
#include "editing/ui/ReplaceWordDialog.h"

namespace kunimor::app {

bool TDialogEditPrompter::AskYesNo(const std::string& caption, const std::string& text) {
    return prompter_.Ask(parent_, FromCp1251(caption), FromCp1251(text), TButtons::YesNo, TIcon::Warning,
                         TAnswer::No) == TAnswer::Yes;
}

void TDialogEditPrompter::Inform(const std::string& caption, const std::string& text) {
    prompter_.Ask(parent_, FromCp1251(caption), FromCp1251(text), TButtons::Ok, TIcon::Information, TAnswer::Ok);
}

TReplaceAnswer TDialogEditPrompter::DecideReplacement(const TReplaceQuestion& question) {
    return DecideWordReplacement(question, parent_);
}

}  // namespace kunimor::app

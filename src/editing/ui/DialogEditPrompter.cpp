#include "editing/ui/DialogEditPrompter.h"

#include "app/PaneText.h"
#include "app/Prompter.h"
#include "morphology/FormSynthesis.h"

namespace kunimor::app {

namespace {

QString Lemma(int lang, const std::string& stem, const std::string& forms) {
    bool alt = false;
    int formNo = 1;
    return FromCp1251(BuildFirstForm(lang, stem, forms, 0, alt, formNo));
}

}  // namespace

bool TDialogEditPrompter::AskYesNo(const std::string& caption, const std::string& text) {
    return prompter_.Ask(parent_, FromCp1251(caption), FromCp1251(text), TButtons::YesNo, TIcon::Warning,
                         TAnswer::No) == TAnswer::Yes;
}

void TDialogEditPrompter::Inform(const std::string& caption, const std::string& text) {
    prompter_.Ask(parent_, FromCp1251(caption), FromCp1251(text), TButtons::Ok, TIcon::Information, TAnswer::Ok);
}

TReplaceAnswer TDialogEditPrompter::DecideReplacement(const TReplaceQuestion& q) {
    const QString text =
        QStringLiteral("В словаре уже есть слово \"%1\", но которое изменяется не так, как новое слово \"%2\".\r"
                       "Если старое слово было введено неправильно - его нужно заменить.\r\r"
                       "Да - заменить старое слово НОВЫМ\rНет - оставить и СТАРОЕ, и НОВОЕ слова\r"
                       "Отмена - оставить только СТАРОЕ слово")
            .arg(Lemma(q.Lang, q.OldStem, q.OldForms), Lemma(q.Lang, q.NewStem, q.NewForms));
    switch (prompter_.Ask(parent_, QStringLiteral("Confirm"), text, TButtons::YesNoCancel, TIcon::Question,
                          TAnswer::No)) {
        case TAnswer::Yes: return kReplaceOld;
        case TAnswer::No: return kKeepBoth;
        default: return kKeepOld;
    }
}

}  // namespace kunimor::app

#include "editing/ui/EntryField.h"

#include <QKeyEvent>

#include "app/PaneText.h"
#include "app/Prompter.h"
#include "editing/EntryFieldInput.h"
#include "ground/Language.h"

namespace kunimor::app {

bool WatchShortU = true;

namespace {

std::string ToCp1251(const QString& text) { return ToEngine(text).text; }

}  // namespace

TEntryField::TEntryField(int lang, QWidget* parent) : QLineEdit(parent), lang_(lang) {
    connect(this, &QLineEdit::textEdited, this, [this] { Normalize(); });
}

std::string TEntryField::Text() const { return ToCp1251(text()); }

void TEntryField::SetText(const std::string& cp1251) { setText(FromCp1251(cp1251)); }

void TEntryField::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && typed.size() == 1 && typed[0].isPrint()) {
        const std::string c = ToCp1251(typed);
        if (c.size() == 1) {
            const auto [mapped, changed] = MapTypedChar(lang_, c[0]);
            if (changed) {
                insert(FromCp1251(std::string(1, mapped)));
                Normalize();
                if (onLayoutWanted) onLayoutWanted(lang_);
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TEntryField::Normalize() {
    if (lang_ == kBelarusian && !WatchShortU) return;
    const std::string before = Text();
    const std::string after = NormalizeEditText(lang_, before);
    if (after == before) return;
    const int caret = cursorPosition();
    const int start = selectionStart();
    const int length = selectedText().size();
    const QSignalBlocker quiet(this);
    setText(FromCp1251(after));
    if (start >= 0) setSelection(start, length);
    else setCursorPosition(caret);
}

bool CheckEntryText(TPrompter& prompter, QWidget* parent, int lang, std::string& text, bool abbreviation, bool extra) {
    const std::optional<std::string> refused = CheckWordChars(lang, text, abbreviation, extra);
    if (!refused) return true;
    prompter.Ask(parent, QStringLiteral("Ошибка"), FromCp1251(*refused), TButtons::Ok,
                 TIcon::Warning, TAnswer::Ok);
    return false;
}

}  // namespace kunimor::app

#include "app/FindDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/Labelled.h"
#include "app/ProgramTexts.h"

namespace kunimor::app {

TFindDialog::TFindDialog(QWidget* parent) : QDialog(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    findText_ = new QLineEdit(this);
    form->addRow(Labelled(QStringLiteral("lblFind"), QStringLiteral("Найти:"), this), findText_);
    layout->addLayout(form);
    replaceRow_ = new QWidget(this);
    auto* replaceForm = new QFormLayout(replaceRow_);
    replaceForm->setContentsMargins(0, 0, 0, 0);
    replaceText_ = new QLineEdit(replaceRow_);
    replaceForm->addRow(Labelled(QStringLiteral("lblReplace"), QStringLiteral("Заменить на:"), replaceRow_), replaceText_);
    auto* replace = new QPushButton(QStringLiteral("Заменить"), replaceRow_);
    auto* replaceAll = new QPushButton(QStringLiteral("Заменить все"), replaceRow_);
    replace->setObjectName(QStringLiteral("btnReplace"));
    replaceAll->setObjectName(QStringLiteral("btnReplaceAll"));
    auto* replaceButtons = new QHBoxLayout;
    replaceButtons->addWidget(replace);
    replaceButtons->addWidget(replaceAll);
    replaceForm->addRow(replaceButtons);
    layout->addWidget(replaceRow_);
    caseSensitive_ = new QCheckBox(QStringLiteral("С учетом регистра"), this);
    wholeWords_ = new QCheckBox(QStringLiteral("Только слово целиком"), this);
    caseSensitive_->setObjectName(QStringLiteral("cbCase"));
    wholeWords_->setObjectName(QStringLiteral("cbWholeWords"));
    layout->addWidget(caseSensitive_);
    layout->addWidget(wholeWords_);
    auto* buttons = new QHBoxLayout;
    auto* next = new QPushButton(QStringLiteral("Найти далее"), this);
    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    next->setObjectName(QStringLiteral("btnNext"));
    close->setObjectName(QStringLiteral("btnClose"));
    next->setDefault(true);
    for (QPushButton* b : {next, close}) buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(next, &QPushButton::clicked, this, &TFindDialog::FindNext);
    connect(replace, &QPushButton::clicked, this, &TFindDialog::ReplaceCurrent);
    connect(replaceAll, &QPushButton::clicked, this, &TFindDialog::ReplaceAll);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(this, &QDialog::finished, this, [this] {
        if (pane_) pane_->setFocus();
    });
}

void TFindDialog::Open(QTextEdit* pane, const QString& text, bool replace) {
    pane_ = pane;
    findText_->setText(text);
    findText_->selectAll();
    replaceRow_->setVisible(replace);
    setWindowTitle(Msg(replace ? TMsg::ReplaceCaption : TMsg::FindCaption));
    show();
    raise();
    activateWindow();
}

bool TFindDialog::HasSearchText() const { return pane_ && !findText_->text().isEmpty(); }

QTextDocument::FindFlags TFindDialog::Flags() const {
    QTextDocument::FindFlags flags;
    if (caseSensitive_->isChecked()) flags |= QTextDocument::FindCaseSensitively;
    if (wholeWords_->isChecked()) flags |= QTextDocument::FindWholeWords;
    return flags;
}

bool TFindDialog::FindNext() {
    if (!HasSearchText()) return false;
    QTextDocument* document = pane_->document();
    const int length = document->characterCount() - 1;
    QTextCursor from = pane_->textCursor();
    if (from.position() >= length) from.setPosition(0);
    const QTextCursor found = document->find(findText_->text(), from, Flags());
    pane_->setFocus();
    if (found.isNull()) {
        QTextCursor end(document);
        end.setPosition(length);
        pane_->setTextCursor(end);
        QApplication::beep();
        return false;
    }
    pane_->setTextCursor(found);
    return true;
}

void TFindDialog::ReplaceCurrent() {
    if (!HasSearchText() || pane_->isReadOnly()) return;
    QTextCursor cursor = pane_->textCursor();
    const Qt::CaseSensitivity cs = caseSensitive_->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (cursor.hasSelection() && cursor.selectedText().compare(findText_->text(), cs) == 0)
        cursor.insertText(replaceText_->text());
    FindNext();
}

int TFindDialog::ReplaceAll() {
    if (!HasSearchText() || pane_->isReadOnly()) return 0;
    QTextDocument* document = pane_->document();
    QTextCursor edit(document);
    edit.beginEditBlock();
    int count = 0;
    for (QTextCursor found = document->find(findText_->text(), 0, Flags()); !found.isNull();
         found = document->find(findText_->text(), found, Flags())) {
        found.insertText(replaceText_->text());
        ++count;
    }
    edit.endEditBlock();
    return count;
}

}  // namespace kunimor::app

#include "app/UnknownPanel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/Localizer.h"
#include "app/ProgramTexts.h"
#include "app/PaneText.h"
#include "app/Prompter.h"
#include "app/UnknownWords.h"

namespace kunimor::app {

TfrmUnknown::TfrmUnknown(const TUnknownWords& words, QTextEdit& sourcePane, TPrompter& prompter, QWidget* parent)
    : TPanelFrame(QStringLiteral("Неизвестные слова"), parent), words_(words), sourcePane_(sourcePane),
      prompter_(prompter), grdUnknown_(new QTableWidget(0, 2, this)) {
    grdUnknown_->setObjectName(QStringLiteral("grdUnknown"));
    grdUnknown_->setHorizontalHeaderLabels({QStringLiteral("Слова"), QStringLiteral("Повт.")});
    grdUnknown_->verticalHeader()->hide();
    grdUnknown_->verticalHeader()->setDefaultSectionSize(18);
    grdUnknown_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grdUnknown_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    grdUnknown_->horizontalHeader()->resizeSection(1, 44);
    grdUnknown_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdUnknown_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdUnknown_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdUnknown_->setShowGrid(false);
    grdUnknown_->setFrameShape(QFrame::NoFrame);
    grdUnknown_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* save = new QPushButton(QStringLiteral("Сохранить в файл"), this);
    save->setObjectName(QStringLiteral("btnSave"));
    save->setFlat(true);
    Content()->addWidget(grdUnknown_, 1);
    Content()->addWidget(save);

    connect(save, &QPushButton::clicked, this, &TfrmUnknown::SaveToFile);
    connect(grdUnknown_, &QWidget::customContextMenuRequested, this, &TfrmUnknown::ShowMenu);
    connect(grdUnknown_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        const QTableWidgetItem* item = grdUnknown_->item(row, 0);
        if (item && OpenWord) OpenWord(ToEngine(item->text()).text);
    });
    connect(grdUnknown_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { SetSortByCount(column != 0); });
    Refresh();
}

void TfrmUnknown::Refresh() {
    const auto entries = sortByCount_ ? words_.ByCount() : words_.Entries();
    grdUnknown_->setRowCount(static_cast<int>(entries.size()));
    for (int row = 0; row < static_cast<int>(entries.size()); ++row) {
        grdUnknown_->setItem(row, 0, new QTableWidgetItem(FromCp1251(entries[row].first)));
        auto* count = new QTableWidgetItem(QString::number(entries[row].second));
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grdUnknown_->setItem(row, 1, count);
    }
}

void TfrmUnknown::SetSortByCount(bool byCount) {
    if (byCount == sortByCount_) return;
    sortByCount_ = byCount;
    Refresh();
}

void TfrmUnknown::ShowMenu(const QPoint& at) {
    const int row = grdUnknown_->rowAt(at.y());
    if (row >= 0) grdUnknown_->selectRow(row);
    QMenu menu(this);
    if (row >= 0) {
        QAction* search = menu.addAction(Msg(TMsg::FindInText), [this, row] { SearchInText(row); });
        search->setToolTip(Msg(TMsg::FindInTextHint));
        menu.addSeparator();
    }
    QMenu* sort = menu.addMenu(Msg(TMsg::SortMenu));
    sort->addAction(Msg(TMsg::SortAlphabetically), [this] { SetSortByCount(false); });
    sort->addAction(Msg(TMsg::SortByCount), [this] { SetSortByCount(true); });
    menu.exec(grdUnknown_->viewport()->mapToGlobal(at));
}

void TfrmUnknown::SearchInText(int row) {
    const QTableWidgetItem* item = grdUnknown_->item(row, 0);
    if (!item) return;
    QTextDocument* document = sourcePane_.document();
    const int length = document->characterCount() - 1;
    QTextCursor from = sourcePane_.textCursor();
    if (from.selectionEnd() >= length) from.setPosition(0);
    else from.setPosition(from.selectionEnd());
    const QTextCursor found = document->find(item->text(), from, QTextDocument::FindWholeWords);
    if (found.isNull()) {
        QTextCursor end(document);
        end.setPosition(length);
        sourcePane_.setTextCursor(end);
        QApplication::beep();
        return;
    }
    sourcePane_.setTextCursor(found);
}

QString TfrmUnknown::FreeFileName(const QString& folder) {
    const QString base = Msg(TMsg::UnknownFileName);
    QString name = base + QStringLiteral(".txt");
    for (int n = 1; QFile::exists(QDir(folder).filePath(name)); ++n) name = base + QString::number(n) + ".txt";
    return QDir(folder).filePath(name);
}

void TfrmUnknown::SaveToFile() {
    const QString file = prompter_.ChooseSaveFile(this, Msg(TMsg::SaveUnknown),
                                                  FreeFileName(QDir::currentPath()));
    if (file.isEmpty()) return;
    QString text;
    for (const auto& entry : words_.Entries()) text += FromCp1251(entry.first) + '\n';
    QFile out(file);
    const QByteArray bytes = text.toUtf8();
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size() && out.flush()) {
        out.close();
        prompter_.Ask(this, QStringLiteral("Information"),
                      Msg(TMsg::UnknownSaved).arg(file), TButtons::Ok,
                      TIcon::Information, TAnswer::Ok);
        return;
    }
    prompter_.Ask(this, QStringLiteral("Error"), Msg(TMsg::UnknownNotSaved), TButtons::Ok, TIcon::Error,
                  TAnswer::Ok);
}

}  // namespace kunimor::app

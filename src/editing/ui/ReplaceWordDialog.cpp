#include "editing/ui/ReplaceWordDialog.h"

#include "app/PaneText.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kunimor::app {

TfReplaceWord::TfReplaceWord(const TReplacementPlan& plan, QWidget* parent) : QDialog(parent), plan_(plan) {
    setWindowTitle(FromCp1251(plan.Caption));
    auto* layout = new QVBoxLayout(this);
    txtInfo = new QLabel(FromCp1251(plan.Info).replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n'), this);
    txtInfo->setWordWrap(true);
    layout->addWidget(txtInfo);
    auto* group = new QGroupBox(QStringLiteral("Укажите действие:"), this);
    auto* groupLayout = new QVBoxLayout(group);
    rgAction = new QButtonGroup(this);
    const QString actions[] = {QStringLiteral("Оставить только СТАРОЕ слово"), QStringLiteral("Заменить старое слово НОВЫМ"),
                               QStringLiteral("Оставить и СТАРОЕ, и НОВОЕ слова")};
    for (int a = 0; a < (plan.OfferBoth ? 3 : 2); ++a) {
        auto* radio = new QRadioButton(actions[a], group);
        rgAction->addButton(radio, a);
        groupLayout->addWidget(radio);
    }
    rgAction->button(plan.Preset)->setChecked(true);
    layout->addWidget(group);
    auto* buttons = new QHBoxLayout;
    bForms = new QPushButton(QStringLiteral("Показать формы"), this);
    bForms->setToolTip(QStringLiteral("Показ форм слов"));
    bOk = new QPushButton(QStringLiteral("Выполнить"), this);
    bOk->setToolTip(QStringLiteral("Выполнение указанной операции"));
    bOk->setDefault(true);
    buttons->addWidget(bForms);
    buttons->addStretch();
    buttons->addWidget(bOk);
    layout->addLayout(buttons);
    gbForms = new QGroupBox(QStringLiteral("Сравнение форм старого и нового слов:"), this);
    grdForms = new QTableWidget(gbForms);
    (new QVBoxLayout(gbForms))->addWidget(grdForms);
    gbForms->hide();
    layout->addWidget(gbForms, 1);
    connect(bOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(bForms, &QPushButton::clicked, this, &TfReplaceWord::ShowForms);
    connect(rgAction, &QButtonGroup::idClicked, this, &TfReplaceWord::PaintForms);
}

TReplaceAnswer TfReplaceWord::Selected() const { return static_cast<TReplaceAnswer>(rgAction->checkedId()); }

void TfReplaceWord::ShowForms() {
    bForms->setEnabled(false);
    const int slotCount = static_cast<int>(plan_.Old.Slots.size());
    grdForms->setColumnCount(5);
    grdForms->setRowCount(slotCount);
    grdForms->setHorizontalHeaderLabels({QStringLiteral("№"), QStringLiteral("Форма"), QStringLiteral("Альт. форма"),
                                         QStringLiteral("Форма"), QStringLiteral("Альт. форма")});
    grdForms->verticalHeader()->hide();
    grdForms->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdForms->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdForms->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    for (int row = 0; row < slotCount; ++row) {
        grdForms->setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
        for (int v = 0; v < 2; ++v) {
            grdForms->setItem(row, 1 + v, new QTableWidgetItem(FromCp1251(plan_.Old.Slots[row][v])));
            grdForms->setItem(row, 3 + v, new QTableWidgetItem(FromCp1251(plan_.New.Slots[row][v])));
        }
    }
    gbForms->show();
    resize(width(), height() + 300);
    PaintForms();
}

void TfReplaceWord::PaintForms() {
    if (!gbForms->isVisible() && bForms->isEnabled()) return;
    const TReplaceAnswer action = Selected();
    const QColor green(0, 128, 0), red(255, 0, 0), plain = palette().color(QPalette::WindowText);
    for (int row = 0; row < grdForms->rowCount(); ++row)
        for (int column = 1; column <= 4; ++column) {
            const bool oldSide = column <= 2;
            const int v = (column - 1) % 2;
            const bool differs = plan_.Old.Slots[row][v] != plan_.New.Slots[row][v];
            const bool survives = action == kKeepBoth || (oldSide ? action == kKeepOld : action == kReplaceOld);
            QTableWidgetItem* item = grdForms->item(row, column);
            QFont font = item->font();
            font.setBold(differs);
            item->setFont(font);
            item->setForeground(survives ? (differs ? green : plain) : red);
        }
}

TReplaceAnswer DecideWordReplacement(const TReplaceQuestion& question, QWidget* parent) {
    const TReplacementPlan plan = PlanWordReplacement(question);
    if (!plan.ShowDialog) return plan.Answer;
    TfReplaceWord dialog(plan, parent);
    dialog.exec();
    return dialog.Selected();
}

}  // namespace kunimor::app

#include "app/StatDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Labelled.h"
#include "dictionary/BelModule.h"
#include "ground/Direction.h"

namespace kunimor::app {
namespace {

QLabel* CountField(QWidget* parent, const QString& name, const QString& hint) {
    auto* field = new QLabel(QStringLiteral("?"), parent);
    field->setObjectName(name);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = field->font();
    bold.setBold(true);
    field->setFont(bold);
    field->setToolTip(hint);
    field->setMinimumWidth(80);
    return field;
}

}  // namespace

TfrmStat::TfrmStat(TBelModule& module, QWidget* parent) : QDialog(parent), module_(module) {
    setWindowTitle(QStringLiteral("Статистика базы данных Кунимора"));
    auto* layout = new QVBoxLayout(this);
    const QString newHint = QStringLiteral("Количество эталонов, слов и словосочетаний,\nвведенных и измененных пользователем");
    const struct {
        int lang;
        const char* suffix;
        QString caption, allHint;
    } groups[] = {{1, "B", QStringLiteral("Беларуский язык"),
                   QStringLiteral("Общее количество беларуских эталонов, слов\nи словосочетаний, содержащихся в словаре")},
                  {0, "R", QStringLiteral("Русский язык"),
                   QStringLiteral("Общее количество русских эталонов, слов\nи словосочетаний, содержащихся в словаре")}};
    for (const auto& g : groups) {
        const QString suffix = QString::fromLatin1(g.suffix);
        auto* box = new QGroupBox(g.caption, this);
        box->setObjectName(QStringLiteral("gb") + suffix);
        auto* form = new QFormLayout(box);
        all_[g.lang] = CountField(box, QStringLiteral("stAll") + suffix, g.allHint);
        changed_[g.lang] = CountField(box, QStringLiteral("stNew") + suffix, newHint);
        form->addRow(Labelled(QStringLiteral("lblAll") + suffix, QStringLiteral("Всего словарных единиц:"), box), all_[g.lang]);
        form->addRow(Labelled(QStringLiteral("lblNew") + suffix, QStringLiteral("Из них добавлено и исправлено:"), box),
                     changed_[g.lang]);
        layout->addWidget(box);
    }
    auto* total = new QFormLayout;
    stAllNew_ = CountField(this, QStringLiteral("stAllNew"), QStringLiteral("Общее количество записей словаря,\nдобавленных и измененных пользователем"));
    total->addRow(Labelled(QStringLiteral("lblAllNew"), QStringLiteral("Всего пользователем добавлено и исправлено:"), this),
                  stAllNew_);
    layout->addLayout(total);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("Ясно"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void TfrmStat::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Count();
}

void TfrmStat::Count() {
    const int remembered = SourceLang;
    int changedTotal = 0;
    try {
        for (int lang : {1, 0}) {
            module_.SetDirection(lang);
            int all = 0;
            int changed = 0;
            for (Table* table : {&module_.EtalonTable(lang), &module_.WordsTable(lang), &module_.CollocTable(lang)}) {
                table->SetFiltered(false);
                all += table->RecordCount();
                table->SetFilterText("Modif = True");
                table->SetFiltered(true);
                changed += table->RecordCount();
                table->SetFiltered(false);
                table->SetFilterText("");
            }
            all_[lang]->setText(QString::number(all));
            changed_[lang]->setText(QString::number(changed));
            changedTotal += changed;
        }
    } catch (...) {
        module_.SetDirection(remembered);
        throw;
    }
    module_.SetDirection(remembered);
    stAllNew_->setText(QString::number(changedTotal));
}

QString TfrmStat::FieldText(int language, bool changed) const {
    return (changed ? changed_ : all_)[language == 1 ? 1 : 0]->text();
}

QString TfrmStat::AllNewText() const { return stAllNew_->text(); }

}  // namespace kunimor::app

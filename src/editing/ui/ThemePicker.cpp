#include "editing/ui/ThemePicker.h"

#include "app/PaneText.h"
#include "editing/ThemeTree.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <vector>

namespace kunimor::app {

namespace {

Qt::CheckState CheckOf(TThemeState state) {
    switch (state) {
        case TThemeState::Checked: return Qt::Checked;
        case TThemeState::Partly: return Qt::PartiallyChecked;
        default: return Qt::Unchecked;
    }
}

}  // namespace

bool SelectTextThemes(TBelModule& module, int lang, QWidget* parent) {
    TThemeTree tree(module, lang);
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Тематики текста"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Выберите тематики слов, которые могут встречаться в тексте:"), &dialog));
    auto* tvThemes = new QTreeWidget(&dialog);
    tvThemes->setHeaderHidden(true);
    layout->addWidget(tvThemes, 1);
    std::vector<QTreeWidgetItem*> items;
    for (const TThemeNode& node : tree.Nodes()) {
        auto* item = node.Parent < 0 ? new QTreeWidgetItem(tvThemes) : new QTreeWidgetItem(items[node.Parent]);
        item->setText(0, FromCp1251(node.Name));
        items.push_back(item);
    }
    auto show = [&] {
        const QSignalBlocker block(tvThemes);
        for (size_t i = 0; i < items.size(); ++i) items[i]->setCheckState(0, CheckOf(tree.Nodes()[i].State));
    };
    show();
    tvThemes->expandToDepth(0);
    // The tree decides what a click means; the widget only shows it.
    QObject::connect(tvThemes, &QTreeWidget::itemChanged, &dialog, [&](QTreeWidgetItem* item) {
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i] == item) tree.Click(static_cast<int>(i));
        show();
    });
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("Готово"), &dialog);
    ok->setToolTip(QStringLiteral("Сохранить слово в словарь"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), &dialog);
    cancel->setToolTip(QStringLiteral("Выйти из редактирования слова без сохранения"));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return false;
    tree.Store(module);
    return true;
}

}  // namespace kunimor::app

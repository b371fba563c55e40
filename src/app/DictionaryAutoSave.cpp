#include "app/DictionaryAutoSave.h"

#include <QApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace kunimor::app {

namespace {

int editsInProgress = 0;  // the user-interface thread's only

}  // namespace

TEditInProgress::TEditInProgress() { ++editsInProgress; }
TEditInProgress::~TEditInProgress() { --editsInProgress; }

bool AutoSaveMayRun(bool busy) {
    return !busy && editsInProgress == 0 && QApplication::activeModalWidget() == nullptr;
}

void InstallSaveShortcut(QWidget* window, const std::function<void()>& save) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F12), window);
    QObject::connect(shortcut, &QShortcut::activated, window, [save] { save(); });
}

}  // namespace kunimor::app

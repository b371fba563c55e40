#include "app/DictionaryAutoSave.h"

#include <QApplication>

namespace kunimor::app {

namespace {

int editsInProgress = 0;  // the user-interface thread's only

}  // namespace

TEditInProgress::TEditInProgress() { ++editsInProgress; }
TEditInProgress::~TEditInProgress() { --editsInProgress; }

bool AutoSaveMayRun(bool busy) {
    return !busy && editsInProgress == 0 && QApplication::activeModalWidget() == nullptr;
}

}  // namespace kunimor::app

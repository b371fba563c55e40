#include "app/DictionaryAutoSave.h"

#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kunimor::app;

TEST(DictionaryAutoSave, WaitsForTheBusyWindowAHalfDoneEditAndAModalDialog) {
    EXPECT_TRUE(AutoSaveMayRun(false));
    EXPECT_FALSE(AutoSaveMayRun(true));
    {
        TEditInProgress edit;
        EXPECT_FALSE(AutoSaveMayRun(false));
    }
    EXPECT_TRUE(AutoSaveMayRun(false));

    QDialog dialog;
    bool mayRunInside = true;
    QTimer::singleShot(0, &dialog, [&] {
        mayRunInside = AutoSaveMayRun(false);
        dialog.reject();
    });
    dialog.exec();
    EXPECT_FALSE(mayRunInside);
    EXPECT_TRUE(AutoSaveMayRun(false));
}

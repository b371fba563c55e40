// Renders the main window after translating a sample text into a PNG, so
// that a person can look at the window without a display.
#include <QApplication>
#include <QPixmap>
#include <QTextEdit>
#include <QTimer>

#include <cstdlib>
#include <iostream>

#include "app/MainWindow.h"
#include "app/Prompter.h"
#include "dictionary/DictionaryText.h"
#include "support/TempDir.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: kunimor_window_shot DICTIONARY_TSV_DIR TEXT OUT.png [SCHEME-NUMBER]\n";
        return 2;
    }
    QApplication application(argc, argv);
    TempDir dir;
    kunimor::BuildDictionary(argv[1], dir.Path() / "data");
    kunimor::app::TDialogPrompter prompter;
    kunimor::app::TStartOptions options;
    options.DataFolder = dir.Path() / "data";
    options.SettingsFolder = dir.Path();
    kunimor::app::TfrmKunimor window(options, prompter);
    window.resize(1000, 640);
    window.show();
    if (argc > 4) window.SchemeActions.at(static_cast<std::size_t>(std::atoi(argv[4])))->trigger();
    window.Editor->setPlainText(QString::fromUtf8(argv[2]));
    window.Translate(true);
    QTimer::singleShot(300, [&] {
        window.grab().save(QString::fromUtf8(argv[3]));
        window.SetModified(false, kunimor::app::TPane::Source);
        window.SetModified(false, kunimor::app::TPane::Result);
        window.close();
    });
    return QApplication::exec();
}

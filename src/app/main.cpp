#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <cstdlib>

#include "app/InstanceProbe.h"
#include "app/MainWindow.h"
#include "app/Prompter.h"
#include "app/SettingsFolder.h"
#include "dictionary/DataFolder.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kunimor"));
    QApplication::setApplicationVersion(QStringLiteral(KUNIMOR_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("kunimor"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Кунимор, беларуско-русский переводчик"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dict(QStringLiteral("dict"), QStringLiteral("The dictionary folder."), QStringLiteral("DIR"));
    parser.addOption(dict);
    parser.process(application);

    std::optional<std::string> dictOption;
    if (parser.isSet(dict)) dictOption = parser.value(dict).toStdString();

    kunimor::app::TInstanceProbe probe;
    kunimor::app::TStartOptions options;
    options.DataFolder = kunimor::DataFolder(dictOption);
    options.SettingsFolder = kunimor::app::SettingsFolder(QApplication::applicationDirPath().toStdString());
    options.SecondInstance = probe.SecondInstance();

    kunimor::app::TDialogPrompter prompter;
    kunimor::app::TfrmKunimor window(options, prompter);
    window.show();
    return QApplication::exec();
}

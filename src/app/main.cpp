#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <memory>

#include <cstdlib>

#include "app/InstanceProbe.h"
#include "app/MainWindow.h"
#include "app/Prompter.h"
#include "app/RequestCommands.h"
#include "app/RequestServer.h"
#include "app/SettingsFolder.h"
#include "app/ShippedFolder.h"
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
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A text file to open."), QStringLiteral("[FILE]"));
    parser.process(application);
    const QStringList files = parser.positionalArguments();

    std::optional<std::string> dictOption;
    if (parser.isSet(dict)) dictOption = parser.value(dict).toStdString();

    kunimor::app::TInstanceProbe probe;
    // A second copy started with a file gives it to the first one to open.
    if (probe.SecondInstance() && !files.isEmpty() && probe.HandOver(QFileInfo(files.front()).absoluteFilePath()))
        return EXIT_SUCCESS;
    kunimor::app::TStartOptions options;
    options.DataFolder = kunimor::DataFolder(dictOption);
    options.SettingsFolder = kunimor::app::SettingsFolder(QApplication::applicationDirPath().toStdString());
    options.LanguageFolder = kunimor::app::ShippedFolder(QApplication::applicationDirPath().toStdString(), "lng");
    options.SecondInstance = probe.SecondInstance();
    if (!files.isEmpty()) options.OpenFile = files.front().toStdString();

    kunimor::app::TDialogPrompter prompter;
    kunimor::app::TfrmKunimor window(options, prompter);
    std::unique_ptr<kunimor::app::TRequestServer> requests;
    if (probe.Server())
        requests = std::make_unique<kunimor::app::TRequestServer>(
            *probe.Server(), [&window](const kunimor::TTranslationRequest& request) {
                return kunimor::app::AnswerRequest(window, request);
            });
    window.show();
    return QApplication::exec();
}

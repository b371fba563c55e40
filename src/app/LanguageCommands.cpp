#include "app/LanguageCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTextDocument>
#include <QTextEdit>

#include "app/FileCommands.h"
#include "app/Localizer.h"
#include "app/MainWindow.h"
#include "app/PaneText.h"
#include "app/ProgramTexts.h"
#include "app/Prompter.h"
#include "app/Settings.h"

namespace kunimor::app {
namespace {

QString FromView(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

TLanguageCommands::TLanguageCommands(TfrmKunimor& window, TPrompter& prompter, std::filesystem::path folder)
    : QObject(&window), window_(window), prompter_(prompter), folder_(std::move(folder)) {
    auto* group = new QActionGroup(this);
    for (const TInterfaceLanguage& language : kInterfaceLanguages) {
        auto* action = new QAction(FromView(language.caption), &window_);
        action->setObjectName(FromView(language.action));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, name = std::string(language.name)] {
            if (name == "la")
                prompter_.Ask(&window_, QStringLiteral("Information"), Msg(TMsg::LatinkaNotice), TButtons::Ok,
                              TIcon::Information, TAnswer::Ok);
            Switch(name);
        });
        LanguageActions.push_back(action);
    }
}

// The localizer outlives the window: it must not call back into it.
TLanguageCommands::~TLanguageCommands() {
    if (started_) Localizer().AfterLanguageChange = nullptr;
}

void TLanguageCommands::AddToMenu(QMenu& service) {
    service.addSeparator();
    service.addActions({LanguageActions.begin(), LanguageActions.end()});
}

void TLanguageCommands::Start() {
    TLocalizer& localizer = Localizer();
    started_ = true;
    localizer.AfterLanguageChange = [this](const std::string& name) { LanguageChanged(name); };
    localizer.SetAutoTranslate(true);
    localizer.LanguageDir = folder_;
    if (!folder_.empty()) localizer.LoadLanguage(Settings.IniLangName);
}

bool TLanguageCommands::Switch(const std::string& name) {
    Settings.IniLangName = name;
    const bool loaded = !folder_.empty() && Localizer().LoadLanguage(name);
    if (!loaded) {
        // The mark goes back to the language in force.
        LanguageChanged(Localizer().LanguageName);
        window_.AddMessage(ToEngine(Msg(TMsg::LanguageNotLoaded).arg(QString::fromStdString(name))).text);
        window_.ShowMessagesPanel(true);
    }
    return loaded;
}

void TLanguageCommands::LanguageChanged(const std::string& name) {
    for (std::size_t i = 0; i < kInterfaceLanguages.size(); ++i)
        LanguageActions[i]->setChecked(kInterfaceLanguages[i].name == name);
    const std::array<TMsg, kTextViewCount> views = {TMsg::ViewNormal, TMsg::ViewUntranslated, TMsg::ViewErrors,
                                                    TMsg::ViewWarnings, TMsg::ViewOther};
    for (std::size_t i = 0; i < views.size(); ++i) Settings.TextViews[i].Caption = Msg(views[i]).toStdString();
    window_.Files->UpdateTitle();
    window_.UpdateCaretStatus();
    window_.SetModified(window_.Editor->document()->isModified(), TPane::Source);
    window_.SetModified(window_.Editor2->document()->isModified(), TPane::Result);
}

}  // namespace kunimor::app

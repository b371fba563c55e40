#include <QAction>
#include <QTextEdit>
#include <QToolBar>

#include "app/ColourSchemes.h"
#include "app/Localizer.h"
#include "app/MainWindow.h"
#include "app/SpellingCommands.h"
#include "app/TextCommands.h"

namespace kunimor::app {

// Language files name the window's controls by these names; a control
// with a text and no name could not be translated.
void TfrmKunimor::NameComponents() {
#define KUNIMOR_NAMED(member) std::pair<QObject*, const char*>(member, #member)
    const std::pair<QObject*, const char*> named[] = {
        KUNIMOR_NAMED(actNew),          KUNIMOR_NAMED(actQuit),          KUNIMOR_NAMED(actUndo),
        KUNIMOR_NAMED(actRedo),         KUNIMOR_NAMED(actCut),           KUNIMOR_NAMED(actCopy),
        KUNIMOR_NAMED(actPaste),        KUNIMOR_NAMED(actSelectAll),     KUNIMOR_NAMED(actFind),
        KUNIMOR_NAMED(actReplace),      KUNIMOR_NAMED(actSearchAgain),   KUNIMOR_NAMED(actTranslate),
        KUNIMOR_NAMED(actTranslateAll), KUNIMOR_NAMED(actSearchUnknown), KUNIMOR_NAMED(actBel2Rus),
        KUNIMOR_NAMED(actRus2Bel),      KUNIMOR_NAMED(actWordWarp),      KUNIMOR_NAMED(actStat),
        KUNIMOR_NAMED(actTextsVert),    KUNIMOR_NAMED(actTextsHoriz),    KUNIMOR_NAMED(actShowUnknown),
        KUNIMOR_NAMED(actShowMessages), KUNIMOR_NAMED(actClearMessages), KUNIMOR_NAMED(actHelp),
        KUNIMOR_NAMED(actHomePage),     KUNIMOR_NAMED(actEMail),         KUNIMOR_NAMED(actAbout),
        KUNIMOR_NAMED(actOptions),      KUNIMOR_NAMED(actApplicationRestore), KUNIMOR_NAMED(Editor),
        KUNIMOR_NAMED(Editor2),
        {spelling_->actOrfoAnalyze, "actOrfoAnalyze"},
        {spelling_->actOrfoCorrection, "actOrfoCorrection"},
        {spelling_->actSearchNextError, "actSearchNextError"},
        {TextCommands->actCopyToLatinka, "actCopyToLatinka"},
        {TextCommands->actPastFromLatinka, "actPastFromLatinka"},
        {toolBar_, "ToolBar"},
    };
#undef KUNIMOR_NAMED
    for (const auto& [object, name] : named) object->setObjectName(QString::fromLatin1(name));
    MarkRuntimeText(*this);  // the caption carries the document's name
    for (std::size_t i = 0; i < SchemeActions.size(); ++i)
        SchemeActions[i]->setObjectName(QStringLiteral("actTheme") + QString::fromLatin1(kColourSchemes[i].name.data(),
                                                                                         qsizetype(kColourSchemes[i].name.size())));
}

}  // namespace kunimor::app

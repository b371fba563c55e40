#include "app/RequestCommands.h"

#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include "app/FileCommands.h"
#include "app/MainWindow.h"
#include "ground/CodePages.h"

namespace kunimor::app {
namespace {

TTranslationReply Refusal(TReplyStatus status, const char* text) { return {status, text}; }

void OpenWhenFree(TfrmKunimor& window, const QString& path) {
    window.showNormal();
    window.raise();
    window.activateWindow();
    if (window.Busy) {
        QTimer::singleShot(500, &window, [&window, path] { OpenWhenFree(window, path); });
        return;
    }
    if (window.ConfirmDiscard()) window.Files->LoadTextFile(path, kCpAnsi);
}

}  // namespace

TTranslationReply AnswerRequest(TfrmKunimor& window, const TTranslationRequest& request) {
    if (request.kind == TRequestKind::OpenFile) {
        const QString path = QString::fromStdString(request.text);
        QTimer::singleShot(0, &window, [&window, path] { OpenWhenFree(window, path); });
        return {};
    }
    if (window.Busy)
        return Refusal(TReplyStatus::Busy, "Кунимор занят другой работой; повторите запрос, когда она закончится.");
    if (!window.DictionaryLoaded) return Refusal(TReplyStatus::Failed, "Словарь не загружен: перевод невозможен.");
    if (window.Editor->document()->isModified() || window.Editor2->document()->isModified())
        return Refusal(TReplyStatus::Busy,
                       "В окне Кунимора есть несохраненный текст; чтобы его не потерять, запрос не выполнен. "
                       "Сохраните текст или начните новый и повторите запрос.");

    QString text = QString::fromUtf8(request.text.data(), qsizetype(request.text.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    window.Editor->setPlainText(text);
    switch (request.direction) {
        case TRequestDirection::RusToBel: window.actRus2Bel->trigger(); break;
        case TRequestDirection::BelToRus: window.actBel2Rus->trigger(); break;
        case TRequestDirection::Detect: window.DetectDirection(); break;
    }
    window.TranslateForRequest();
    // The texts came from the other program, which gets the translation:
    // there is nothing here the user has to save.
    window.SetModified(false, TPane::Source);
    window.SetModified(false, TPane::Result);
    return {TReplyStatus::Ok, ReplyText(request.text, window.Editor2->toPlainText().toStdString())};
}

}  // namespace kunimor::app

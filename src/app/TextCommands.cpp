#include "app/TextCommands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include "app/MainWindow.h"
#include "app/PaneText.h"
#include "app/Settings.h"
#include "app/TextViewFormat.h"
#include "ground/Cp1251.h"
#include "ground/LatinUtf8.h"
#include "translator/StandInChars.h"

namespace kunimor::app {
namespace {

struct TDecode {
    const char* caption;
    TRecodeDirection direction;
    int codePage;
};

constexpr TDecode kDecodes[] = {
    {"DOS 866 --> Win-1251", TRecodeDirection::ToAnsi, kCpDos866},
    {"KOI8-R --> Win-1251", TRecodeDirection::ToAnsi, kCpKoi8r},
    {"MAC --> Win-1251", TRecodeDirection::ToAnsi, kCpMac},
    {"ISO --> Win-1251", TRecodeDirection::ToAnsi, kCpIso},
    {"Win-1251 --> DOS 866", TRecodeDirection::FromAnsi, kCpDos866},
    {"Win-1251 --> KOI8-R", TRecodeDirection::FromAnsi, kCpKoi8r},
    {"Win-1251 --> MAC", TRecodeDirection::FromAnsi, kCpMac},
    {"Win-1251 --> ISO", TRecodeDirection::FromAnsi, kCpIso},
};

// A pane's text with every byte of 0x80 and above, and "i" and "I", through
// the table; characters outside Windows-1251 stay as they are.
QString Recoded(const QString& text, TRecodeDirection direction, int codePage) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int byte = UnicodeToCp1251(c.unicode());
        if (byte < 0 || (byte < 0x80 && c != u'i' && c != u'I')) {
            out += c;
            continue;
        }
        const auto recoded = static_cast<unsigned char>(RecodeChar(direction, codePage, static_cast<char>(byte)));
        out += QChar(static_cast<char16_t>(Cp1251ToUnicode(recoded)));
    }
    return out;
}

}  // namespace

TTextCommands::TTextCommands(TfrmKunimor& window) : QObject(&window), window_(window) {
    actCopyToLatinka = new QAction(QStringLiteral("Копировать в латинку"), &window_);
    connect(actCopyToLatinka, &QAction::triggered, this, &TTextCommands::CopyToLatinka);
    actPastFromLatinka = new QAction(QStringLiteral("Вставить из латинки"), &window_);
    connect(actPastFromLatinka, &QAction::triggered, this, &TTextCommands::PasteFromLatinka);
    for (const TDecode& decode : kDecodes) {
        auto* action = new QAction(QString::fromLatin1(decode.caption), &window_);
        connect(action, &QAction::triggered, this, [this, decode] { RecodeEditors(decode.direction, decode.codePage); });
        DecodeActions.push_back(action);
    }
}

void TTextCommands::AddToMenus(QMenu& edit, QMenu& text) {
    edit.addSeparator();
    edit.addActions({actCopyToLatinka, actPastFromLatinka});
    QMenu* convert = text.addMenu(QStringLiteral("Конвертировать"));
    convert->setObjectName(QStringLiteral("miConvert"));
    for (std::size_t i = 0; i < DecodeActions.size(); ++i) {
        if (i == 4) convert->addSeparator();
        convert->addAction(DecodeActions[i]);
    }
}

void TTextCommands::CopyToLatinka() {
    const QString selected = window_.ActiveEditor->textCursor().selection().toPlainText();
    if (selected.isEmpty()) return;
    // Only the letters change script; what Windows-1251 lacks waits as a
    // stand-in and comes back in its place.
    const TEngineText engine = ToEngine(selected);
    const QString converted = QString::fromStdString(CyrillicToLatinUtf8(engine.text, Settings.DopLatCoding == 1));
    const QChar standIn(static_cast<char16_t>(Cp1251ToUnicode(static_cast<unsigned char>(kGapStandIn))));
    QString latin;
    std::size_t next = 0;
    for (QChar c : converted) latin += c == standIn && next < engine.setAside.size() ? engine.setAside[next++] : c;
    QApplication::clipboard()->setText(latin);
}

void TTextCommands::PasteFromLatinka() {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty() || window_.ActiveEditor->isReadOnly()) return;
    const std::string cyrillic = LatinUtf8ToCyrillic(text.toStdString(), nullptr);
    window_.ActiveEditor->textCursor().insertText(FromCp1251(cyrillic));
}

void TTextCommands::RecodeEditors(TRecodeDirection direction, int codePage) {
    if (window_.Busy) return;
    window_.BeginTextUpdate();
    for (QTextEdit* pane : {window_.Editor, window_.Editor2}) {
        // The raw text: the plain one would turn no-break spaces, which are
        // letters of other code pages, into blanks.
        QString raw = pane->document()->toRawText();
        raw.replace(QChar::ParagraphSeparator, u'\n');
        const QString text = Recoded(raw, direction, codePage);
        pane->clear();
        pane->setCurrentCharFormat(ViewFormat(Settings.TextViews[0]));
        pane->insertPlainText(text);
    }
    window_.EndTextUpdate(false, false);
    window_.DetectDirection();
}

}  // namespace kunimor::app

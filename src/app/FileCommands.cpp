#include "app/FileCommands.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSaveFile>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "app/DocumentNames.h"
#include "app/DocumentText.h"
#include "app/MainWindow.h"
#include "app/PaneRtf.h"
#include "app/ProgramTexts.h"
#include "app/Prompter.h"
#include "app/RtfReader.h"
#include "app/Settings.h"
#include "app/TextViewFormat.h"
#include "ground/CodePages.h"

namespace kunimor::app {
namespace {

// In the interface language of the moment.
QStringList TextFilters() {
    return {Msg(TMsg::FilterTexts), Msg(TMsg::FilterPages), Msg(TMsg::FilterSpecial), Msg(TMsg::FilterPrograms),
            Msg(TMsg::FilterAll)};
}

QStringList RtfFilters() { return {Msg(TMsg::FilterRtf), Msg(TMsg::FilterAll)}; }

QString CodePageName(int codePage) {
    const std::string_view name = CodePageNames[static_cast<std::size_t>(codePage)];
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

bool IsRtfName(const QString& name) { return name.right(4).toLower() == QStringLiteral(".rtf"); }

// Puts RTF runs into a pane, each in its colour, style and size; what the
// file leaves unsaid looks like normal text.
void InsertRuns(QTextEdit& pane, const std::vector<TRtfRun>& runs) {
    QTextCursor cursor(pane.document());
    for (const TRtfRun& run : runs) {
        TTextView view = Settings.TextViews[0];
        if (run.hasColor) view.Color = run.color;
        view.Style = run.style;
        QTextCharFormat format = ViewFormat(view);
        if (run.fontSize > 0) format.setFontPointSize(run.fontSize);
        QString text = QString::fromStdU16String(run.text);
        text.replace(QChar(u'\r'), QChar(u'\n'));
        cursor.insertText(text, format);
    }
}

}  // namespace

TFileCommands::TFileCommands(TfrmKunimor& window, TPrompter& prompter)
    : QObject(&window), window_(window), prompter_(prompter) {
    auto make = [this](const QString& caption, const QKeySequence& keys, auto slot) {
        auto* action = new QAction(caption, &window_);
        if (!keys.isEmpty()) action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    actOpen = make(QStringLiteral("Открыть..."), QKeySequence(Qt::Key_F3), [this] { Open(); });
    actSaveOrig = make(QStringLiteral("Сохранить оригинал"), QKeySequence(Qt::CTRL | Qt::Key_F2),
                       [this] { Save(TPane::Source); });
    actSaveAsOrig = make(QStringLiteral("Сохранить оригинал как..."), {}, [this] { SaveAs(TPane::Source); });
    actSaveRes = make(QStringLiteral("Сохранить результат"), QKeySequence(Qt::Key_F2), [this] { Save(TPane::Result); });
    actSaveAsRes = make(QStringLiteral("Сохранить результат как..."), {}, [this] { SaveAs(TPane::Result); });
    actSaveResWithMarkup = make(QStringLiteral("Сохранить результат с разметкой..."), {}, [this] { SaveWithMarkup(); });
    MRUMenu = new QMenu(QStringLiteral("Последние файлы"), &window_);
    MRUMenu->setObjectName(QStringLiteral("MRUMenu"));
    const std::pair<QAction*, const char*> names[] = {
        {actOpen, "actOpen"},         {actSaveOrig, "actSaveOrig"},   {actSaveAsOrig, "actSaveAsOrig"},
        {actSaveRes, "actSaveRes"},   {actSaveAsRes, "actSaveAsRes"}, {actSaveResWithMarkup, "actSaveResWithMarkup"}};
    for (const auto& [action, name] : names) action->setObjectName(QString::fromLatin1(name));
    MRUMenu->menuAction()->setVisible(false);

    // The save commands are there while their pane holds unsaved text.
    const std::pair<QTextEdit*, QAction*> saves[] = {{window_.Editor, actSaveOrig}, {window_.Editor2, actSaveRes}};
    for (const auto& [pane, action] : saves) {
        action->setEnabled(pane->document()->isModified());
        connect(pane->document(), &QTextDocument::modificationChanged, action, &QAction::setEnabled);
    }
    window_.SaveText = [this](TPane pane) { Save(pane); };

    window_.setAcceptDrops(true);
    for (QTextEdit* pane : {window_.Editor, window_.Editor2}) pane->viewport()->installEventFilter(this);
    window_.installEventFilter(this);
}

void TFileCommands::AddToMenu(QMenu& file, QAction* before) {
    file.insertAction(before, actOpen);
    file.insertMenu(before, MRUMenu);
    file.insertSeparator(before);
    file.insertActions(before, {actSaveOrig, actSaveAsOrig, actSaveRes, actSaveAsRes, actSaveResWithMarkup});
    file.insertSeparator(before);
}

void TFileCommands::Start() {
    recent_ = TRecentFiles::FromSettings(Settings.RecentFiles);
    RebuildRecentMenu();
}

void TFileCommands::ShowHint(const QString& hint) {
    if (hint.isEmpty()) window_.statusBar()->clearMessage();
    else window_.statusBar()->showMessage(hint);
}

void TFileCommands::SetFileName(const QString& name) {
    if (!name.isEmpty()) Settings.LoadDir = QFileInfo(name).absolutePath().toStdString();
    SourceFileName = name;
    ResultFileName.clear();
    UpdateTitle();
}

void TFileCommands::UpdateTitle() {
    const QString program = Msg(TMsg::MainCaption);
    window_.setWindowTitle(SourceFileName.isEmpty() ? program
                                                    : QFileInfo(SourceFileName).fileName() + QStringLiteral(" - ") + program);
}

void TFileCommands::SetFileCodePage(int codePage) {
    FileCodePage = codePage;
    window_.StatusPanels[3]->setText(CodePageName(codePage));
}

void TFileCommands::NewDocument() {
    SetFileName({});
    SetFileCodePage(kCpAnsi);
    sourceIsRtf_ = false;
    crlf_ = false;
    for (QTextEdit* pane : {window_.Editor, window_.Editor2}) pane->document()->clearUndoRedoStacks();
}

void TFileCommands::Open() {
    if (window_.Busy || !window_.ConfirmDiscard()) return;
    const TFileChoice proposed{QString::fromStdString(Settings.LoadDir), FileCodePage, openFilterIndex_};
    const std::optional<TFileChoice> chosen = prompter_.ChooseFile(&window_, TFileDialog::OpenText,
                                                                   Msg(TMsg::OpenCaption), proposed, TextFilters());
    if (!chosen) return;
    openFilterIndex_ = std::max(0, chosen->filterIndex);
    Settings.LoadDir = QFileInfo(chosen->path).absolutePath().toStdString();
    LoadTextFile(chosen->path, chosen->codePage);
}

bool TFileCommands::LoadTextFile(const QString& name, int codePage) {
    if (window_.Busy) return false;
    if (!QFileInfo(name).isFile()) {
        prompter_.Ask(&window_, QStringLiteral("Warning"), Msg(TMsg::FileNotFound).arg(name),
                      TButtons::Ok, TIcon::Warning, TAnswer::Ok);
        return false;
    }
    window_.Busy = true;
    ShowHint(Msg(TMsg::LoadingFile));
    QFile file(name);
    QByteArray bytes;
    const bool read = file.open(QIODevice::ReadOnly) && (bytes = file.readAll(), file.error() == QFileDevice::NoError);
    file.close();
    if (!read) {
        ShowHint({});
        window_.Busy = false;
        prompter_.Ask(&window_, QStringLiteral("Error"), Msg(TMsg::CannotLoad).arg(name),
                      TButtons::Ok, TIcon::Error, TAnswer::Ok);
        return false;
    }
    const std::string_view content(bytes.constData(), std::size_t(bytes.size()));
    const bool rtf = IsRtfName(name) && LooksLikeRtf(content);

    window_.BeginTextUpdate();
    window_.Editor->clear();
    window_.Editor2->clear();
    if (rtf) {
        InsertRuns(*window_.Editor, ReadRtf(content));
        crlf_ = false;
    } else {
        const TDecodedText decoded = DecodeDocument(content, codePage);
        codePage = decoded.codePage;
        crlf_ = decoded.crlf;
        window_.Editor->setCurrentCharFormat(ViewFormat(Settings.TextViews[0]));
        window_.Editor->insertPlainText(decoded.text);
    }
    for (QTextEdit* pane : {window_.Editor, window_.Editor2}) pane->document()->clearUndoRedoStacks();
    window_.EndTextUpdate(false, false);
    sourceIsRtf_ = rtf;
    SetFileName(name);
    SetFileCodePage(codePage);
    AddRecentFile(name, FileCodePage);

    if (codePage == kCpLatinka) window_.actBel2Rus->trigger();
    else window_.DetectDirection();
    window_.Editor->moveCursor(QTextCursor::Start);
    window_.UpdateCaretStatus();
    ShowHint({});
    window_.SetModified(false, TPane::Source);
    window_.SetModified(false, TPane::Result);
    window_.ClearLists();
    window_.Busy = false;
    return true;
}

bool TFileCommands::WriteFile(const QString& name, const std::string& bytes) {
    QSaveFile file(name);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) &&
        file.commit())
        return true;
    file.cancelWriting();
    prompter_.Ask(&window_, QStringLiteral("Error"),
                  Msg(TMsg::CannotSave).arg(name, file.errorString()), TButtons::Ok,
                  TIcon::Error, TAnswer::Ok);
    return false;
}

bool TFileCommands::SaveTextFile(const QString& name, TPane pane, int codePage) {
    if (window_.Busy) return false;
    QTextEdit* editor = pane == TPane::Source ? window_.Editor : window_.Editor2;
    const TEncodedText encoded = EncodeDocument(editor->toPlainText(), codePage, Settings.DopLatCoding == 1, crlf_);
    if (encoded.lost > 0 &&
        prompter_.Ask(&window_, QStringLiteral("Confirm"),
                      Msg(TMsg::LossySave)
                          .arg(CodePageName(codePage))
                          .arg(encoded.lost),
                      TButtons::YesNo, TIcon::Question, TAnswer::No) != TAnswer::Yes)
        return false;
    window_.Busy = true;
    ShowHint(Msg(TMsg::SavingFile));
    const bool written = WriteFile(name, encoded.bytes);
    ShowHint({});
    window_.Busy = false;
    if (!written) return false;
    if (pane == TPane::Source) {
        SetFileName(name);
        sourceIsRtf_ = false;
    } else {
        ResultFileName = name;
    }
    SetFileCodePage(codePage);
    window_.SetModified(false, pane);
    return true;
}

bool TFileCommands::SaveRtfFile(const QString& name) {
    if (window_.Busy) return false;
    window_.Busy = true;
    ShowHint(Msg(TMsg::SavingFile));
    const bool written = WriteFile(name, PaneRtf(*window_.Editor2->document(), Settings.FontName, Settings.FontSize));
    ShowHint({});
    window_.Busy = false;
    return written;
}

void TFileCommands::Save(TPane pane) {
    const QString& name = pane == TPane::Source ? SourceFileName : ResultFileName;
    if (name.isEmpty()) {
        SaveAs(pane);
        return;
    }
    if (pane == TPane::Source && sourceIsRtf_) {
        // Saving writes plain text: the file's markup would be gone.
        switch (prompter_.Ask(&window_, QStringLiteral("Confirm"),
                              Msg(TMsg::RtfAsPlain)
                                  .arg(QFileInfo(name).fileName()),
                              TButtons::YesNoCancel, TIcon::Question, TAnswer::No)) {
            case TAnswer::Yes: break;
            case TAnswer::No: SaveAs(pane); return;
            default: return;
        }
    }
    SaveTextFile(name, pane, FileCodePage);
}

void TFileCommands::SaveAs(TPane pane) {
    TFileChoice proposed{{}, FileCodePage, 0};
    QString caption;
    if (pane == TPane::Source) {
        caption = Msg(TMsg::SaveSourceAs);
        proposed.path = SourceFileName.isEmpty() ? QStringLiteral("text") : SourceFileName;
    } else {
        caption = Msg(TMsg::SaveResultAs);
        if (!ResultFileName.isEmpty()) {
            proposed.path = ResultFileName;
        } else if (!SourceFileName.isEmpty()) {
            proposed.path = QFileInfo(SourceFileName).dir().filePath(
                QString::fromStdString(ProposedResultName(SourceFileName.toStdString())));
            proposed.filterIndex = openFilterIndex_;
        } else {
            proposed.path = QStringLiteral("text");
        }
    }
    if (QFileInfo(proposed.path).isRelative() && !Settings.LoadDir.empty())
        proposed.path = QDir(QString::fromStdString(Settings.LoadDir)).filePath(proposed.path);
    const std::optional<TFileChoice> chosen =
        prompter_.ChooseFile(&window_, TFileDialog::SaveText, caption, proposed, TextFilters());
    if (!chosen) return;
    if (SaveTextFile(chosen->path, pane, chosen->codePage))
        AddRecentFile(pane == TPane::Source ? SourceFileName : ResultFileName, FileCodePage);
}

void TFileCommands::SaveWithMarkup() {
    const QString proposed =
        QString::fromStdString(ProposedMarkupName(ResultFileName.toStdString(), SourceFileName.toStdString()));
    const std::optional<TFileChoice> chosen =
        prompter_.ChooseFile(&window_, TFileDialog::SaveRtf, Msg(TMsg::SaveMarkupAs),
                             {proposed, 0, 0}, RtfFilters());
    if (chosen) SaveRtfFile(chosen->path);
}

void TFileCommands::AddRecentFile(const QString& path, int codePage) {
    recent_.Add(path.toStdString(), codePage);
    Settings.RecentFiles = recent_.ToSettings();
    RebuildRecentMenu();
}

void TFileCommands::RebuildRecentMenu() {
    MRUMenu->clear();
    for (const TRecentFile& entry : recent_.Entries()) {
        const QString path = QString::fromStdString(entry.path);
        QAction* item = MRUMenu->addAction(QFileInfo(path).fileName());
        item->setToolTip(path);
        item->setStatusTip(path);
        connect(item, &QAction::triggered, this, [this, path, codePage = entry.codePage] {
            if (!window_.Busy && window_.ConfirmDiscard()) LoadTextFile(path, codePage);
        });
    }
    MRUMenu->setToolTipsVisible(true);
    MRUMenu->menuAction()->setVisible(!recent_.Entries().empty());
}

void TFileCommands::FilesDropped(const QStringList& paths) {
    if (paths.isEmpty() || window_.Busy || !window_.ConfirmDiscard()) return;
    const QString name = paths.front();
    if (prompter_.Ask(&window_, QStringLiteral("Confirm"), Msg(TMsg::LoadDropped).arg(name),
                      TButtons::YesNoCancel, TIcon::Question, TAnswer::Yes) == TAnswer::Yes)
        LoadTextFile(name, kCpAnsi);
}

// Files dropped on a pane open instead of being pasted there as text.
bool TFileCommands::eventFilter(QObject* watched, QEvent* event) {
    const auto localFiles = [](const QMimeData* data) {
        QStringList paths;
        if (data && data->hasUrls())
            for (const QUrl& url : data->urls())
                if (url.isLocalFile()) paths << url.toLocalFile();
        return paths;
    };
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (localFiles(drag->mimeData()).isEmpty()) break;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QStringList paths = localFiles(drop->mimeData());
            if (paths.isEmpty()) break;
            drop->acceptProposedAction();
            // The drag source waits for the drop to end before the questions come.
            QMetaObject::invokeMethod(this, [this, paths] { FilesDropped(paths); }, Qt::QueuedConnection);
            return true;
        }
        default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kunimor::app

#include "app/MainWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QShortcut>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/AboutDialog.h"
#include "app/ColourSchemes.h"
#include "app/FileCommands.h"
#include "app/FindDialog.h"
#include "app/LanguageCommands.h"
#include "app/Localizer.h"
#include "app/OptionsDialog.h"
#include "app/OutputVariants.h"
#include "app/MessagesPanel.h"
#include "app/PaneText.h"
#include "app/ProgramTexts.h"
#include "app/Prompter.h"
#include "app/Settings.h"
#include "app/StatDialog.h"
#include "app/TextCommands.h"
#include "app/DictionaryAutoSave.h"
#include "editing/ui/DictionaryCommands.h"
#include "editing/ui/WordEditCommands.h"
#include "app/SpellingCommands.h"
#include "app/TextViewFormat.h"
#include "app/UnknownPanel.h"
#include "app/WordAt.h"
#include "ground/Direction.h"
#include "ground/Error.h"
#include "dictionary/LookupSettings.h"
#include "ground/Alphabet.h"
#include "ground/LetterCase.h"
#include "translator/PositionTable.h"
#include "translator/SegmentationSettings.h"
#include "translator/TranslateText.h"
#include "translator/TranslationStats.h"

namespace kunimor::app {
namespace {

constexpr const char* kSettingsFile = "kunimor.ini";

struct TMark {
    int style, from, to;
};

QString Modified(bool modified) { return modified ? Msg(TMsg::Modified) : QString(); }

}  // namespace

TfrmKunimor::TfrmKunimor(TStartOptions options, TPrompter& prompter, QWidget* parent)
    : QMainWindow(parent),
      SecondInstance(options.SecondInstance),
      EditPrompter(prompter, this),
      Module(EditPrompter),
      options_(std::move(options)),
      prompter_(prompter) {
    setWindowTitle(Msg(TMsg::MainCaption));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("kunimor"), style()->standardIcon(QStyle::SP_DesktopIcon)));
    CreateActions();
    spelling_ = new TSpellingCommands(*this, prompter_);
    Dictionaries = new TDictionaryCommands(*this, prompter_);
    WordEdits = new TWordEditCommands(*this, prompter_);
    CreateLayout();
    CreateMenus();
    NameComponents();
    ActiveEditor = Editor;
    ConnectDictionarySaving();
    qApp->installEventFilter(this);  // tooltips follow ShowHints
}

void TfrmKunimor::ConnectDictionarySaving() {
    SaveDictionary = [this] { Module.SaveIfModified(); };
    Module.onSaveError = [this](const std::string& text) {
        AddMessage(text);
        prompter_.Ask(this, QStringLiteral("Ошибка словаря Кунимора"), FromCp1251(text), TButtons::Ok, TIcon::Error,
                      TAnswer::Ok);
    };
}

bool TfrmKunimor::DictionarySavedForClosing() {
    if (!DictionaryLoaded || SecondInstance || Module.SaveIfModified()) return true;
    return prompter_.Ask(this, QStringLiteral("Warning"),
                         QStringLiteral("Не удалось сохранить базу данных.\rВыйти все равно?"), TButtons::YesNoCancel,
                         TIcon::Warning, TAnswer::No) == TAnswer::Yes;
}

TfrmKunimor::~TfrmKunimor() = default;

TfrmUnknown* TfrmKunimor::UnknownPanel() const { return static_cast<TfrmUnknown*>(frmUnknown_); }
TfrmMessages* TfrmKunimor::MessagesPanel() const { return static_cast<TfrmMessages*>(frmMessages_); }

QAction* TfrmKunimor::MakeAction(const QString& caption, const QKeySequence& shortcut, void (TfrmKunimor::*slot)()) {
    auto* action = new QAction(caption, this);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    if (slot) connect(action, &QAction::triggered, this, slot);
    return action;
}

void TfrmKunimor::CreateActions() {
    actNew = MakeAction(QStringLiteral("Новый"), {}, nullptr);
    connect(actNew, &QAction::triggered, this, [this] {
        if (ConfirmDiscard()) NewDocument();
    });
    actNew->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    actQuit = MakeAction(QStringLiteral("Выйти"), {}, nullptr);
    connect(actQuit, &QAction::triggered, this, &QWidget::close);

    auto onActive = [this](const QString& caption, std::initializer_list<QKeySequence> keys, void (QTextEdit::*op)()) {
        auto* action = new QAction(caption, this);
        action->setShortcuts(QList<QKeySequence>(keys));
        connect(action, &QAction::triggered, this, [this, op] { (ActiveEditor->*op)(); });
        return action;
    };
    actUndo = onActive(QStringLiteral("Отменить"), {QKeySequence(Qt::ALT | Qt::Key_Backspace), QKeySequence::Undo},
                       &QTextEdit::undo);
    actRedo = onActive(QStringLiteral("Повторить"),
                       {QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Backspace), QKeySequence::Redo}, &QTextEdit::redo);
    actCut = onActive(QStringLiteral("Вырезать"), {QKeySequence(Qt::SHIFT | Qt::Key_Delete), QKeySequence::Cut},
                      &QTextEdit::cut);
    actCopy = onActive(QStringLiteral("Копировать"), {QKeySequence(Qt::CTRL | Qt::Key_Insert), QKeySequence::Copy},
                       &QTextEdit::copy);
    actPaste = onActive(QStringLiteral("Вставить"), {QKeySequence(Qt::SHIFT | Qt::Key_Insert), QKeySequence::Paste},
                        &QTextEdit::paste);
    actSelectAll = onActive(QStringLiteral("Выбрать все"), {QKeySequence::SelectAll}, &QTextEdit::selectAll);
    for (QAction* a : {actUndo, actRedo, actCut, actCopy, actPaste, actSelectAll})
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);

    actFind = MakeAction(QStringLiteral("Найти..."), QKeySequence(Qt::CTRL | Qt::Key_F), nullptr);
    connect(actFind, &QAction::triggered, this, [this] { OpenFind(false); });
    actReplace = MakeAction(QStringLiteral("Заменить..."), QKeySequence(Qt::CTRL | Qt::Key_R), nullptr);
    connect(actReplace, &QAction::triggered, this, [this] { OpenFind(true); });
    actSearchAgain = MakeAction(QStringLiteral("Искать далее"), QKeySequence(Qt::CTRL | Qt::Key_L), nullptr);
    connect(actSearchAgain, &QAction::triggered, this, [this] {
        if (findDialog_->HasSearchText()) findDialog_->FindNext();
        else OpenFind(false);
    });
    findDialog_ = new TFindDialog(this);

    actTranslate = MakeAction(QStringLiteral("Перевести !"), QKeySequence(Qt::Key_F9), nullptr);
    connect(actTranslate, &QAction::triggered, this, [this] { Translate(false); });
    actTranslate->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    actTranslate->setToolTip(QStringLiteral("Перевести выделенный или весь текст (F9)"));
    actTranslateAll = MakeAction(QStringLiteral("Перевести все !"), QKeySequence(Qt::CTRL | Qt::Key_F9), nullptr);
    connect(actTranslateAll, &QAction::triggered, this, [this] { Translate(true); });
    actSearchUnknown =
        MakeAction(QStringLiteral("Найти новые слова"), QKeySequence(Qt::ALT | Qt::Key_F9), &TfrmKunimor::SearchUnknown);

    actBel2Rus = MakeAction(QStringLiteral("С беларуского на русский"), QKeySequence(Qt::SHIFT | Qt::Key_F4), nullptr);
    actRus2Bel = MakeAction(QStringLiteral("С русского на беларуский"), QKeySequence(Qt::CTRL | Qt::Key_F4), nullptr);
    actBel2Rus->setIconText(QStringLiteral("Бел → Рус"));
    actRus2Bel->setIconText(QStringLiteral("Рус → Бел"));
    auto* directions = new QActionGroup(this);
    for (QAction* a : {actBel2Rus, actRus2Bel}) {
        a->setCheckable(true);
        directions->addAction(a);
    }
    actRus2Bel->setChecked(true);
    connect(actBel2Rus, &QAction::triggered, this, [this] {
        actBel2Rus->setChecked(true);
        SelectDirection(1);
    });
    connect(actRus2Bel, &QAction::triggered, this, [this] {
        actRus2Bel->setChecked(true);
        SelectDirection(0);
    });

    actWordWarp = MakeAction(QStringLiteral("Переносить по словам"), QKeySequence(Qt::CTRL | Qt::Key_W), nullptr);
    actWordWarp->setCheckable(true);
    connect(actWordWarp, &QAction::toggled, this, [this] { ApplyWordWrap(); });

    actStat = MakeAction(QStringLiteral("Показать статистику..."), {}, &TfrmKunimor::ShowStatistics);
    actTextsVert = MakeAction(QStringLiteral("Тексты - вертикально"), {}, nullptr);
    connect(actTextsVert, &QAction::triggered, this, [this] { SetTextLayout(true); });
    actTextsHoriz = MakeAction(QStringLiteral("Тексты - рядом"), {}, nullptr);
    connect(actTextsHoriz, &QAction::triggered, this, [this] { SetTextLayout(false); });
    actShowUnknown = MakeAction(QStringLiteral("Неизвестные слова"), QKeySequence(Qt::CTRL | Qt::Key_U), nullptr);
    actShowUnknown->setCheckable(true);
    actShowUnknown->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    connect(actShowUnknown, &QAction::triggered, this, [this](bool checked) { ShowUnknownPanel(checked); });
    actShowMessages = MakeAction(QStringLiteral("Сообщения программы"), QKeySequence(Qt::CTRL | Qt::Key_M), nullptr);
    actShowMessages->setCheckable(true);
    connect(actShowMessages, &QAction::triggered, this, [this](bool checked) { ShowMessagesPanel(checked); });
    actClearMessages = MakeAction(QStringLiteral("Очистить список сообщений"), {}, nullptr);
    connect(actClearMessages, &QAction::triggered, this, [this] {
        ProgramMessages.Clear();
        ShowMessagesPanel(false);
    });
    actHomePage = MakeAction(QStringLiteral("Домашняя страница"), {}, nullptr);
    connect(actHomePage, &QAction::triggered, this, [] { OpenHomePage(); });
    actEMail = MakeAction(QStringLiteral("Письмо автору"), {}, nullptr);
    connect(actEMail, &QAction::triggered, this, [] { MailAuthor(); });
    actAbout = MakeAction(QStringLiteral("О программе..."), QKeySequence(Qt::ALT | Qt::Key_F1), &TfrmKunimor::ShowAbout);
    actOptions = MakeAction(QStringLiteral("Настройки..."), QKeySequence(Qt::Key_F5), &TfrmKunimor::ShowOptions);
    for (const TColourScheme& scheme : kColourSchemes) {
        QAction* action = MakeAction(QString::fromUtf8(scheme.caption.data(), qsizetype(scheme.caption.size())), {}, nullptr);
        connect(action, &QAction::triggered, this, [this, name = scheme.name] {
            LoadColourScheme(Settings, options_.SettingsFolder, name);
            ApplyViewSettings();
        });
        SchemeActions.push_back(action);
    }
    actApplicationRestore = MakeAction(QStringLiteral("Развернуть"), {}, &TfrmKunimor::RestoreFromTray);
    actHelp = MakeAction(QStringLiteral("Справочник"), QKeySequence(Qt::Key_F1), nullptr);
    connect(actHelp, &QAction::triggered, this, [this] { OpenHelp(this, prompter_); });
    Languages = new TLanguageCommands(*this, prompter_, options_.LanguageFolder);
}

void TfrmKunimor::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    file->setObjectName(QStringLiteral("miFile"));
    file->addAction(actNew);
    file->addAction(actQuit);
    Files->AddToMenu(*file, actQuit);
    QMenu* edit = menuBar()->addMenu(QStringLiteral("Правка"));
    edit->setObjectName(QStringLiteral("miEdit"));
    edit->addActions({actUndo, actRedo});
    edit->addSeparator();
    edit->addActions({actCut, actCopy, actPaste, actSelectAll});
    edit->addSeparator();
    edit->addActions({actFind, actReplace, actSearchAgain});
    QMenu* text = menuBar()->addMenu(QStringLiteral("Текст"));
    text->setObjectName(QStringLiteral("miText"));
    text->addActions({actTranslate, actTranslateAll, actSearchUnknown});
    text->addSeparator();
    QMenu* direction = text->addMenu(QStringLiteral("Направление перевода"));
    direction->setObjectName(QStringLiteral("miDirection"));
    direction->addActions({actBel2Rus, actRus2Bel});
    text->addAction(actWordWarp);
    TextCommands->AddToMenus(*edit, *text);
    text->addActions({spelling_->actOrfoAnalyze, spelling_->actOrfoCorrection, spelling_->actSearchNextError});
    QMenu* dictionaries = menuBar()->addMenu(QStringLiteral("Словари"));
    dictionaries->setObjectName(QStringLiteral("miDictionaries"));
    Dictionaries->AddToMenus(*dictionaries, *text, actStat);
    QMenu* service = menuBar()->addMenu(QStringLiteral("Сервис"));
    service->setObjectName(QStringLiteral("miService"));
    service->addAction(actOptions);
    QMenu* schemes = service->addMenu(QStringLiteral("Цветовая схема"));
    schemes->setObjectName(QStringLiteral("miSchemes"));
    for (QAction* scheme : SchemeActions) schemes->addAction(scheme);
    Languages->AddToMenu(*service);
    QMenu* window = menuBar()->addMenu(QStringLiteral("Окно"));
    window->setObjectName(QStringLiteral("miWindow"));
    window->addActions({actTextsVert, actTextsHoriz});
    window->addSeparator();
    window->addActions({actShowUnknown, actShowMessages, actClearMessages});
    QMenu* help = menuBar()->addMenu(QStringLiteral("Справка"));
    help->setObjectName(QStringLiteral("miHelp"));
    help->addActions({actHelp, actHomePage, actEMail});
    help->addSeparator();
    help->addAction(actAbout);

    for (QTextEdit* pane : {Editor, Editor2}) {
        pane->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(pane, &QWidget::customContextMenuRequested, this, [this, pane](const QPoint& at) {
            if (pane != ActiveEditor) pane->setFocus();
            const int clicked = pane->cursorForPosition(at).position();
            QTextCursor cursor = pane->textCursor();
            if (clicked < cursor.selectionStart() || clicked > cursor.selectionEnd()) {
                cursor.setPosition(clicked);
                pane->setTextCursor(cursor);
            }
            QMenu menu(this);
            spelling_->AddOrfoMenu(menu, *pane, clicked);
            if (pane == Editor) {
                menu.addAction(actTranslate);
                menu.addAction(WordEdits->actNewArticle);
                menu.addSeparator();
            } else {
                AddVariantMenu(menu, clicked);
            }
            menu.addActions({actUndo, actRedo});
            menu.addSeparator();
            menu.addActions({actCut, actCopy, actPaste, actSelectAll});
            menu.exec(pane->viewport()->mapToGlobal(at));
        });
    }
}

// "Переводы для ...": the other translations of the clicked word, each
// put in its place when chosen.
void TfrmKunimor::AddVariantMenu(QMenu& menu, int position) {
    std::optional<TPaneWord> word = PaneWordAt(*Editor2, position);
    if (!word || !DictionaryLoaded || !BuildVariantsAt(Module, word->line, word->column)) return;
    QMenu* variants = menu.addMenu(Msg(TMsg::TranslationsFor).arg(FromCp1251(word->text)));
    const TCasePattern pattern = GetCasePattern(word->text);
    for (const TVariantGroup& group : VariantGroups) {
        QMenu* groupMenu = variants->addMenu(FromCp1251(group.Text));
        for (const TVariantItem& item : group.Items) {
            groupMenu->addAction(FromCp1251(ApplyCasePattern(item.Text, pattern, true)), this,
                                 [word = *word, text = item.Text]() mutable { ReplacePaneWord(word, text); });
        }
        groupMenu->addSeparator();
        groupMenu->addAction(QStringLiteral("Новый перевод..."), this,
                             [this, no = group.ReadingNo] { WordEdits->NewTranslation(no); })
            ->setToolTip(QStringLiteral("Добавление нового перевода выбранного слова в словарь"));
    }
    menu.addSeparator();
}

void TfrmKunimor::CreateLayout() {
    auto makePane = [this] {
        auto* pane = new QTextEdit(this);
        pane->setAcceptRichText(false);  // pasted text comes in plain
        pane->setLineWrapMode(QTextEdit::NoWrap);
        pane->installEventFilter(this);
        return pane;
    };
    Editor = makePane();
    Editor2 = makePane();
    Files = new TFileCommands(*this, prompter_);
    TextCommands = new TTextCommands(*this);
    Editor->setPlaceholderText(QStringLiteral("Введите или вставьте текст для перевода"));
    connect(Editor, &QTextEdit::textChanged, this, [this] { PaneChanged(TPane::Source); });
    connect(Editor2, &QTextEdit::textChanged, this, [this] { PaneChanged(TPane::Result); });
    // Loading a text clears the flag behind the change handler's back.
    connect(Editor->document(), &QTextDocument::modificationChanged, this,
            [this](bool modified) { StatusPanels[1]->setText(Modified(modified)); });
    connect(Editor2->document(), &QTextDocument::modificationChanged, this,
            [this](bool modified) { StatusPanels[2]->setText(Modified(modified)); });
    connect(Editor, &QTextEdit::cursorPositionChanged, this, &TfrmKunimor::SelectionChanged);
    connect(Editor2, &QTextEdit::cursorPositionChanged, this, &TfrmKunimor::SelectionChanged);

    for (const auto& [keys, direction] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_T), 1},
                                           std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), -1}}) {
        auto* shortcut = new QShortcut(keys, Editor2, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, direction = direction] {
            if (DictionaryLoaded && !Busy) CycleVariant(Module, *Editor2, direction);
        });
    }

    toolBar_ = new QToolBar(this);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->addActions({actNew, Files->actOpen, Files->actSaveRes});
    toolBar_->addSeparator();
    toolBar_->addAction(actTranslate);
    toolBar_->addAction(actShowUnknown);
    toolBar_->addAction(WordEdits->actNewArticle);
    toolBar_->addAction(spelling_->actOrfoAnalyze);
    toolBar_->addSeparator();
    toolBar_->addAction(actBel2Rus);
    toolBar_->addAction(actRus2Bel);
    toolBar_->addSeparator();
    pbTracking_ = new QProgressBar(toolBar_);
    pbTracking_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    pbTracking_->setTextVisible(false);
    pbTrackingAction_ = toolBar_->addWidget(pbTracking_);
    pbTrackingAction_->setVisible(false);

    auto bareBox = [this](QVBoxLayout*& layout) {
        auto* box = new QWidget(this);
        layout = new QVBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        return box;
    };
    QVBoxLayout* holderLayout = nullptr;  // the panels fill theirs
    QWidget* lowerBox = bareBox(lowerLayout_);
    lowerLayout_->addWidget(toolBar_);
    lowerLayout_->addWidget(Editor2, 1);
    paneSplitter_ = new QSplitter(Qt::Vertical, this);
    paneSplitter_->addWidget(Editor);
    paneSplitter_->addWidget(lowerBox);
    paneSplitter_->setChildrenCollapsible(false);

    QWidget* textArea = bareBox(textAreaLayout_);
    textAreaLayout_->addWidget(paneSplitter_, 1);

    pnlMessages_ = bareBox(holderLayout);
    pnlMessages_->hide();
    splitter2_ = new QSplitter(Qt::Vertical, this);
    splitter2_->addWidget(textArea);
    splitter2_->addWidget(pnlMessages_);
    splitter2_->setStretchFactor(0, 4);

    pnlUnknown_ = bareBox(holderLayout);
    pnlUnknown_->hide();
    splitter1_ = new QSplitter(Qt::Horizontal, this);
    splitter1_->addWidget(splitter2_);
    splitter1_->addWidget(pnlUnknown_);
    splitter1_->setStretchFactor(0, 4);
    setCentralWidget(splitter1_);

    const int widths[] = {135, 60, 60, 120, 400};
    for (int i = 0; i < 5; ++i) {
        StatusPanels[i] = new QLabel(this);
        StatusPanels[i]->setMinimumWidth(widths[i]);
        statusBar()->addWidget(StatusPanels[i], i == 4 ? 1 : 0);
    }
    StatusPanels[3]->setText(QStringLiteral("ANSI (Windows 1251)"));
    for (QLabel* panel : StatusPanels) MarkRuntimeText(*panel);

    AutoSaveTimer = new QTimer(this);
    connect(AutoSaveTimer, &QTimer::timeout, this, &TfrmKunimor::AutoSave);

    trayIcon_ = new QSystemTrayIcon(windowIcon(), this);
    auto* trayMenu = new QMenu(this);
    trayMenu->addAction(actApplicationRestore);
    trayMenu->addAction(actQuit);
    trayIcon_->setContextMenu(trayMenu);
    connect(trayIcon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger) RestoreFromTray();
    });
    resize(900, 640);
}

bool TfrmKunimor::Start() {
    if (started_) return true;
    started_ = true;
    try {
        LoadSettingsFile(Settings, options_.SettingsFolder / kSettingsFile, false);
    } catch (const std::exception& e) {
        AddMessage(e.what());
    }
    Languages->Start();
    ApplyEngineSettings();
    SetTextLayout(Settings.TextPosition);
    actWordWarp->setChecked(Settings.WordWrap);
    if (SecondInstance &&
        prompter_.Ask(this, QStringLiteral("Warning"), Msg(TMsg::SecondInstance), TButtons::OkCancel, TIcon::Warning,
                      TAnswer::Ok) != TAnswer::Ok)
        return false;

    ActiveEditor = Editor;
    ApplyViewSettings();
    RestorePlacement();
    SetModified(false, TPane::Source);
    SetModified(false, TPane::Result);
    UpdateCaretStatus();

    setEnabled(false);
    Module.OnMessage = [this](const std::string& text) { AddMessage(text); };
    Module.LoadProgress = [this](int done, int total) {
        pbTrackingAction_->setVisible(true);
        pbTracking_->setRange(0, total);
        pbTracking_->setValue(done);
        statusBar()->showMessage(Msg(TMsg::LoadingDictionary));
        QApplication::processEvents();
    };
    try {
        DictionaryLoaded = Module.OpenDictionary(options_.DataFolder.string());
    } catch (const std::exception&) {
        DictionaryLoaded = false;  // the message list holds the reason
    }
    pbTrackingAction_->setVisible(false);
    statusBar()->clearMessage();
    setEnabled(true);
    if (!DictionaryLoaded)
        StatusPanels[4]->setText(Msg(TMsg::NoDictionary));
    for (QAction* a : {actTranslate, actTranslateAll, actSearchUnknown, actStat}) a->setEnabled(DictionaryLoaded);
    Dictionaries->SetEnabled(DictionaryLoaded);

    // The lists stay: what loading reported is what the user needs to see.
    ClearPanes();
    Files->Start();
    WordEdits->Start(options_.SettingsFolder);
    if (!options_.OpenFile.empty() && std::filesystem::is_regular_file(options_.OpenFile))
        Files->LoadTextFile(QString::fromStdString(options_.OpenFile.string()), 0);
    SetModified(false, TPane::Source);
    SetModified(false, TPane::Result);
    ShowMessagesPanel(true);
    if (SourceLang == 1) actBel2Rus->trigger();
    else actRus2Bel->trigger();
    return true;
}

void TfrmKunimor::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (trayIcon_->isVisible()) return;  // back from the tray
    if (!started_ && !Start()) QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TfrmKunimor::NewDocument() {
    Files->NewDocument();
    ClearPanes();
    ClearLists();
}

void TfrmKunimor::ClearPanes() {
    BeginTextUpdate();
    Editor->clear();
    Editor2->clear();
    EndTextUpdate(false, false);
    SetModified(false, TPane::Source);
    SetModified(false, TPane::Result);
}

void TfrmKunimor::ClearLists() {
    UnknownWords.Clear();
    ProgramMessages.Clear();
    ShowUnknownPanel(false);
    ShowMessagesPanel(false);
}

void TfrmKunimor::AddMessage(const std::string& text) {
    ProgramMessages.Add(text);
    if (frmMessages_) frmMessages_->Refresh();
}

bool TfrmKunimor::ConfirmDiscard() {
    if (!Settings.QuitConfirm) return true;
    const struct {
        TPane pane;
        QTextEdit* editor;
        QString question;
    } panes[] = {{TPane::Source, Editor, Msg(TMsg::SourceModified)}, {TPane::Result, Editor2, Msg(TMsg::ResultModified)}};
    for (const auto& p : panes) {
        if (!p.editor->document()->isModified()) continue;
        switch (prompter_.Ask(this, QStringLiteral("Warning"), p.question, TButtons::YesNoCancel, TIcon::Question,
                              TAnswer::Yes)) {
            case TAnswer::Yes:
                // Saving texts comes with the document commands; until a
                // save succeeds the text stays, so the answer is no.
                if (SaveText) SaveText(p.pane);
                if (p.editor->document()->isModified()) return false;
                break;
            case TAnswer::No: SetModified(false, p.pane); break;
            default: return false;
        }
    }
    return true;
}

void TfrmKunimor::SetModified(bool modified, TPane pane) {
    QTextEdit* editor = pane == TPane::Source ? Editor : Editor2;
    editor->document()->setModified(modified);
    StatusPanels[pane == TPane::Source ? 1 : 2]->setText(Modified(modified));
}

void TfrmKunimor::PaneChanged(TPane pane) {
    if (updateLevel_ == 0) SetModified(true, pane);
}

void TfrmKunimor::BeginTextUpdate() {
    if (updateLevel_++ > 0) return;
    QTextEdit* panes[] = {Editor, Editor2};
    for (int i = 0; i < 2; ++i) {
        const QTextCursor cursor = panes[i]->textCursor();
        saved_[i] = {panes[i]->document()->isModified(), cursor.anchor(), cursor.position(),
                     panes[i]->verticalScrollBar()->value()};
        panes[i]->setUpdatesEnabled(false);
    }
}

void TfrmKunimor::EndTextUpdate(bool keepSourceModified, bool keepResultModified) {
    if (updateLevel_ == 0) throw Error("Attempt to close not opened update!");
    if (--updateLevel_ > 0) return;
    QTextEdit* panes[] = {Editor, Editor2};
    const bool keep[] = {keepSourceModified, keepResultModified};
    for (int i = 0; i < 2; ++i) {
        QTextEdit* pane = panes[i];
        SetModified(keep[i] ? saved_[i].modified : pane->document()->isModified(), i == 0 ? TPane::Source : TPane::Result);
        const int length = pane->document()->characterCount() - 1;
        QTextCursor cursor = pane->textCursor();
        cursor.setPosition(std::min(saved_[i].selectionStart, length));
        cursor.setPosition(std::min(saved_[i].selectionEnd, length), QTextCursor::KeepAnchor);
        pane->setTextCursor(cursor);
        pane->verticalScrollBar()->setValue(saved_[i].scroll);
        pane->setUpdatesEnabled(true);
    }
    UpdateCaretStatus();
}

void TfrmKunimor::ApplyEngineSettings() const {
    kunimor::ReturnCounts = Settings.ReturnCounts;
    kunimor::AdvTrans = Settings.AdvTrans;
    kunimor::UseAltForms = Settings.UseAltForms;
}

void TfrmKunimor::ApplyViewSettings() {
    BeginTextUpdate();
    const QFont font(QString::fromStdString(Settings.FontName), Settings.FontSize);
    const QTextCharFormat normal = ViewFormat(Settings.TextViews[0]);
    for (QTextEdit* pane : {Editor, Editor2}) {
        QPalette palette = pane->palette();
        palette.setColor(QPalette::Base, QColor(QRgb(Settings.BackColor)));
        palette.setColor(QPalette::Text, QColor(QRgb(Settings.TextViews[0].Color)));
        pane->setPalette(palette);
        pane->setFont(font);
        pane->document()->setDefaultFont(font);
        QTextCursor all(pane->document());
        all.select(QTextCursor::Document);
        all.setCharFormat(normal);
        pane->setCurrentCharFormat(normal);
    }
    EndTextUpdate(true, true);
    ApplyWordWrap();
    AutoSaveTimer->setInterval(Settings.AutoSaveInterval * 60000);
    if (Settings.AutoSaveBase) AutoSaveTimer->start();
    else AutoSaveTimer->stop();
}

void TfrmKunimor::AutoSave() {
    if (!AutoSaveMayRun(Busy) || SecondInstance || !DictionaryLoaded || !SaveDictionary) return;
    Busy = true;
    AutoSaveTimer->stop();
    try {
        SaveDictionary();
    } catch (const std::exception& e) {
        AddMessage(e.what());
    }
    Busy = false;
    if (Settings.AutoSaveBase) AutoSaveTimer->start();
}

void TfrmKunimor::ApplyWordWrap() {
    Settings.WordWrap = actWordWarp->isChecked();
    for (QTextEdit* pane : {Editor, Editor2}) {
        pane->setLineWrapMode(Settings.WordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
        pane->setHorizontalScrollBarPolicy(Settings.WordWrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    }
}

void TfrmKunimor::SelectDirection(int sourceLang) {
    Module.SetDirection(sourceLang);
    SetAlphabet(sourceLang);
    Editor->setFocus();
    ActiveEditor = Editor;
}

void TfrmKunimor::DetectDirection() {
    const QStringList lines = Editor->toPlainText().split('\n');
    for (const QString& line : lines) {
        const QString lower = line.toLower();
        if (lower.contains(QChar(u'и')) || lower.contains(QChar(u'щ'))) {
            actRus2Bel->trigger();
            return;
        }
        if (lower.contains(QChar(u'і')) || lower.contains(QChar(u'ў'))) {
            actBel2Rus->trigger();
            return;
        }
    }
}

void TfrmKunimor::ShowUnknownPanel(bool show) {
    ShowSidePanel({frmUnknown_, pnlUnknown_, splitter1_, 200, actShowUnknown}, UnknownWords.Empty(), show, [this] {
        auto* panel = new TfrmUnknown(UnknownWords, *Editor, prompter_, pnlUnknown_);
        panel->OpenWord = [this](const std::string& word) { WordEdits->OpenOrAddWord(word); };
        return panel;
    });
}

void TfrmKunimor::ShowMessagesPanel(bool show) {
    ShowSidePanel({frmMessages_, pnlMessages_, splitter2_, 110, actShowMessages}, ProgramMessages.Empty(), show,
                  [this] { return new TfrmMessages(ProgramMessages, pnlMessages_); });
}

// A panel's window comes with its first showing and goes when its list
// empties; closing it only hides it.
void TfrmKunimor::ShowSidePanel(const TSidePanel& panel, bool listEmpty, bool show,
                                const std::function<TPanelFrame*()>& create) {
    show = show && !listEmpty;
    if (listEmpty && panel.frame) {
        delete panel.frame;
        panel.frame = nullptr;
    }
    if (show) {
        if (!panel.frame) {
            panel.frame = create();
            panel.holder->layout()->addWidget(panel.frame);
            QAction* toggle = panel.toggle;
            connect(panel.frame, &TPanelFrame::closedByUser, this, [toggle] {
                if (toggle->isChecked()) toggle->trigger();
            });
        } else {
            panel.frame->Refresh();
        }
        panel.frame->show();
        const int whole = panel.splitter->orientation() == Qt::Horizontal ? panel.splitter->width() : panel.splitter->height();
        if (!panel.holder->isVisible()) panel.splitter->setSizes({whole - panel.extent, panel.extent});
    }
    panel.holder->setVisible(show);
    panel.toggle->setChecked(show);
}

void TfrmKunimor::SetTextLayout(bool vertical) {
    if (vertical == verticalLayout_) return;
    verticalLayout_ = vertical;
    paneSplitter_->setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
    if (vertical) lowerLayout_->insertWidget(0, toolBar_);
    else textAreaLayout_->insertWidget(0, toolBar_);
    const int half = (vertical ? paneSplitter_->height() : paneSplitter_->width()) / 2;
    paneSplitter_->setSizes({half, half});
}

void TfrmKunimor::UpdateCaretStatus() {
    const QTextCursor cursor = ActiveEditor->textCursor();
    StatusPanels[0]->setText(
        Msg(TMsg::CaretPosition).arg(cursor.blockNumber() + 1, 3).arg(cursor.positionInBlock() + 1, 3));
}

void TfrmKunimor::SelectionChanged() {
    if (updateLevel_ > 0) return;
    UpdateCaretStatus();
    QTextEdit* other = ActiveEditor == Editor ? Editor2 : Editor;
    const QTextCursor top = ActiveEditor->cursorForPosition(QPoint(0, 0));
    const int line = top.blockNumber();
    const QTextBlock block = other->document()->findBlockByNumber(line);
    if (block.isValid()) other->verticalScrollBar()->setValue(static_cast<int>(other->document()->documentLayout()->blockBoundingRect(block).top()));
}

bool TfrmKunimor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && !Settings.ShowHints) return true;
    if (event->type() == QEvent::FocusIn && (watched == Editor || watched == Editor2)) {
        ActiveEditor = static_cast<QTextEdit*>(watched);
        UpdateCaretStatus();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmKunimor::Translate(bool wholeText) {
    if (translating_) {
        if (prompter_.Ask(this, QStringLiteral("Confirm"), Msg(TMsg::AbortTranslation),
                          TButtons::YesNo, TIcon::Question, TAnswer::No) == TAnswer::Yes)
            AbortFlag = true;
        return;
    }
    if (Busy || !DictionaryLoaded) return;
    if (Settings.TransConfirm) {
        const QString rus = Msg(TMsg::LanguageRussian), bel = Msg(TMsg::LanguageBelarusian);
        const QString question = Msg(TMsg::ConfirmTranslation)
                                     .arg(SourceLang == 1 ? bel : rus, SourceLang == 1 ? rus : bel);
        if (prompter_.Ask(this, QStringLiteral("Confirm"), question, TButtons::YesNoCancel, TIcon::Question,
                          TAnswer::Yes) != TAnswer::Yes)
            return;
    }
    Run(wholeText, true);
}

void TfrmKunimor::SearchUnknown() {
    if (Busy || !DictionaryLoaded) return;
    Run(true, false);
}

void TfrmKunimor::TranslateForRequest() {
    if (Busy || !DictionaryLoaded) return;
    Run(true, true, false);
}

void TfrmKunimor::SetLongCommand(bool running) {
    for (QAction* a : findChildren<QAction*>())
        if (a != actTranslate && a != actTranslateAll && !a->isSeparator() && a->parent() == this) a->setEnabled(!running);
    Editor->setReadOnly(running);
    Editor2->setReadOnly(running);
    pbTrackingAction_->setVisible(running);
    if (running) statusBar()->showMessage(Msg(TMsg::Translating));
    else statusBar()->clearMessage();
}

void TfrmKunimor::Run(bool wholeText, bool marked, bool markSource) {
    Busy = true;
    translating_ = true;
    SetLongCommand(true);
    StatusPanels[4]->clear();
    ClearLists();

    const QString paneText = Editor->toPlainText();
    const TEngineText whole = ToEngine(paneText);
    int rangeStart = 0;
    int rangeEnd = static_cast<int>(whole.text.size());
    const QTextCursor selection = Editor->textCursor();
    if (!wholeText && selection.hasSelection()) {
        rangeStart = WordAt(whole.text, selection.selectionStart()).start;
        const TWordSpan last = WordAt(whole.text, selection.selectionEnd() - 1);
        rangeEnd = std::max(selection.selectionEnd(), last.start + last.length);
    }
    const TEngineText range = ToEngine(paneText.mid(rangeStart, rangeEnd - rangeStart));

    std::vector<TMark> marks;
    std::size_t nextSetAside = 0;
    QTextCursor output(Editor2->document());
    TTranslateCallbacks callbacks;
    callbacks.UnknownProc = [this](const std::string& word) { UnknownWords.Add(word); };
    callbacks.PositionProc = [](int32_t line, int32_t column, const std::string& word) { AddPosition(line, column, word); };
    if (marked) {
        callbacks.OutputProc = [&](int style) {
            if (OutText.empty()) return;
            QTextCharFormat format = ViewFormat(Settings.TextViews[static_cast<std::size_t>(style)]);
            output.movePosition(QTextCursor::End);
            output.insertText(FromEngine(OutText, range.setAside, nextSetAside), format);
            OutLine = output.blockNumber();
            OutColumn = output.positionInBlock();
        };
        if (markSource)
            callbacks.MarkProc = [&](int style, int from, int to) {
                if (from < to) marks.push_back({style, from, to});
            };
    }
    callbacks.ProgressProc = [this](int position, int total) {
        pbTracking_->setRange(0, std::max(total, 1));
        pbTracking_->setValue(position);
        QApplication::processEvents();
    };

    QString failure;
    BeginTextUpdate();
    if (marked) {
        Editor2->document()->setUndoRedoEnabled(false);
        Editor2->clear();
    }
    OutLine = 0;
    OutColumn = 0;
    ClearPositions();
    try {
        TranslateText(Module, range.text, callbacks);
    } catch (const std::exception& e) {
        failure = FromCp1251(e.what());
    }
    if (marked) Editor2->document()->setUndoRedoEnabled(true);
    if (marked && markSource) {
        // The source shows what became of each word: the text outside the
        // run is other text, the run's stretches in their styles.
        QTextCursor cursor(Editor->document());
        cursor.beginEditBlock();
        cursor.select(QTextCursor::Document);
        cursor.setCharFormat(ViewFormat(Settings.TextViews[4]));
        for (const TMark& mark : marks) {
            cursor.setPosition(rangeStart + mark.from);
            cursor.setPosition(rangeStart + mark.to, QTextCursor::KeepAnchor);
            cursor.setCharFormat(ViewFormat(Settings.TextViews[static_cast<std::size_t>(mark.style)]));
        }
        cursor.endEditBlock();
    }
    EndTextUpdate(true, false);

    translating_ = false;
    Busy = false;
    SetLongCommand(false);
    ShowUnknownPanel(true);
    ShowMessagesPanel(true);
    StatusPanels[4]->setText(FromCp1251(StatsText(Counters)));
    if (!failure.isEmpty())
        prompter_.Ask(this, QStringLiteral("Error"), failure, TButtons::Ok, TIcon::Error, TAnswer::Ok);
    if (!isActiveWindow()) QApplication::alert(this);
}

void TfrmKunimor::ShowStatistics() {
    TfrmStat dialog(Module, this);
    dialog.exec();
}

// Searches for the selection or, without one, the word at the caret.
void TfrmKunimor::OpenFind(bool replace) {
    const QTextCursor cursor = ActiveEditor->textCursor();
    QString text = cursor.selectedText();
    if (text.isEmpty()) {
        if (const std::optional<TPaneWord> word = PaneWordAt(*ActiveEditor, cursor.position()))
            text = FromCp1251(word->text);
    }
    findDialog_->Open(ActiveEditor, text, replace);
}

void TfrmKunimor::ShowOptions() {
    TfrmOptions dialog(Settings, [this](const TSettings& edited) {
        Settings = edited;
        ApplyEngineSettings();
        ApplyViewSettings();
    }, this);
    dialog.exec();
}

void TfrmKunimor::MinimizeToTray() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    trayIcon_->setToolTip(windowTitle());
    trayIcon_->show();
    hide();
}

void TfrmKunimor::RestoreFromTray() {
    showNormal();
    raise();
    activateWindow();
    trayIcon_->hide();
}

void TfrmKunimor::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && Settings.MinimizeToTray)
        QMetaObject::invokeMethod(this, &TfrmKunimor::MinimizeToTray, Qt::QueuedConnection);
}

void TfrmKunimor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && Settings.MinimizeToTray) {
        showMinimized();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TfrmKunimor::ShowAbout() {
    TfrmAbout dialog(this);
    dialog.exec();
}

bool TfrmKunimor::CloseAllowed() {
    if (Busy) return false;
    // Even a copy that never saves the dictionary asks about the texts:
    // closing must not lose them silently. Not under Busy: "Yes" saves.
    if (!ConfirmDiscard()) return false;
    Busy = true;
    const bool saved = DictionarySavedForClosing();
    Busy = false;
    return saved;
}

void TfrmKunimor::closeEvent(QCloseEvent* event) {
    if (!CloseAllowed()) {
        event->ignore();
        return;
    }
    StorePlacement();
    if (DictionaryLoaded && !SecondInstance) {
        try {
            SaveSettingsFile(Settings, options_.SettingsFolder / kSettingsFile);
            WordEdits->Finish(options_.SettingsFolder);
        } catch (const std::exception& e) {
            AddMessage(e.what());
        }
    }
    event->accept();
}

void TfrmKunimor::StorePlacement() {
    Settings.MainWindowState = isMaximized() ? 2 : isMinimized() ? 1 : 0;
    Settings.TextPosition = verticalLayout_;
    const QRect r = normalGeometry();
    Settings.FormPlacements[kMainWindowPlacement] = {r.left(), r.top(), r.width(), r.height()};
    Settings.MainBounds = Settings.FormPlacements[kMainWindowPlacement];
}

void TfrmKunimor::RestorePlacement() {
    const TFormPlacement& p = Settings.FormPlacements[kMainWindowPlacement];
    QRect r = geometry();
    if (p.Left >= 0 && p.Top >= 0) r.moveTo(p.Left, p.Top);
    if (p.Width > 0 && p.Height > 0) r.setSize(QSize(p.Width, p.Height));
    // Keep the window whole on a screen, whatever monitors it was last on.
    const QScreen* screen = QGuiApplication::screenAt(r.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        r.setSize(r.size().boundedTo(area.size()));
        r.moveLeft(std::clamp(r.left(), area.left(), area.right() - r.width() + 1));
        r.moveTop(std::clamp(r.top(), area.top(), area.bottom() - r.height() + 1));
    }
    setGeometry(r);
    if (Settings.MainWindowState == 2) setWindowState(Qt::WindowMaximized);
}

}  // namespace kunimor::app

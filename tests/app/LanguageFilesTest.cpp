// The shipped interface languages against the program's windows: every
// caption, hint and message has a translation in every language file, and
// every entry of a file lands on a control.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>

#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "MainWindowFixture.h"
#include "app/AboutDialog.h"
#include "app/LanguageCommands.h"
#include "app/LanguageFile.h"
#include "app/Localizer.h"
#include "app/MessagesPanel.h"
#include "app/OptionsDialog.h"
#include "app/ProgramTexts.h"
#include "app/StatDialog.h"
#include "app/UnknownPanel.h"

using namespace kunimor::app;

namespace {

// A text a language file has to name: the form class's section, the path.
struct TCaption {
    std::string form;
    std::string path;
    QString text;
};

bool HasCyrillic(const QString& text) {
    return std::ranges::any_of(text, [](QChar c) { return c.unicode() >= 0x400 && c.unicode() < 0x530; });
}

std::string ShortClassName(const QObject& object) {
    const std::string name = object.metaObject()->className();
    return name.substr(name.rfind(':') + 1);
}

// A text as Qt derives an action's tool tip and icon text from it.
QString Plain(QString text) {
    text.remove(u'&');
    if (text.endsWith(QStringLiteral("..."))) text.chop(3);
    return text.trimmed();
}

// The texts of one form and of the forms inside it, each under its own class;
// problems collects texts no language file could reach.
class TCaptionCollector {
public:
    std::vector<TCaption> captions;
    std::vector<std::string> problems;

    void Collect(QWidget& form) {
        form_ = ShortClassName(form);
        if (form.isWindow() && !HasRuntimeText(form)) AddOwn(form.windowTitle(), "Caption");
        AddOwn(form.toolTip(), "Hint");
        std::vector<QWidget*> nested;
        Walk(form, nested);
        for (QWidget* inner : nested) Collect(*inner);
    }

private:
    void Walk(QObject& parent, std::vector<QWidget*>& nested) {
        for (QObject* child : parent.children()) {
            if (IsForm(*child)) {
                nested.push_back(static_cast<QWidget*>(child));
                continue;
            }
            if (!HasRuntimeText(*child)) Texts(*child);
            Walk(*child, nested);
        }
    }

    void Texts(QObject& object) {
        const std::string name = object.objectName().toStdString();
        if (auto* action = qobject_cast<QAction*>(&object)) {
            if (action->menu()) return;  // a menu's own entry: the menu's title
            const QString text = Plain(action->text());
            Add(object, name, action->text(), "Caption");
            if (Plain(action->toolTip()) != text) Add(object, name, action->toolTip(), "Hint");
            if (Plain(action->iconText()) != text) Add(object, name, action->iconText(), "IconText");
            Add(object, name, action->statusTip(), "StatusTip");
            return;
        }
        if (!object.isWidgetType()) return;
        auto& widget = static_cast<QWidget&>(object);
        auto* tool = qobject_cast<QToolButton*>(&widget);
        if (tool && tool->defaultAction()) return;  // a toolbar's button shows its action
        Add(object, name, widget.toolTip(), "Hint");
        if (auto* menu = qobject_cast<QMenu*>(&object)) Add(object, name, menu->title(), "Caption");
        if (auto* button = qobject_cast<QAbstractButton*>(&object)) Add(object, name, button->text(), "Caption");
        if (auto* label = qobject_cast<QLabel*>(&object)) Add(object, name, label->text(), "Caption");
        if (auto* box = qobject_cast<QGroupBox*>(&object)) Add(object, name, box->title(), "Caption");
        if (auto* edit = qobject_cast<QTextEdit*>(&object)) Add(object, name, edit->placeholderText(), "PlaceholderText");
        if (auto* line = qobject_cast<QLineEdit*>(&object)) Add(object, name, line->placeholderText(), "PlaceholderText");
        if (auto* table = qobject_cast<QTableWidget*>(&object)) {
            QStringList headers;
            for (int i = 0; i < table->columnCount(); ++i)
                if (const QTableWidgetItem* item = table->horizontalHeaderItem(i)) headers << item->text();
            Add(object, name, headers.join(u'\r'), "Items");
        }
        if (auto* combo = qobject_cast<QComboBox*>(&object); combo && !qobject_cast<QFontComboBox*>(combo)) {
            QStringList items;
            for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
            Add(object, name, items.join(u'\r'), "Items");
        }
        if (auto* stack = qobject_cast<QStackedWidget*>(widget.parent()))
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parent()))
                Add(object, name, tabs->tabText(tabs->indexOf(&widget)), "Caption");
    }

    void Add(const QObject&, const std::string& name, const QString& text, const char* property) {
        if (!HasCyrillic(text)) return;
        if (name.empty()) {
            problems.push_back(form_ + ": \"" + text.toStdString() + "\" belongs to a control without a name");
            return;
        }
        captions.push_back({form_, name + "." + property, text});
    }

    // The form's own texts: the path is the property alone.
    void AddOwn(const QString& text, const char* property) {
        if (HasCyrillic(text)) captions.push_back({form_, property, text});
    }

    std::string form_;
};

std::string Humanized(const QString& text) { return QString(text).replace(u'\r', u'\\').replace(u'\n', u'\\').toStdString(); }

TLanguageFile ReadShipped(const std::string& language) {
    std::ifstream in(std::filesystem::path(KUNIMOR_LNG_DIR) / (language + ".lng"), std::ios::binary);
    return ReadLanguageFile(std::string(std::istreambuf_iterator<char>(in), {}));
}

class LanguageFilesTest : public MainWindowTest {
protected:
    // The program's forms with their built-in texts.
    struct TForms {
        std::unique_ptr<TfrmKunimor> window;
        TUnknownWords words;
        TProgramMessages messages;
        std::vector<std::unique_ptr<QWidget>> dialogs;
        std::vector<QWidget*> All() const {
            std::vector<QWidget*> all{window.get()};
            for (const auto& dialog : dialogs) all.push_back(dialog.get());
            return all;
        }
    };

    TForms MakeForms() {
        TForms forms;
        forms.window = MakeWindow();
        TfrmKunimor& window = *forms.window;
        forms.dialogs.push_back(std::make_unique<TfrmOptions>(Settings, [](const TSettings&) {}, nullptr));
        forms.dialogs.push_back(std::make_unique<TfrmStat>(window.Module, nullptr));
        forms.dialogs.push_back(std::make_unique<TfrmAbout>(nullptr));
        forms.dialogs.push_back(std::make_unique<TfrmUnknown>(forms.words, *window.Editor, prompter, nullptr));
        forms.dialogs.push_back(std::make_unique<TfrmMessages>(forms.messages, nullptr));
        return forms;
    }
};

}  // namespace

TEST_F(LanguageFilesTest, EveryCaptionAndMessageHasATranslationInEveryLanguage) {
    TForms forms = MakeForms();
    TCaptionCollector collector;
    for (QWidget* form : forms.All()) collector.Collect(*form);
    EXPECT_EQ(collector.problems, std::vector<std::string>{});
    ASSERT_GT(collector.captions.size(), 100u);

    // The classes a form's section may sit in: its own and its bases.
    std::map<std::string, std::vector<std::string>> classes;
    for (QWidget* form : forms.All()) {
        for (QWidget* w : form->findChildren<QWidget*>(Qt::FindChildrenRecursively))
            if (IsForm(*w))
                for (const QMetaObject* m = w->metaObject(); m; m = m->superClass())
                    classes[ShortClassName(*w)].push_back(QString::fromLatin1(m->className()).section(u':', -1).toStdString());
        for (const QMetaObject* m = form->metaObject(); m; m = m->superClass())
            classes[ShortClassName(*form)].push_back(QString::fromLatin1(m->className()).section(u':', -1).toStdString());
    }

    for (const TInterfaceLanguage& language : kInterfaceLanguages) {
        SCOPED_TRACE(std::string(language.name) + ".lng");
        const TLanguageFile file = ReadShipped(std::string(language.name));
        ASSERT_TRUE(file.complete);
        EXPECT_EQ(file.errors, std::vector<std::string>{});
        // Printed as the lines the file lacks, ready to translate.
        std::map<std::string, std::string> missing;
        for (const TCaption& caption : collector.captions) {
            const bool named = std::ranges::any_of(classes[caption.form], [&](const std::string& cls) {
                const TResForm* section = file.Form(cls);
                return section && std::ranges::find(section->paths, caption.path) != section->paths.end();
            });
            if (!named) missing[caption.form] += caption.path + "=" + Humanized(caption.text) + "\n";
        }
        ASSERT_TRUE(file.resourceStrings);
        for (const TProgramText& text : ProgramTexts())
            if (!FindResourceString(*file.resourceStrings, static_cast<int>(text.id)))
                missing["RESOURCESTRINGS"] += std::to_string(static_cast<int>(text.id)) + "_" + std::string(text.name) +
                                              "=" + Humanized(QString::fromUtf8(text.builtIn.data(), qsizetype(text.builtIn.size()))) + "\n";
        std::string report;
        for (const auto& [section, lines] : missing) report += "[" + section + "]\n" + lines;
        EXPECT_EQ(report, "");
    }
}

TEST_F(LanguageFilesTest, EveryEntryOfALanguageFileReachesAControl) {
    TForms forms = MakeForms();
    for (const TInterfaceLanguage& language : kInterfaceLanguages) {
        SCOPED_TRACE(std::string(language.name) + ".lng");
        TLocalizer localizer;
        localizer.LanguageDir = KUNIMOR_LNG_DIR;
        ASSERT_TRUE(localizer.LoadLanguage(std::string(language.name)));
        for (QWidget* form : forms.All()) {
            localizer.TranslateComponent(*form);
            for (QWidget* inner : form->findChildren<QWidget*>())
                if (IsForm(*inner)) localizer.TranslateComponent(*inner);
        }
        EXPECT_EQ(localizer.Errors(), std::vector<std::string>{});
    }
}

// The interface follows the language commands at once, panels and windows
// opened afterwards included, and the choice is remembered.
TEST_F(LanguageFilesTest, SwitchingToBelarusianAndBackChangesTheWholeInterface) {
    languageFolder = KUNIMOR_LNG_DIR;
    Settings.IniLangName = "by";
    auto window = Started();
    const auto action = [&](const char* name) { return window->findChild<QAction*>(QString::fromLatin1(name)); };
    EXPECT_EQ(window->actQuit->text(), QStringLiteral("Выйсці"));
    EXPECT_EQ(window->findChild<QMenu*>(QStringLiteral("miEdit"))->title(), QStringLiteral("Праўка"));
    EXPECT_EQ(Msg(TMsg::AbortTranslation), QStringLiteral("Вы сапраўды хочаце перапыніць пераклад?"));
    EXPECT_TRUE(action("actLangBel")->isChecked());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Кунімор — беларуска-рускі перакладчык"));

    window->Editor->textCursor().insertText(QStringLiteral("невядомае слова"));
    window->Translate(true);  // the unknown-words panel comes after the switch
    TfrmAbout about(window.get());
    about.show();
    EXPECT_EQ(about.findChild<QPushButton*>(QStringLiteral("btnOk"))->text(), QStringLiteral("Зразумела"));

    action("actLangRus")->trigger();
    EXPECT_EQ(Settings.IniLangName, "ru");
    EXPECT_EQ(window->actQuit->text(), QStringLiteral("Выйти"));
    EXPECT_EQ(about.findChild<QPushButton*>(QStringLiteral("btnOk"))->text(), QStringLiteral("Ясно"));
    EXPECT_EQ(window->StatusPanels[1]->text(), QStringLiteral("Изменен"));
    EXPECT_TRUE(action("actLangRus")->isChecked());
    if (window->UnknownPanel()) {
        EXPECT_EQ(window->UnknownPanel()->findChild<QLabel*>(QStringLiteral("lblCaption"))->text(),
                  QStringLiteral("Неизвестные слова"));
    }

    // The Latin script comes made from the Belarusian file, after a notice.
    action("actLangBelLatinka")->trigger();
    EXPECT_EQ(prompter.asked.back().caption, QStringLiteral("Information"));
    EXPECT_EQ(window->actQuit->text(), QStringLiteral("Vyjsci"));
    EXPECT_EQ(Settings.IniLangName, "la");

    // A language whose file is missing keeps the interface as it was.
    ASSERT_FALSE(window->Languages->Switch("xx"));
    EXPECT_EQ(window->actQuit->text(), QStringLiteral("Vyjsci"));
    EXPECT_TRUE(action("actLangBelLatinka")->isChecked());

    action("actLangRus")->trigger();
    window->Editor->document()->setModified(false);
    window->Editor2->document()->setModified(false);
}

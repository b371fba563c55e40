#include "app/Localizer.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMetaProperty>
#include <QEvent>
#include <QStackedWidget>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>

#include <fstream>
#include <iterator>

namespace kunimor::app {
namespace {

QString ClassName(const QMetaObject& meta) {
    const QString name = QString::fromLatin1(meta.className());
    return name.mid(name.lastIndexOf(u':') + 1);
}

bool HasProperty(const QObject& object, const char* name) { return object.metaObject()->indexOfProperty(name) >= 0; }

// The Qt property a written property name stands for on this object.
QByteArray PropertyName(const QObject& object, const QString& written) {
    if (written == QStringLiteral("Caption")) {
        for (const char* name : {"text", "title", "windowTitle"})
            if (HasProperty(object, name)) return name;
    }
    if (written == QStringLiteral("Hint")) return "toolTip";
    const QByteArray name = written.toUtf8();
    if (HasProperty(object, name.constData())) return name;
    QString lower = written;
    if (!lower.isEmpty()) lower[0] = lower[0].toLower();
    return lower.toUtf8();
}

// Lines replace the items one by one; items beyond them go.
bool SetItems(QObject& object, const QStringList& lines) {
    if (auto* combo = qobject_cast<QComboBox*>(&object)) {
        for (int i = 0; i < lines.size(); ++i) {
            if (i < combo->count()) combo->setItemText(i, lines[i]);
            else combo->addItem(lines[i]);
        }
        while (combo->count() > lines.size()) combo->removeItem(combo->count() - 1);
        return true;
    }
    if (auto* table = qobject_cast<QTableWidget*>(&object)) {
        table->setHorizontalHeaderLabels(lines);
        return true;
    }
    if (auto* list = qobject_cast<QListWidget*>(&object)) {
        for (int i = 0; i < lines.size(); ++i) {
            if (i < list->count()) list->item(i)->setText(lines[i]);
            else list->addItem(lines[i]);
        }
        while (list->count() > lines.size()) delete list->takeItem(list->count() - 1);
        return true;
    }
    return false;
}

// The tab widget whose page this widget is, or null.
QTabWidget* TabsOf(QObject& page) {
    auto* stack = qobject_cast<QStackedWidget*>(page.parent());
    return stack ? qobject_cast<QTabWidget*>(stack->parent()) : nullptr;
}

// Translates each form the first time it is shown: by then its
// constructor has put all its controls and texts in place.
class TAutoTranslator : public QObject {
public:
    explicit TAutoTranslator(TLocalizer& localizer) : QObject(qApp), localizer_(localizer) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish && IsForm(*watched)) localizer_.TranslateComponent(*watched);
        return false;
    }

private:
    TLocalizer& localizer_;
};

}  // namespace

TLocalizer& Localizer() {
    static TLocalizer localizer;
    return localizer;
}

bool IsForm(const QObject& object) {
    return object.isWidgetType() && QByteArray(object.metaObject()->className()).startsWith("kunimor::app::");
}

void MarkRuntimeText(QObject& object) { object.setProperty("runtimeText", true); }
bool HasRuntimeText(const QObject& object) { return object.property("runtimeText").toBool(); }

TLocalizer::~TLocalizer() { SetAutoTranslate(false); }

void TLocalizer::SetAutoTranslate(bool on) {
    AutoTranslate = on;
    if (on && !autoTranslator_ && qApp) {
        autoTranslator_ = new TAutoTranslator(*this);
        qApp->installEventFilter(autoTranslator_);
    } else if (!on && autoTranslator_) {
        delete autoTranslator_.data();  // leaves the application's filters with it
    }
}

bool TLocalizer::LoadLanguage(const std::string& name) {
    forms_.clear();
    errors_.clear();
    std::string fileName = name;
    const auto lower = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    if (!lower(fileName).ends_with(".lng")) fileName += ".lng";
    std::ifstream in(LanguageDir / fileName, std::ios::binary);
    if (!in) {
        errors_.push_back(fileName + ": cannot be read");
        return false;
    }
    const TLanguageFile file = ReadLanguageFile(std::string(std::istreambuf_iterator<char>(in), {}));
    errors_ = file.errors;
    forms_ = file.forms;
    // A message table is taken only whole: one cut short would mix languages.
    if (file.resourceStrings && file.resourceSectionComplete) resourceStrings_ = *file.resourceStrings;
    else if (file.resourceStrings) resourceStrings_.clear();
    if (!file.complete) return false;
    LanguageName = name;
    if (AutoTranslate) TranslateAllForms();
    if (AfterLanguageChange) AfterLanguageChange(name);
    return true;
}

void TLocalizer::TranslateAllForms() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        // A dialog owned by a window is top-level too; it is one of that
        // window's children as well, and is translated once.
        if (window->parentWidget()) continue;
        if (IsForm(*window)) TranslateComponent(*window);
        for (QWidget* child : window->findChildren<QWidget*>())
            if (IsForm(*child)) TranslateComponent(*child);
    }
}

void TLocalizer::TranslateComponent(QObject& root) {
    std::vector<const QMetaObject*> classes;
    for (const QMetaObject* meta = root.metaObject(); meta; meta = meta->superClass()) classes.insert(classes.begin(), meta);
    for (const QMetaObject* meta : classes) {
        const std::string name = ClassName(*meta).toStdString();
        const auto form = std::ranges::find_if(forms_, [&](const TResForm& f) { return f.className == name; });
        if (form == forms_.end()) continue;
        for (std::size_t i = 0; i < form->paths.size(); ++i)
            SetByPath(root, form->paths[i], QString::fromStdString(form->values[i]));
    }
}

void TLocalizer::SetByPath(QObject& root, const std::string& path, const QString& value) {
    const QStringList parts = QString::fromStdString(path).split(u'.');
    QObject* current = &root;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        QObject* next = parts[i] == current->objectName() && i == 0 ? current : current->findChild<QObject*>(parts[i]);
        if (!next) {
            const QVariant held = current->property(parts[i].toUtf8().constData());
            next = held.value<QObject*>();
        }
        if (!next) {
            errors_.push_back(path + ": unknown property");
            return;
        }
        current = next;
    }
    const QString last = parts.back();
    QString text = value;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (last == QStringLiteral("Items") && SetItems(*current, value.isEmpty() ? QStringList() : value.split(u'\r')))
        return;
    if (last == QStringLiteral("Caption")) {
        if (QTabWidget* tabs = TabsOf(*current)) {
            tabs->setTabText(tabs->indexOf(static_cast<QWidget*>(current)), text);
            return;
        }
    }
    const QByteArray property = PropertyName(*current, last);
    if (!HasProperty(*current, property.constData()) || !current->setProperty(property.constData(), text))
        errors_.push_back(path + ": unknown property of " + current->objectName().toStdString());
}

QString TLocalizer::ResourceString(int id, const QString& builtIn) const {
    const std::string* text = FindResourceString(resourceStrings_, id);
    return text ? QString::fromStdString(*text) : builtIn;
}

}  // namespace kunimor::app

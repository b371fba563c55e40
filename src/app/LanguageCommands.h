#pragma once

#include <QObject>

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QMenu;

namespace kunimor::app {

class TfrmKunimor;
class TPrompter;

struct TInterfaceLanguage {
    std::string_view name;     // the file is name + ".lng"
    std::string_view action;   // the command's name
    std::string_view caption;  // its built-in menu text
};

// The transliterated three get captions of their own: three entries of one
// text in one menu could not be told apart.
inline constexpr std::array<TInterfaceLanguage, 7> kInterfaceLanguages = {{
    {"by", "actLangBel", "Беларуский интерфейс"},
    {"ru", "actLangRus", "Русский интерфейс"},
    {"ua", "actLangUkr", "Украинский интерфейс"},
    {"la", "actLangBelLatinka", "Интерфейс на латинке"},
    {"bt", "actLangBelTranslit", "Интерфейс на транслите (беларуский)"},
    {"rt", "actLangRusTranslit", "Интерфейс на транслите (русский)"},
    {"ut", "actLangUkrTranslit", "Интерфейс на транслите (украинский)"},
}};

// The interface-language commands of "Сервис": each remembers its language
// as IniLangName and switches the whole interface to it at once; the check
// mark shows the language in force.
class TLanguageCommands : public QObject {
    Q_OBJECT
public:
    // An empty folder leaves the interface in its built-in texts.
    TLanguageCommands(TfrmKunimor& window, TPrompter& prompter, std::filesystem::path folder);
    ~TLanguageCommands() override;

    std::vector<QAction*> LanguageActions;  // in the order of kInterfaceLanguages

    void AddToMenu(QMenu& service);
    // Puts the window's language handler in place and loads IniLangName.
    void Start();
    // Remembers name as IniLangName and loads it; false when the file could
    // not be read to its end (the interface then keeps its texts).
    bool Switch(const std::string& name);

private:
    // What the window composes from messages follows the new language.
    void LanguageChanged(const std::string& name);

    TfrmKunimor& window_;
    TPrompter& prompter_;
    std::filesystem::path folder_;
    bool started_ = false;
};

}  // namespace kunimor::app

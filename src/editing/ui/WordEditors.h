#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "editing/TailRules.h"
#include "morphology/WordPrefixes.h"

class QWidget;

namespace kunimor {
class TBelEditModule;
}

namespace kunimor::app {

class TPrompter;

// What every word editor of the desktop program works with: the editing
// module, the prompter its questions go to, the learned ending rules and
// word prefixes, and the hook told of each form of a word that got a
// translation (the unknown-words list drops them).
struct TWordEditors {
    TWordEditors(TBelEditModule& module, TPrompter& prompter, QWidget* parent)
        : Module(module), Prompter(prompter), Parent(parent) {}

    TBelEditModule& Module;
    TPrompter& Prompter;
    QWidget* Parent;
    std::array<TTailRules, 2> Tails;  // by language
    TWordPrefixes Prefixes;
    std::function<void(const std::string& form)> OnNewWordForm;

    // Reads tailrus.ini and tailbel.ini of the settings folder.
    void LoadTails(const std::filesystem::path& settingsFolder);
    // Writes the changed ones back when the learning is on; errors are
    // ignored, as the rules are only a convenience.
    void SaveTails(const std::filesystem::path& settingsFolder) const;
};

// The flags of AddNewEntry.
enum : int { kAllowCollocations = 1, kAllowWhichClauses = 2, kAllowAbbreviation = 4, kOpenArticle = 8 };

// Asks the part of speech, the forms and (with kOpenArticle) the word's
// translations of a new entry of SourceLang; kind 0 asks. Returns the new
// entry's number, -1 when cancelled.
int32_t AddNewEntry(TWordEditors& editors, std::string text, int flags, int kind, int16_t tag);

// The declension view: the new word's forms one question at a time; stores
// the word and gives its number in wordNo. False when cancelled.
bool EditWordForms(TWordEditors& editors, int lang, int kind, const std::string& word, int16_t tag, int32_t& wordNo);

// The word article editor on source entry no; true when, closing, the
// entry has a translation.
bool EditWordArticle(TWordEditors& editors, int32_t no);

// The new-translation flow of a source entry: the translation text, an
// existing word or a new one, the link. The new target number, -1 when
// cancelled.
int32_t AddTranslation(TWordEditors& editors, int32_t sourceNo, const std::string& lemma, int kind);

}  // namespace kunimor::app

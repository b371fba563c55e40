#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kunimor::cli {

// A first word of the command line and what runs it. A group gets the
// arguments after its word and returns the exit status; it throws
// UsageError for a command line it cannot run and Error when the work fails.
struct CommandGroup {
    std::string_view word;
    std::string_view usage;  // its lines of the help text
    int (*run)(std::vector<std::string> args);
};

// dict dump, dict build, dict stats: the dictionary's text form and a check of it.
int RunDictCommand(std::vector<std::string> args);
extern const std::string_view kDictUsage;
// dict add, dict remove: word pairs of a TSV file added to or removed from a
// dictionary through the editing module, all or nothing.
int RunDictEditCommand(const std::string& sub, std::vector<std::string> args);
// dict import: the starter dictionary from open lexical data.
int RunDictImportCommand(std::vector<std::string> args);
extern const std::string_view kDictImportUsage;

// translations ru|be LEMMA: the translation links of the words with this dictionary form.
int RunTranslationsCommand(std::vector<std::string> args);
extern const std::string_view kTranslationsUsage;

// latin to-latin|to-cyrillic, recode: Belarusian between its two scripts, and
// texts between the code pages.
int RunLatinCommand(std::vector<std::string> args);
int RunRecodeCommand(std::vector<std::string> args);
extern const std::string_view kLatinUsage;
extern const std::string_view kRecodeUsage;
// transcribe: Cyrillic text in Latin letters (the interface language files).
int RunTranscribeCommand(std::vector<std::string> args);
extern const std::string_view kTranscribeUsage;

// analyze ru|be WORD..., forms ru|be LEMMA: the readings stem seeking finds
// for words, and the form tables of the words with a dictionary form.
int RunAnalyzeCommand(std::vector<std::string> args);
int RunFormsCommand(std::vector<std::string> args);
extern const std::string_view kAnalyzeUsage;
extern const std::string_view kFormsUsage;

// translate ru-be|be-ru [FILE...]: the batch translator, text files to standard output.
int RunTranslateCommand(std::vector<std::string> args);
extern const std::string_view kTranslateUsage;

// spell be|ru [FILE...]: the spelling check, its correction and the ispell pipe.
int RunSpellCommand(std::vector<std::string> args);
extern const std::string_view kSpellUsage;
// request ru-be|be-ru|auto [TEXT|FILE]: a translation by the running desktop program.
int RunRequestCommand(std::vector<std::string> args);
extern const std::string_view kRequestUsage;

// serve: the LibreTranslate-compatible translation server.
int RunServeCommand(std::vector<std::string> args);
extern const std::string_view kServeUsage;

}  // namespace kunimor::cli

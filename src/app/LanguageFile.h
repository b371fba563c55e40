#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kunimor::app {

// An interface language file (".lng"): the texts of the windows' controls
// and the program's messages in one language.
//
// Format: UTF-8 text (a leading EF BB BF is skipped), lines ended by CR LF,
// CR or LF. Line 1 is the signature kLanguageSignature. Options are lines
// "name=value" anywhere (names without regard to case, the first counts),
// read only when a "Humanize" line exists: Humanize=1 selects humanized
// values, anything else quoted ones; HumanizeDivider sets the CR and CR LF
// markers, then HumanizedCR, HumanizedCRLF, HumanizedLF set each one ("\"
// by default). From line 2, empty lines and ";" comments are skipped; a line
// starting with "[" opens a section: "[RESOURCESTRINGS]" (any case) holds
// the messages, a name with "(x)" at characters 2 to 4 is a deleted form and
// ends the load with an error, any other "[Class]" holds the texts of the
// windows of that class. Lines before the first section are ignored.
// A form line is "path{anything}=value" (the path is the part of the key
// before "{"; a line without "=" is all key), a message line is
// "id_name=value" with a decimal id. Lines starting with "(" are skipped,
// "(x)" (obsolete) and "(!)" (untranslated) ones with an error; so are lines
// that are not UTF-8. An empty path ends the load.
// Values: humanized ones are plain text in which the markers stand for line
// breaks (CR in form values, CR LF in messages; with CR and CR LF markers
// equal both mean the break of the value's kind); quoted ones are runs of
// 'quoted text' ('' for an apostrophe) and #code UTF-16 codes, and another
// character (a blank, "+") between two pieces breaks the line with a CR.
// Malformed quoted values end the load.
//
// Texts are kept in UTF-8: the windows show Unicode, so nothing is narrowed
// to an 8-bit code page.

inline constexpr std::string_view kLanguageSignature = "; Kunimor Interface Language File.";

// The texts of one window class, in file order.
struct TResForm {
    std::string className;
    std::vector<std::string> paths;
    std::vector<std::string> values;
};

struct TResString {
    int id = 0;
    std::string text;
};

struct TLanguageFile {
    bool complete = false;  // read to its end; else it stopped at the first error
    std::vector<TResForm> forms;
    // Set when the file had a message section, read to its end or not.
    std::optional<std::vector<TResString>> resourceStrings;
    bool resourceSectionComplete = false;
    std::vector<std::string> errors;  // English, with the line number

    // The first form section of exactly this class, or null.
    const TResForm* Form(std::string_view className) const;
};

TLanguageFile ReadLanguageFile(std::string_view bytes);

// The message with this id, searching the table by halves in file order
// (so a table must list its ids ascending to find them all).
const std::string* FindResourceString(const std::vector<TResString>& table, int id);

}  // namespace kunimor::app

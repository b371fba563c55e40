#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kunimor {

// What the ending guess did to the text the part-of-speech dialog got.
struct TTailGuess {
    bool applied = false;
    int line = -1;        // the rule's line
    int length = 0;       // of the typed ending matched
    size_t position = 0;  // of "_ending_" in the line
    int kind = 0;         // the Kind guessed
    std::string received; // the text after the guess
};

// The learned ending rules of one language (tailrus.ini, tailbel.ini): a
// line "1-ок=_ка_ку_" says that a noun typed ending in "ка" or "ку" has the
// dictionary form ending in "ок". Windows-1251 lines.
class TTailRules {
public:
    // A missing or unreadable file gives no rules.
    static TTailRules Load(const std::filesystem::path& file);
    // Replaces the file in one step (the old one stays as ".bak"); throws
    // Error and leaves it as it was when that fails.
    void Save(const std::filesystem::path& file) const;

    // Rewrites text to its dictionary form by the first rule whose typed
    // ending, of 7 letters down to 2, ends text, and sets kind to the
    // rule's; a verb is perfective when hasPrefix says its text starts with
    // a known word prefix. Without a rule text and kind stay.
    TTailGuess Guess(std::string& text, int& kind, const std::function<bool(const std::string&)>& hasPrefix) const;
    // Learns from what the user confirmed: a guess the user corrected loses
    // its typed ending; otherwise the endings that differ between the text
    // received and the text confirmed become (or join) a rule of kind.
    void Learn(const TTailGuess& guess, const std::string& confirmed, int kind);

    std::vector<std::string> Lines;
    bool Changed = false;

private:
    // Removes "_ending" at position of line i, and the line when no typed ending is left.
    void RemoveTypedEnding(size_t i, size_t position, size_t length);
};

}  // namespace kunimor
